#include "readers/ZnOldFloppyFile.h"

#include "readers/ZnOldFloppyCount.h"

ZnOldFloppyFile::OpenResult ZnOldFloppyFile::Open(CFile& file, const CString& path, UINT flags)
{
    if (!file.Open(path, CFile::modeRead | flags))
        return notOpened;
    ULONGLONG length = 0;
    try {
        length = file.GetLength();
    } catch (CFileException* e) {
        e->Delete();
        file.Abort();
        return notOpened;
    }
    if (length <= static_cast<ULONGLONG>(ZnOldFloppyCount::floppyBytes))
        return opened;
    file.Abort();
    return tooLong;
}
