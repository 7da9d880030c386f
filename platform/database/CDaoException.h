// The database exception, thrown as a pointer like every framework exception. It carries the
// Jet error number and a Japanese description that names the file or item concerned.
#pragma once

#include "platform/core/CException.h"

struct CDaoErrorInfo {
    LONG m_lErrorCode = 0;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    LONG m_lHelpContext = 0;
};

class CDaoException : public CException {
public:
    DECLARE_DYNAMIC(CDaoException)
    CDaoException();
    ~CDaoException() override;
    CString Describe() const override;

    CDaoErrorInfo* m_pErrorInfo; // owned; never null
};

// Jet error numbers that this layer raises.
enum DaoError : LONG {
    daoErrGeneric = 3000,
    daoErrInvalidArgument = 3001,
    daoErrUpdateWithoutEdit = 3020,
    daoErrNoCurrentRecord = 3021,
    daoErrDuplicateKey = 3022,
    daoErrFileNotFound = 3024,
    daoErrDiskFull = 3026,
    daoErrReadOnly = 3027,
    daoErrDiskError = 3043,
    daoErrInvalidPath = 3044,
    daoErrCorrupt = 3049,
    daoErrCannotOpen = 3051,
    daoErrTooFewParameters = 3061,
    daoErrSelectExecuted = 3065,
    daoErrSyntax = 3075,
    daoErrInputNotFound = 3078,
    daoErrTextAfterStatement = 3142,
    daoErrRecordDeleted = 3167,
    daoErrFieldDefinedTwice = 3191,
    daoErrDatabaseExists = 3204,
    daoErrLocked = 3218,
    daoErrInvalidOperation = 3219,
    daoErrInvalidFieldType = 3259,
    daoErrItemNotFound = 3265,
    daoErrNullNotAllowed = 3314,
    daoErrValidationRule = 3317,
    daoErrUnrecognizedFormat = 3343,
    daoErrNumericOverflow = 3349,
    daoErrObjectInvalid = 3420,
    daoErrTypeConversion = 3421
};

// Throws a CDaoException with Jet's number and its description; item (CP932) is the file, table
// or field that the description names.
[[noreturn]] void ThrowDaoError(LONG code, const CString& item = CString());
// Jet's description of an error number, naming item where it names one, as ThrowDaoError gives it.
CString DaoErrorDescription(LONG code, const CString& item = CString());
