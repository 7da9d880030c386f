// The files that a writer writes: opened, written whole or in pieces, closed, and removed again
// when they could not be written whole, so that no cut-off file is left. A file whose values lost
// characters that XML cannot hold is named in the run log at level WARN, once until the run log is
// deleted (ForgetDroppedChars).
#pragma once

#include "platform/core/CString.h"
#include "writers/ZnWriteOutcome.h"

#include <cstdio>

class XmlText;

namespace ZnWrittenFiles {

// Opens the file at path for a writer that builds its text whole (XmlText) and writes it with
// WriteWholeFile: created or emptied, or with append added to at its end. The stream is binary,
// for the text holds its CR LF line ends already. Null when the file cannot be opened, which the
// caller tells in its own words; it is opened before the text is built so that this is known
// first.
FILE* OpenWholeFile(LPCTSTR path, bool append = false);
// Writes the UTF-8 form of the text to a file opened by OpenWholeFile with one write and closes
// it: written, or cutOff when it could not be written whole (a full disk) and has been removed. A
// file whose values lost characters (XmlText::LostChars) is named in the run log.
ZnWriteOutcome WriteWholeFile(FILE* file, const XmlText& text, LPCTSTR path);
// Closes a stream in text mode that a writer has written, such as in pieces (XmlPieceWriters),
// with the rules of WriteWholeFile; the values that lost characters are those noted by
// NoteDroppedChars, and a file written in several parts is named once.
ZnWriteOutcome CloseWrittenFile(FILE* file, LPCTSTR path);

// Notes that a value written to the open stream lost characters that XML cannot hold (a piece of
// XmlPieceWriters); when CloseWrittenFile has written the file whole, the run log names it.
void NoteDroppedChars(FILE* file);
// Forgets the noted streams and the files that the run log has named, as a new run log begins.
void ForgetDroppedChars();

// Tells that a file could not be written whole: WriteFailedText with the stop icon.
void ShowWriteFailed(LPCTSTR path);
// "ファイルの書き込み(<file name>)に失敗しました。"
CString WriteFailedText(LPCTSTR path);

} // namespace ZnWrittenFiles
