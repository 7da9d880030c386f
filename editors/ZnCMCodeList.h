// A code list of a reference-data editor: a drop-down list of the formal names of one code table of
// COM_CODE.mdb (a slot of the application's code-table access), whose record field holds the code
// of the chosen name.
//
// A code that the user did not change is stored as it was loaded, also when the code table does not
// know it or could not be opened (the list then shows the blank entry, or nothing), so editing a
// row never changes a code left alone.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

class CComboBox;
class ZnRsetComCodeTbl;

class ZnCMCodeList {
public:
    // The list control id, the code-table slot (ZnAppComTblAccess::Slot) and whether the list
    // shows the rows of the current region first, as the registration and permit kinds do.
    ZnCMCodeList(UINT id, int slot, bool byRegion) : m_id(id), m_slot(slot), m_bByRegion(byRegion) {}

    UINT GetId() const { return m_id; }

    // A blank entry, then the table's formal names. A table that is not open leaves the list as
    // it is (empty).
    void Fill(CComboBox& combo) const;
    // Shows the name of code (the blank entry for a code without one) and remembers code.
    void Load(CComboBox& combo, const CString& code);
    // The code to store: the loaded one while the user has not chosen an entry since; else the
    // code of the chosen name, "" for the blank entry or a name that no row bears.
    CString Store(const CComboBox& combo) const;
    // No entry shown, nothing loaded (so the next Store goes by the chosen name).
    void Clear(CComboBox& combo);
    // The user chose an entry.
    void OnSelChange() { m_bChanged = true; }

private:
    // The slot's recordset, or null without code tables.
    ZnRsetComCodeTbl* Recordset() const;

    UINT m_id;
    int m_slot;
    bool m_bByRegion;
    CString m_loaded;
    bool m_bLoaded = false;
    bool m_bChanged = false;
};
