// The framework exceptions that the system throws and catches. As in MFC they are thrown as
// pointers and the catcher calls Delete().
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CException : public CObject {
public:
    DECLARE_DYNAMIC(CException)
    CException() = default;
    virtual ~CException() = default;
    void Delete() { delete this; }
    // Puts a description into buffer (at most maxLength bytes with the terminator).
    virtual BOOL GetErrorMessage(LPTSTR buffer, UINT maxLength, UINT* helpContext = nullptr);
    virtual CString Describe() const { return CString("unknown error"); }
};

class CMemoryException : public CException {
public:
    DECLARE_DYNAMIC(CMemoryException)
    CString Describe() const override;
};

class CArchiveException : public CException {
public:
    DECLARE_DYNAMIC(CArchiveException)
    enum { none, generic, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };
    explicit CArchiveException(int cause = none, LPCTSTR fileName = nullptr)
        : m_cause(cause), m_strFileName(fileName)
    {
    }
    CString Describe() const override;

    int m_cause;
    CString m_strFileName;
};

class CFileException : public CException {
public:
    DECLARE_DYNAMIC(CFileException)
    enum {
        none,
        generic,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };
    explicit CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr)
        : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
    {
    }
    CString Describe() const override;
    // The cause that an errno value stands for.
    static int CauseFromErrno(int error);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR fileName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, LPCTSTR fileName = nullptr);
