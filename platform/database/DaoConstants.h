// The numeric constants of the database classes: open types, options, field types and the
// field-exchange options, with the values that stored programs and files use.
#pragma once

// Recordset open types; AFX_DAO_USE_DEFAULT_TYPE takes the recordset's m_nDefaultType.
enum {
    AFX_DAO_USE_DEFAULT_TYPE = -1,
    dbOpenTable = 1,
    dbOpenDynaset = 2,
    dbOpenSnapshot = 4,
    dbOpenForwardOnly = 8
};

// Options of Open and Execute.
enum {
    dbDenyWrite = 0x1,
    dbDenyRead = 0x2,
    dbReadOnly = 0x4,
    dbAppendOnly = 0x8,
    dbInconsistent = 0x10,
    dbConsistent = 0x20,
    dbSQLPassThrough = 0x40,
    dbFailOnError = 0x80,
    dbForwardOnly = 0x100,
    dbSeeChanges = 0x200
};

// Field data types.
enum {
    dbBoolean = 1,
    dbByte = 2,
    dbInteger = 3,
    dbLong = 4,
    dbCurrency = 5,
    dbSingle = 6,
    dbDouble = 7,
    dbDate = 8,
    dbText = 10,
    dbLongBinary = 11,
    dbMemo = 12
};

// Field attributes.
enum { dbFixedField = 0x1, dbVariableField = 0x2, dbAutoIncrField = 0x10, dbUpdatableField = 0x20 };

// How much GetFieldInfo fills in; each level includes the ones before it.
enum { AFX_DAO_PRIMARY_INFO = 1, AFX_DAO_SECONDARY_INFO = 2, AFX_DAO_ALL_INFO = 4 };

// Field-exchange bind options and the default preallocated text size.
enum { AFX_DAO_DISABLE_FIELD_CACHE = 0, AFX_DAO_ENABLE_FIELD_CACHE = 1, AFX_DAO_TEXT_DEFAULT_SIZE = 255 };
