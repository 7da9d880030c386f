#include "platform/files/CStdioFile.h"

#include "platform/core/WinError.h"
#include "platform/files/WinStdio.h"

#include <cerrno>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile(LPCTSTR fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, fileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream)
        fclose(m_pStream);
}

// The file is opened as a CFile (flags, creation and errors as there); the stream works on a
// duplicate of its descriptor, so that both see the same file offset.
BOOL CStdioFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    if (m_pStream)
        Close();
    if (!CFile::Open(fileName, openFlags & ~(typeText | typeBinary), error))
        return FALSE;
    const char* mode = (openFlags & 3) == modeReadWrite ? "r+" : ((openFlags & 3) == modeWrite ? "w" : "r");
    std::string streamMode = std::string(mode) + ((openFlags & typeBinary) ? "b" : "t");
    int fd = ::dup(m_hFile);
    m_pStream = fd >= 0 ? WinFdopen(fd, streamMode.c_str()) : nullptr;
    if (m_pStream)
        return TRUE;
    int failure = errno;
    CFile::Abort();
    if (error) {
        error->m_cause = CFileException::CauseFromErrno(failure);
        error->m_lOsError = Win32ErrorFromErrno(failure);
        error->m_strFileName = fileName;
    }
    return FALSE;
}

void CStdioFile::ThrowIfStreamFailed() const
{
    if (ferror(m_pStream))
        ThrowErrno(errno ? errno : EIO);
}

UINT CStdioFile::Read(void* buffer, UINT count)
{
    size_t n = fread(buffer, 1, count, m_pStream);
    ThrowIfStreamFailed();
    return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* buffer, UINT count)
{
    if (fwrite(buffer, 1, count, m_pStream) != count)
        ThrowErrno(errno ? errno : EIO);
}

void CStdioFile::WriteString(LPCTSTR text)
{
    if (text && fputs(text, m_pStream) == EOF)
        ThrowErrno(errno ? errno : EIO);
}

BOOL CStdioFile::ReadString(CString& line)
{
    std::string bytes;
    int c;
    while ((c = getc(m_pStream)) != EOF && c != '\n')
        bytes += static_cast<char>(c);
    ThrowIfStreamFailed();
    line = CString(bytes);
    return c == '\n' || !bytes.empty();
}

LONG CStdioFile::Seek(LONG offset, UINT from)
{
    int whence = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
    if (fseek(m_pStream, offset, whence) != 0)
        ThrowErrno(errno);
    return static_cast<LONG>(ftell(m_pStream));
}

ULONGLONG CStdioFile::GetLength() const
{
    if (fflush(m_pStream) != 0)
        ThrowErrno(errno);
    return CFile::GetLength();
}

DWORD CStdioFile::GetPosition() const
{
    long position = ftell(m_pStream);
    if (position < 0)
        ThrowErrno(errno);
    return static_cast<DWORD>(position);
}

void CStdioFile::Flush()
{
    if (m_pStream && fflush(m_pStream) != 0)
        ThrowErrno(errno);
}

void CStdioFile::Close()
{
    FILE* stream = m_pStream;
    m_pStream = nullptr;
    int failure = (stream && fclose(stream) != 0) ? errno : 0;
    CFile::Close();
    if (failure)
        ThrowErrno(failure);
}

void CStdioFile::Abort()
{
    if (m_pStream)
        fclose(m_pStream);
    m_pStream = nullptr;
    CFile::Abort();
}
