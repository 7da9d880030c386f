// Field exchange between a recordset's members and its current row. A recordset's
// DoFieldExchange calls one DFX_ function per bound column, each naming the column in brackets;
// the recordset runs it to bind the names, to load a row into the members, to read the members
// back for a change, to mark them for a new row and to clear the marks that are left.
//
// A new row holds only what the code assigns after AddNew, whatever the value: AddNew marks
// every member with a value that the system never assigns (the smallest number of its kind, a
// null date, a text of its own that reads as empty), and a member that still holds it has not
// been assigned. So a member is read only after it has been assigned.
#pragma once

#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/database/DaoConstants.h"
#include "platform/database/DaoValue.h"

#include <string>
#include <vector>

class CDaoFieldExchange {
public:
    enum FieldType { none, outputColumn, param };
    // markFields: every member gets its mark (AddNew); clearMarks: a member that still holds
    // its mark gets its empty value (0, FALSE, a null date, "") again.
    enum Operation { bindNames, loadFields, storeFields, markFields, clearMarks };

    explicit CDaoFieldExchange(Operation operation) : m_operation(operation) {}
    void SetFieldType(UINT fieldType) { m_nFieldType = fieldType; }

    UINT m_nFieldType = none;
    Operation m_operation;
    std::vector<std::string> m_names;               // bindNames: the column names (UTF-8, no brackets)
    const std::vector<DaoValue>* m_row = nullptr;   // loadFields: the row's cells ...
    const std::vector<size_t>* m_columns = nullptr; // ... and the cell of each bound field
    std::vector<DaoValue> m_values;                 // storeFields: the members as cells ...
    std::vector<bool> m_assigned;                   // ... and whether each holds something but its mark
    size_t m_field = 0;                             // the bound field being exchanged
};

// The member kinds: long and short integers, Yes/No (stored -1 and 0), date and time (stored as
// "YYYY-MM-DD HH:MM:SS" text; a null date is a null cell), and text (CP932 in the member).
void DFX_Long(CDaoFieldExchange* pFX, LPCTSTR name, LONG& value, DWORD bindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
void DFX_Short(CDaoFieldExchange* pFX, LPCTSTR name, short& value, DWORD bindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
void DFX_Bool(CDaoFieldExchange* pFX, LPCTSTR name, BOOL& value, DWORD bindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
void DFX_DateTime(CDaoFieldExchange* pFX, LPCTSTR name, COleDateTime& value,
                  DWORD bindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
void DFX_Text(CDaoFieldExchange* pFX, LPCTSTR name, CString& value, int preAllocSize = AFX_DAO_TEXT_DEFAULT_SIZE,
              DWORD bindOptions = AFX_DAO_ENABLE_FIELD_CACHE);
