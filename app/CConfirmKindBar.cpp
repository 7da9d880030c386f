#include "app/CConfirmKindBar.h"

#include "app/ZnFvAppCAFM11.h"
#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAFM13.h"
#include "app/ZnFvAppCAFM14.h"
#include "app/ZnFvAppCAFM15.h"
#include "app/ZnFvAppCAFM16.h"
#include "res/MainFrameIds.h"

#define ON_KIND(id) ON_COMMAND_EX(id, OnObjectKind) ON_UPDATE_COMMAND_UI(id, OnUpdateEnable)

BEGIN_MESSAGE_MAP(CConfirmKindBar, CDialogBarBk)
ON_KIND(IDC_OBJ_BUILDING_NOTIF)
ON_KIND(IDC_OBJ_LIFT)
ON_KIND(IDC_OBJ_EQUIP)
ON_KIND(IDC_OBJ_STRUCT1)
ON_KIND(IDC_OBJ_STRLIFT)
ON_KIND(IDC_OBJ_STRUCT2)
ON_BN_CLICKED(IDC_BACK, OnBack)
ON_UPDATE_COMMAND_UI(IDC_BACK, OnUpdateEnable)
END_MESSAGE_MAP()

namespace {
const PanelForm forms[] = {
    {IDC_OBJ_BUILDING_NOTIF, RUNTIME_CLASS(ZnFvAppCAFM11)}, {IDC_OBJ_LIFT, RUNTIME_CLASS(ZnFvAppCAFM12)},
    {IDC_OBJ_EQUIP, RUNTIME_CLASS(ZnFvAppCAFM13)},          {IDC_OBJ_STRUCT1, RUNTIME_CLASS(ZnFvAppCAFM14)},
    {IDC_OBJ_STRLIFT, RUNTIME_CLASS(ZnFvAppCAFM15)},        {IDC_OBJ_STRUCT2, RUNTIME_CLASS(ZnFvAppCAFM16)},
};
} // namespace

BOOL CConfirmKindBar::OnObjectKind(UINT nID)
{
    if (IsCurrentPanel(IDD_CONFIRMKINDBAR))
        OpenForm(static_cast<int>(nID), PanelFormOf(forms, nID));
    return TRUE;
}

void CConfirmKindBar::OnBack()
{
    if (IsCurrentPanel(IDD_CONFIRMKINDBAR))
        GoBack();
}
