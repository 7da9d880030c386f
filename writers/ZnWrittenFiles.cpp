#include "writers/ZnWrittenFiles.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinStdio.h"
#include "storage/ZnRunLog.h"
#include "writers/XmlText.h"

#include <set>
#include <string>

namespace {

// The open files into which a value was written without characters that XML cannot hold, and
// the files that the run log has named for it since it was last deleted.
std::set<FILE*> filesWithDroppedChars;
std::set<std::string> filesLoggedForDroppedChars;

// Names a file once in the run log as one whose values lost characters that XML cannot hold. The
// line names the output support's unit and function, as the run log always has.
void LogDroppedChars(LPCTSTR path)
{
    if (!filesLoggedForDroppedChars.insert(path).second)
        return; // a file written in parts is named once
    ZnRunLog::Write(ZnRunLog::levelWarn,
                    CString("ファイル【") + path + "】に出力できない制御文字があったため、取り除いて出力しました。",
                    "ZnAppDocFDOut00.cpp", "CloseWrittenFile()");
}

// Closes a written file; when it was not written whole, removes it, else names it in the run log
// if its values lost characters.
ZnWriteOutcome FinishWrittenFile(FILE* file, LPCTSTR path, bool written, bool dropped)
{
    written = std::fclose(file) == 0 && written;
    if (written) {
        if (dropped)
            LogDroppedChars(path);
        return ZnWriteOutcome::written;
    }
    DeleteFile(path);
    return ZnWriteOutcome::cutOff;
}

} // namespace

FILE* ZnWrittenFiles::OpenWholeFile(LPCTSTR path, bool append) { return WinFopen(path, append ? "ab" : "wb"); }

ZnWriteOutcome ZnWrittenFiles::WriteWholeFile(FILE* file, const XmlText& text, LPCTSTR path)
{
    std::string utf8 = text.Utf8();
    bool written = std::fwrite(utf8.data(), 1, utf8.size(), file) == utf8.size() && !std::ferror(file);
    return FinishWrittenFile(file, path, written, text.LostChars());
}

ZnWriteOutcome ZnWrittenFiles::CloseWrittenFile(FILE* file, LPCTSTR path)
{
    bool dropped = filesWithDroppedChars.erase(file) > 0;
    return FinishWrittenFile(file, path, !std::ferror(file), dropped);
}

void ZnWrittenFiles::NoteDroppedChars(FILE* file) { filesWithDroppedChars.insert(file); }

void ZnWrittenFiles::ForgetDroppedChars()
{
    filesWithDroppedChars.clear();
    filesLoggedForDroppedChars.clear();
}

void ZnWrittenFiles::ShowWriteFailed(LPCTSTR path) { AfxMessageBox(WriteFailedText(path), MB_ICONSTOP); }

CString ZnWrittenFiles::WriteFailedText(LPCTSTR path)
{
    CString fullPath(path);
    return "ファイルの書き込み(" + fullPath.Mid(fullPath.ReverseFind('\\') + 1) + ")に失敗しました。";
}
