#include "editors/ZnCMAddressBlock.h"

#include "platform/database/AfxDao.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/MessageBox.h"
#include "storage/ZnAppChiikiShiteiTblDAO.h"
#include "storage/ZnAppTodoufukenQTblDAO.h"

void ZnCMAddressBlock::Fill(CComboBox& combo)
{
    combo.ResetContent();
    combo.InsertString(-1, "");
    try {
        ZnAppTodoufukenQTblDAO prefectures;
        prefectures.FillCombo(&combo);
    } catch (CDaoException* e) {
        // Reported here so that the editor still lists its rows; its combo has the blank entry.
        AfxReportException(e);
        e->Delete();
        combo.ResetContent();
        combo.InsertString(-1, "");
    }
}

CString ZnCMAddressBlock::NameOf(LONG number)
{
    try {
        ZnAppChiikiShiteiTblDAO areas;
        return areas.GetTodoufuken(number);
    } catch (CDaoException* e) {
        e->Delete();
        return CString();
    }
}

int ZnCMAddressBlock::FindEqual(const CComboBox& combo, const CString& name)
{
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString entry;
        combo.GetLBText(i, entry);
        if (entry == name)
            return i;
    }
    return CB_ERR;
}

void ZnCMAddressBlock::Load(CComboBox& combo, LONG number)
{
    m_loaded = number;
    m_bLoaded = true;
    m_bChanged = false;
    CString name = NameOf(number);
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

CString ZnCMAddressBlock::SelectedName(const CComboBox& combo)
{
    CString name;
    if (combo.GetCurSel() != CB_ERR)
        combo.GetLBText(combo.GetCurSel(), name);
    return name;
}

LONG ZnCMAddressBlock::Store(const CComboBox& combo) const
{
    if (m_bLoaded && !m_bChanged)
        return m_loaded;
    CString name = SelectedName(combo);
    if (name.IsEmpty())
        return -1;
    ZnAppChiikiShiteiTblDAO areas;
    return areas.GetTodoufukenBangou(name);
}

void ZnCMAddressBlock::Clear(CComboBox& combo)
{
    combo.SetCurSel(-1);
    m_loaded = -1;
    m_bLoaded = false;
    m_bChanged = false;
}

void ZnCMAddressBlock::OnSelChange(const CComboBox& combo, CWnd& address)
{
    m_bChanged = true;
    CString text;
    address.GetWindowText(text);
    if (text.IsEmpty())
        address.SetWindowText(SelectedName(combo));
}
