#include "writers/CheckBitmapFile.h"

#include "platform/files/CFile.h"

namespace {
const size_t kFileHeaderSize = 14;
const size_t kInfoHeaderSize = 40;
const LONG kCoreHeaderSize = 12;

LONG LittleEndianLong(const std::string& bytes, size_t at)
{
    auto byte = [&](size_t i) { return static_cast<DWORD>(static_cast<unsigned char>(bytes[at + i])); };
    return static_cast<LONG>(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
}
} // namespace

int CheckBitmapBytes(const std::string& bytes)
{
    if (bytes.size() < 2)
        return bitmapTooShort;
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return bitmapNotSupported;
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize)
        return bitmapTooShort;
    LONG headerSize = LittleEndianLong(bytes, kFileHeaderSize);
    if (headerSize != kCoreHeaderSize && headerSize != static_cast<LONG>(kInfoHeaderSize))
        return bitmapNotSupported;
    return bitmapOk;
}

int CheckBitmapFile(CString path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone))
        return bitmapCannotOpen;
    std::string headers(kFileHeaderSize + kInfoHeaderSize, '\0');
    try {
        headers.resize(file.Read(&headers[0], static_cast<UINT>(headers.size())));
    } catch (CException* e) {
        e->Delete();
        return bitmapTooShort;
    }
    return CheckBitmapBytes(headers);
}
