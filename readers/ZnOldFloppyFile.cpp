#include "readers/ZnOldFloppyFile.h"

#include "platform/files/WinStdio.h"
#include "readers/ZnOldFloppyCount.h"

ZnOldFloppyFile::OpenResult ZnOldFloppyFile::Read(const CString& path, std::string& bytes)
{
    bytes.clear();
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::typeBinary))
        return notOpened;
    // One byte past a floppy tells a longer file, whatever length the file reports.
    bytes.resize(ZnOldFloppyCount::floppyBytes + 1);
    try {
        bytes.resize(file.Read(&bytes[0], static_cast<UINT>(bytes.size())));
    } catch (CFileException* e) {
        e->Delete();
        bytes.clear();
        return damaged;
    }
    if (bytes.size() <= static_cast<size_t>(ZnOldFloppyCount::floppyBytes)) {
        bytes.shrink_to_fit();
        return opened;
    }
    bytes.clear();
    return damaged;
}

ZnOldFloppyFile::OpenResult ZnOldFloppyFile::Open(CStdioFile& file, const CString& path)
{
    file.Abort();
    std::string bytes;
    OpenResult result = Read(path, bytes);
    if (result != opened)
        return result;
    file.m_pStream = WinOpenTextBytes(std::move(bytes));
    return file.m_pStream ? opened : notOpened;
}

ZnOldFloppyFile::FirstLine ZnOldFloppyFile::ReadFirstLine(CStdioFile& file, const CString& path, CString& line)
{
    switch (Open(file, path)) {
    case notOpened:
        return fileNotOpened;
    case damaged:
        return noLine;
    default:
        return file.ReadString(line) ? lineRead : noLine;
    }
}
