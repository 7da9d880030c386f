#include "editors/ZnCMAddressBlock.h"

#include "editors/ZnComboName.h"
#include "platform/database/AfxDao.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/MessageBox.h"
#include "storage/ZnAppChiikiShiteiTblDAO.h"
#include "storage/ZnAppTodoufukenQTblDAO.h"

void ZnCMAddressBlock::Fill(CComboBox& combo)
{
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

void ZnCMAddressBlock::Load(CComboBox& combo, LONG number)
{
    m_loaded = number;
    m_bLoaded = true;
    m_bChanged = false;
    ZnSelectComboName(combo, NameOf(number));
}

LONG ZnCMAddressBlock::Store(const CComboBox& combo) const
{
    if (m_bLoaded && !m_bChanged)
        return m_loaded;
    CString name = ZnSelectedComboName(combo);
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
        address.SetWindowText(ZnSelectedComboName(combo));
}
