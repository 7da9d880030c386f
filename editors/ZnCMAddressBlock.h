// The prefecture of the address block that several reference-data editors share (postcode,
// prefecture, address, telephone): the combo shows prefecture names, the record holds the
// prefecture's number (TodoufukenmeiBangou), -1 for none.
//
// A number that the user did not change is stored as it was loaded, also when no area row knows
// it or COM_CHIIKI.mdb cannot be read, so editing a row never changes a value left alone.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

class CComboBox;
class CWnd;

class ZnCMAddressBlock {
public:
    // Empties the combo and adds a blank entry, then the prefecture query's names in its order. A
    // COM_CHIIKI.mdb that cannot be read is reported as the framework reports a database failure,
    // and the combo keeps the blank entry alone.
    void Fill(CComboBox& combo);
    // Shows the prefecture of number: the entry equal to its name, else the first that begins
    // with it ignoring case, the blank entry for a number without a name; remembers number.
    void Load(CComboBox& combo, LONG number);
    // The number to store: the loaded one while the user has not chosen an entry since; else
    // that of the chosen name in the area table, -1 for the blank entry or a name it lacks.
    LONG Store(const CComboBox& combo) const;
    // No prefecture shown, nothing loaded.
    void Clear(CComboBox& combo);
    // The user chose an entry: an empty address takes its name; a filled one stays.
    void OnSelChange(const CComboBox& combo, CWnd& address);

private:
    // The prefecture's name of number, "" when no area row has it or the table cannot be read.
    static CString NameOf(LONG number);

    LONG m_loaded = -1;
    bool m_bLoaded = false;
    bool m_bChanged = false;
};
