#include "app/COtherFormsBar.h"

#include "app/ZnFvAppCAFM51.h"
#include "app/ZnFvAppCAFM52.h"
#include "app/ZnFvAppCAFM53.h"
#include "app/ZnFvAppCAFM54.h"
#include "app/ZnFvAppCAFM55.h"
#include "res/MainFrameIds.h"

#define ON_KIND(id) ON_COMMAND_EX(id, OnObjectKind) ON_UPDATE_COMMAND_UI(id, OnUpdateEnable)

BEGIN_MESSAGE_MAP(COtherFormsBar, CDialogBarBk)
ON_KIND(IDC_OBJ_TEMPUSE_AGENCY)
ON_KIND(IDC_OBJ_TEMPUSE_OFFICIAL)
ON_KIND(IDC_OBJ_BUILDING_NOTIF)
ON_KIND(IDC_OBJ_DEMOLITION)
ON_KIND(IDC_OBJ_SAFETY)
ON_BN_CLICKED(IDC_BACK, OnBack)
ON_UPDATE_COMMAND_UI(IDC_BACK, OnUpdateEnable)
END_MESSAGE_MAP()

namespace {
const PanelForm forms[] = {
    {IDC_OBJ_TEMPUSE_AGENCY, RUNTIME_CLASS(ZnFvAppCAFM51)}, {IDC_OBJ_TEMPUSE_OFFICIAL, RUNTIME_CLASS(ZnFvAppCAFM52)},
    {IDC_OBJ_BUILDING_NOTIF, RUNTIME_CLASS(ZnFvAppCAFM53)}, {IDC_OBJ_DEMOLITION, RUNTIME_CLASS(ZnFvAppCAFM54)},
    {IDC_OBJ_SAFETY, RUNTIME_CLASS(ZnFvAppCAFM55)},
};
} // namespace

BOOL COtherFormsBar::OnObjectKind(UINT nID)
{
    if (IsCurrentPanel(IDD_OTHERFORMSBAR))
        OpenForm(static_cast<int>(nID), PanelFormOf(forms, nID));
    return TRUE;
}

void COtherFormsBar::OnBack()
{
    if (IsCurrentPanel(IDD_OTHERFORMSBAR))
        GoBack();
}
