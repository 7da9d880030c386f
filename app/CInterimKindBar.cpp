#include "app/CInterimKindBar.h"

#include "app/ZnFvAppCAFM31.h"
#include "app/ZnFvAppCAFM32.h"
#include "res/MainFrameIds.h"

#define ON_KIND(id) ON_COMMAND_EX(id, OnObjectKind) ON_UPDATE_COMMAND_UI(id, OnUpdateEnable)

BEGIN_MESSAGE_MAP(CInterimKindBar, CDialogBarBk)
ON_KIND(IDC_OBJ_BUILDING)
ON_KIND(IDC_OBJ_LIFT)
ON_KIND(IDC_OBJ_EQUIP)
ON_KIND(IDC_OBJ_STRUCT1)
ON_KIND(IDC_OBJ_STRLIFT)
ON_BN_CLICKED(IDC_BACK, OnBack)
ON_UPDATE_COMMAND_UI(IDC_BACK, OnUpdateEnable)
END_MESSAGE_MAP()

namespace {
const PanelForm forms[] = {
    {IDC_OBJ_BUILDING, RUNTIME_CLASS(ZnFvAppCAFM31)}, {IDC_OBJ_LIFT, RUNTIME_CLASS(ZnFvAppCAFM32)},
    {IDC_OBJ_EQUIP, RUNTIME_CLASS(ZnFvAppCAFM32)},    {IDC_OBJ_STRUCT1, RUNTIME_CLASS(ZnFvAppCAFM32)},
    {IDC_OBJ_STRLIFT, RUNTIME_CLASS(ZnFvAppCAFM32)},
};
} // namespace

BOOL CInterimKindBar::OnObjectKind(UINT nID)
{
    if (IsCurrentPanel(IDD_INTERIMKINDBAR))
        OpenForm(static_cast<int>(nID), PanelFormOf(forms, nID));
    return TRUE;
}

void CInterimKindBar::OnBack()
{
    if (IsCurrentPanel(IDD_INTERIMKINDBAR))
        GoBack();
}
