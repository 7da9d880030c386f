#include "platform/core/CException.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

BOOL CException::GetErrorMessage(LPTSTR buffer, UINT maxLength, UINT* helpContext)
{
    if (helpContext)
        *helpContext = 0;
    if (!buffer || maxLength == 0)
        return FALSE;
    CString text = Describe();
    size_t n = std::min<size_t>(text.GetLength(), maxLength - 1);
    std::memcpy(buffer, static_cast<LPCTSTR>(text), n);
    buffer[n] = 0;
    return TRUE;
}

CString CMemoryException::Describe() const { return CString("out of memory"); }

CString CArchiveException::Describe() const
{
    static const char* const causes[] = {"no error",  "generic error", "read-only archive", "unexpected end of file",
                                          "write-only archive", "bad object index", "bad class", "bad schema"};
    CString text = (m_cause >= 0 && m_cause <= badSchema) ? causes[m_cause] : "archive error";
    if (!m_strFileName.IsEmpty())
        text += CString(" (") + m_strFileName + ")";
    return text;
}

CString CFileException::Describe() const
{
    CString text;
    text.Format("file error %d (os error %d)", m_cause, static_cast<int>(m_lOsError));
    if (!m_strFileName.IsEmpty())
        text += CString(" ") + m_strFileName;
    return text;
}

int CFileException::CauseFromErrno(int error)
{
    switch (error) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EOPNOTSUPP:
    case EEXIST:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case ENOSPC:
    case EDQUOT:
        return diskFull;
    case ESPIPE:
    case EINVAL:
        return badSeek;
    case EIO:
        return hardIO;
    default:
        return generic;
    }
}

void AfxThrowMemoryException() { throw new CMemoryException; }

void AfxThrowArchiveException(int cause, LPCTSTR fileName) { throw new CArchiveException(cause, fileName); }

void AfxThrowFileException(int cause, LONG osError, LPCTSTR fileName)
{
    throw new CFileException(cause, osError, fileName);
}
