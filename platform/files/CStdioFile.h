// A file read and written through a C stream, with MFC's CStdioFile interface. Opened in text mode
// unless typeBinary is given: "\n" is written as CR LF, CR LF is read as "\n", and a Ctrl-Z ends
// the file (WinStdio.h). Failures throw CFileException, except Open, which reports through its result.
#pragma once

#include "platform/files/CFile.h"

#include <cstdio>

class CStdioFile : public CFile {
public:
    DECLARE_DYNAMIC(CStdioFile)
    CStdioFile() = default;
    CStdioFile(LPCTSTR fileName, UINT openFlags); // throws CFileException on failure
    ~CStdioFile() override;

    BOOL Open(LPCTSTR fileName, UINT openFlags, CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    LONG Seek(LONG offset, UINT from) override;
    ULONGLONG GetLength() const override;
    DWORD GetPosition() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    // Reads one line into line, without its "\n"; FALSE at the end of the file when nothing was left.
    virtual BOOL ReadString(CString& line);
    // Writes text as it is (in text mode each "\n" becomes CR LF).
    virtual void WriteString(LPCTSTR text);

    FILE* m_pStream = nullptr;

private:
    void ThrowIfStreamFailed() const;
};
