#include "app/CObjectKindBar.h"

#include "res/MainFrameIds.h"

#define ON_KIND(id) ON_COMMAND_EX(id, OnObjectKind) ON_UPDATE_COMMAND_UI(id, OnUpdateEnable)

// Every kind button of every object-kind panel; each panel holds some of them.
BEGIN_MESSAGE_MAP(CObjectKindBar, CDialogBarBk)
ON_KIND(IDC_OBJ_BUILDING_NOTIF)
ON_KIND(IDC_OBJ_LIFT)
ON_KIND(IDC_OBJ_EQUIP)
ON_KIND(IDC_OBJ_STRUCT1)
ON_KIND(IDC_OBJ_STRUCT2)
ON_KIND(IDC_OBJ_STRLIFT)
ON_KIND(IDC_OBJ_BUILDING)
ON_KIND(IDC_OBJ_TEMPUSE_OFFICIAL)
ON_KIND(IDC_OBJ_DEMOLITION)
ON_KIND(IDC_OBJ_SAFETY)
ON_KIND(IDC_OBJ_TEMPUSE_AGENCY)
ON_BN_CLICKED(IDC_BACK, OnBack)
ON_UPDATE_COMMAND_UI(IDC_BACK, OnUpdateEnable)
END_MESSAGE_MAP()

BOOL CObjectKindBar::OnObjectKind(UINT nID)
{
    if (IsCurrentPanel(m_nPanel))
        OpenForm(static_cast<int>(nID), FormOf(nID));
    return TRUE;
}

void CObjectKindBar::OnBack()
{
    if (IsCurrentPanel(m_nPanel))
        GoBack();
}
