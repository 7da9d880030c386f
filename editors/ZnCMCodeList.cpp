#include "editors/ZnCMCodeList.h"

#include "editors/ZnComboName.h"
#include "platform/wnd/CComboBox.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnShellState.h"

ZnRsetComCodeTbl* ZnCMCodeList::Recordset() const
{
    ZnAppComTblAccess* access = ZnShellState::Current()->GetComTblAccess();
    return access ? access->m_pRset[m_slot] : nullptr;
}

void ZnCMCodeList::Fill(CComboBox& combo) const
{
    ZnAppComTblAccess* access = ZnShellState::Current()->GetComTblAccess();
    if (!access)
        return;
    if (m_bByRegion)
        access->FillComboByChiiki(access->m_pRset[m_slot], &combo);
    else
        ZnAppComTblAccess::FillCombo(access->m_pRset[m_slot], &combo);
}

void ZnCMCodeList::Load(CComboBox& combo, const CString& code)
{
    m_loaded = code;
    m_bLoaded = true;
    m_bChanged = false;
    ZnSelectComboName(combo, ZnAppComTblAccess::GetNameByCode(Recordset(), code));
}

CString ZnCMCodeList::Store(const CComboBox& combo) const
{
    if (m_bLoaded && !m_bChanged)
        return m_loaded;
    return ZnAppComTblAccess::GetCodeByName(Recordset(), ZnSelectedComboName(combo));
}

void ZnCMCodeList::Clear(CComboBox& combo)
{
    combo.SetCurSel(-1);
    m_loaded = "";
    m_bLoaded = false;
}
