#include "editors/ZnComboName.h"

#include "platform/wnd/CComboBox.h"

namespace {

int FindEqual(const CComboBox& combo, const CString& name)
{
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString entry;
        combo.GetLBText(i, entry);
        if (entry.Bytes() == name.Bytes())
            return i;
    }
    return CB_ERR;
}

} // namespace

void ZnSelectComboName(CComboBox& combo, const CString& name)
{
    if (name.IsEmpty()) {
        combo.SetCurSel(0);
        return;
    }
    // An entry equal to the name comes first: another one may begin with it.
    int entry = FindEqual(combo, name);
    if (entry == CB_ERR)
        entry = combo.FindString(-1, name);
    if (entry != CB_ERR)
        combo.SetCurSel(entry);
}

CString ZnSelectedComboName(const CComboBox& combo)
{
    CString name;
    if (combo.GetCurSel() != CB_ERR)
        combo.GetLBText(combo.GetCurSel(), name);
    return name;
}
