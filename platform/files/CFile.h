// Binary file over a POSIX descriptor, with MFC's CFile interface. Failures throw
// CFileException, except Open, which reports through its result.
#pragma once

#include "platform/core/CException.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CFile : public CObject {
public:
    DECLARE_DYNAMIC(CFile)
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(LPCTSTR fileName, UINT openFlags); // throws CFileException on failure
    ~CFile() override;

    // Opens a file named by a Windows path; on failure fills *error (when given) and returns FALSE.
    // Only a regular file opens: a folder is refused as access denied, and a device, a FIFO or a
    // socket as not supported (ERROR_NOT_SUPPORTED), at once, without waiting for a FIFO's other end.
    virtual BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual LONG Seek(LONG offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    DWORD SeekToEnd() { return static_cast<DWORD>(Seek(0, end)); }
    virtual ULONGLONG GetLength() const;
    virtual DWORD GetPosition() const;
    virtual void Flush();
    virtual void Close();
    virtual void Abort();
    CString GetFilePath() const { return m_strFileName; }
    BOOL IsOpen() const { return m_hFile >= 0; }

    static void Remove(LPCTSTR fileName);
    static void Rename(LPCTSTR oldName, LPCTSTR newName);

protected:
    [[noreturn]] void ThrowErrno(int error) const;

    int m_hFile = -1;
    CString m_strFileName;
};

// A file held in memory: grows as it is written; the bytes are read back with Data().
class CMemFile : public CFile {
public:
    DECLARE_DYNAMIC(CMemFile)
    explicit CMemFile(UINT growBytes = 1024) {}
    CMemFile(const BYTE* buffer, UINT size) : m_data(buffer, buffer + size) {}

    BOOL Open(LPCTSTR, UINT, CFileException* = nullptr) override { return FALSE; }
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    LONG Seek(LONG offset, UINT from) override;
    ULONGLONG GetLength() const override { return m_data.size(); }
    DWORD GetPosition() const override { return static_cast<DWORD>(m_position); }
    void Flush() override {}
    void Close() override {}
    void Abort() override {}

    const std::string& Data() const { return m_data; }

private:
    std::string m_data;
    size_t m_position = 0;
};
