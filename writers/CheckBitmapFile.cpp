#include "writers/CheckBitmapFile.h"

#include "platform/files/CFile.h"

namespace {
const int kFileHeaderSize = 14;
const int kInfoHeaderSize = 40;
const int kCoreHeaderSize = 12;

// Reads exactly count bytes; FALSE on a short read or a read error.
BOOL ReadExactly(CFile& file, BYTE* buffer, UINT count)
{
    try {
        return file.Read(buffer, count) == count;
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
}

LONG LittleEndianLong(const BYTE* bytes)
{
    return static_cast<LONG>(static_cast<DWORD>(bytes[0]) | static_cast<DWORD>(bytes[1]) << 8 |
                             static_cast<DWORD>(bytes[2]) << 16 | static_cast<DWORD>(bytes[3]) << 24);
}
} // namespace

int CheckBitmapFile(CString path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return bitmapCannotOpen;
    BYTE fileHeader[kFileHeaderSize];
    if (!ReadExactly(file, fileHeader, 2))
        return bitmapTooShort;
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M')
        return bitmapNotSupported;
    if (!ReadExactly(file, fileHeader + 2, kFileHeaderSize - 2))
        return bitmapTooShort;
    BYTE infoHeader[kInfoHeaderSize];
    if (!ReadExactly(file, infoHeader, kInfoHeaderSize))
        return bitmapTooShort;
    LONG headerSize = LittleEndianLong(infoHeader);
    if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize)
        return bitmapNotSupported;
    return bitmapOk;
}
