// A file of an old floppy (or of a folder copied from one), opened for reading. A floppy holds
// regular files, none longer than the floppy itself: a name that is no regular file (a device, a
// FIFO, a socket, or a link to one) does not open, as the platform opens none, and a longer file
// is damage, refused before a byte of it is read, so that no line read from a floppy is longer
// than a floppy either.
#pragma once

#include "platform/files/CFile.h"

class ZnOldFloppyFile {
public:
    enum OpenResult { opened, notOpened, tooLong };

    // Opens the file at path read-only, with flags such as CFile::typeText; the file stays closed
    // unless it opened.
    static OpenResult Open(CFile& file, const CString& path, UINT flags = CFile::typeText);
};
