#include "platform/files/CFile.h"

#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CMemFile, CFile)

CFile::CFile(LPCTSTR fileName, UINT openFlags)
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, fileName);
}

CFile::~CFile()
{
    if (m_hFile >= 0)
        ::close(m_hFile);
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    if (m_hFile >= 0)
        Close();
    int flags = O_CLOEXEC;
    switch (openFlags & 3) {
    case modeWrite:
        flags |= O_WRONLY;
        break;
    case modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        flags |= O_RDONLY;
        break;
    }
    if (openFlags & modeCreate)
        flags |= O_CREAT | ((openFlags & modeNoTruncate) ? 0 : O_TRUNC);
    int fd = OpenRegularFile(WinPathToLinux(fileName), flags);
    if (fd < 0) {
        if (error) {
            error->m_cause = CFileException::CauseFromErrno(errno);
            error->m_lOsError = Win32ErrorFromErrno(errno);
            error->m_strFileName = fileName;
        }
        return FALSE;
    }
    m_hFile = fd;
    m_strFileName = fileName;
    return TRUE;
}

void CFile::ThrowErrno(int error) const
{
    AfxThrowFileException(CFileException::CauseFromErrno(error), Win32ErrorFromErrno(error), m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count)
{
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::read(m_hFile, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowErrno(errno);
        if (n == 0)
            break;
        done += static_cast<UINT>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, UINT count)
{
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::write(m_hFile, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ThrowErrno(n < 0 ? errno : ENOSPC);
        done += static_cast<UINT>(n);
    }
}

LONG CFile::Seek(LONG offset, UINT from)
{
    int whence = from == current ? SEEK_CUR : (from == end ? SEEK_END : SEEK_SET);
    off_t pos = ::lseek(m_hFile, offset, whence);
    if (pos < 0)
        ThrowErrno(errno);
    return static_cast<LONG>(pos);
}

ULONGLONG CFile::GetLength() const
{
    struct stat st;
    if (fstat(m_hFile, &st) != 0)
        ThrowErrno(errno);
    return static_cast<ULONGLONG>(st.st_size);
}

DWORD CFile::GetPosition() const
{
    off_t pos = ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0)
        ThrowErrno(errno);
    return static_cast<DWORD>(pos);
}

void CFile::Flush()
{
    if (m_hFile >= 0 && ::fsync(m_hFile) != 0 && errno != EINVAL)
        ThrowErrno(errno);
}

void CFile::Close()
{
    if (m_hFile < 0)
        return;
    int fd = m_hFile;
    m_hFile = -1;
    if (::close(fd) != 0 && errno != EINTR)
        ThrowErrno(errno);
}

void CFile::Abort()
{
    if (m_hFile >= 0)
        ::close(m_hFile);
    m_hFile = -1;
}

void CFile::Remove(LPCTSTR fileName)
{
    if (::unlink(WinPathToLinux(fileName).c_str()) != 0)
        AfxThrowFileException(CFileException::CauseFromErrno(errno), Win32ErrorFromErrno(errno), fileName);
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName)
{
    if (::rename(WinPathToLinux(oldName).c_str(), WinPathToLinux(newName).c_str()) != 0)
        AfxThrowFileException(CFileException::CauseFromErrno(errno), Win32ErrorFromErrno(errno), oldName);
}

UINT CMemFile::Read(void* buffer, UINT count)
{
    size_t n = m_position < m_data.size() ? std::min<size_t>(count, m_data.size() - m_position) : 0;
    std::memcpy(buffer, m_data.data() + m_position, n);
    m_position += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* buffer, UINT count)
{
    if (m_position > m_data.size())
        m_data.resize(m_position);
    m_data.replace(m_position, std::min<size_t>(count, m_data.size() - m_position), static_cast<const char*>(buffer),
                   count);
    m_position += count;
}

LONG CMemFile::Seek(LONG offset, UINT from)
{
    long base = from == current ? static_cast<long>(m_position) : (from == end ? static_cast<long>(m_data.size()) : 0);
    if (base + offset < 0)
        AfxThrowFileException(CFileException::badSeek);
    m_position = static_cast<size_t>(base + offset);
    return static_cast<LONG>(m_position);
}
