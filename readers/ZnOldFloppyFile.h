// A file of an old floppy (or of a folder copied from one), read whole when it opens. A floppy holds
// regular files, none longer than the floppy itself, and a floppy fails by read errors: a name that
// is no regular file (a device, a FIFO, a socket, or a link to one) does not open, as the platform
// opens none, and a file that cannot be read to its end, or that gives more bytes than a floppy
// holds (whatever length it reports, and however it grows while it is read), is damage. No read of
// a floppy's file goes past a floppy's size, and nothing of a damaged file is read as if whole.
#pragma once

#include "platform/files/CStdioFile.h"

#include <string>

class ZnOldFloppyFile {
public:
    enum OpenResult { opened, notOpened, damaged };

    // Reads the file at path whole into bytes, which hold it when opened and are empty otherwise.
    static OpenResult Read(const CString& path, std::string& bytes);
    // Reads the file at path whole and opens file on what it read, to be read in text mode; the file
    // is left closed unless it opened.
    static OpenResult Open(CStdioFile& file, const CString& path);

    enum FirstLine { lineRead, fileNotOpened, noLine };
    // Opens the text file at path as Open does and reads its first line into line, as the index of a
    // floppy and the information file of an accepted floppy are read: fileNotOpened when the file
    // does not open (a name that is no regular file among them), noLine when it is empty or damaged.
    static FirstLine ReadFirstLine(CStdioFile& file, const CString& path, CString& line);
};
