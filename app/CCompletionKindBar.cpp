#include "app/CCompletionKindBar.h"

#include "app/CMainFrame.h"
#include "app/ZnFvAppCAFM11.h"
#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAFM13.h"
#include "app/ZnFvAppCAFM14.h"
#include "app/ZnFvAppCAFM15.h"
#include "app/ZnFvAppCAFM16.h"
#include "app/ZnFvAppCAFM31.h"
#include "app/ZnFvAppCAFM32.h"
#include "res/MainFrameIds.h"

#define ON_KIND(id) ON_COMMAND_EX(id, OnObjectKind) ON_UPDATE_COMMAND_UI(id, OnUpdateEnable)

BEGIN_MESSAGE_MAP(CCompletionKindBar, CDialogBarBk)
ON_KIND(IDC_OBJ_BUILDING)
ON_KIND(IDC_OBJ_LIFT)
ON_KIND(IDC_OBJ_EQUIP)
ON_KIND(IDC_OBJ_STRUCT1)
ON_KIND(IDC_OBJ_STRLIFT)
ON_KIND(IDC_OBJ_STRUCT2)
ON_BN_CLICKED(IDC_BACK, OnBack)
ON_UPDATE_COMMAND_UI(IDC_BACK, OnUpdateEnable)
END_MESSAGE_MAP()

namespace {
// The completion inspection: buildings and Article 88(2) structures on one form, the rest on another.
const PanelForm completionForms[] = {
    {IDC_OBJ_BUILDING, RUNTIME_CLASS(ZnFvAppCAFM31)}, {IDC_OBJ_LIFT, RUNTIME_CLASS(ZnFvAppCAFM32)},
    {IDC_OBJ_EQUIP, RUNTIME_CLASS(ZnFvAppCAFM32)},    {IDC_OBJ_STRUCT1, RUNTIME_CLASS(ZnFvAppCAFM32)},
    {IDC_OBJ_STRLIFT, RUNTIME_CLASS(ZnFvAppCAFM32)},  {IDC_OBJ_STRUCT2, RUNTIME_CLASS(ZnFvAppCAFM31)},
};
// The plan change: the forms of the confirmation application.
const PanelForm planChangeForms[] = {
    {IDC_OBJ_BUILDING, RUNTIME_CLASS(ZnFvAppCAFM11)}, {IDC_OBJ_LIFT, RUNTIME_CLASS(ZnFvAppCAFM12)},
    {IDC_OBJ_EQUIP, RUNTIME_CLASS(ZnFvAppCAFM13)},    {IDC_OBJ_STRUCT1, RUNTIME_CLASS(ZnFvAppCAFM14)},
    {IDC_OBJ_STRLIFT, RUNTIME_CLASS(ZnFvAppCAFM15)},  {IDC_OBJ_STRUCT2, RUNTIME_CLASS(ZnFvAppCAFM16)},
};
} // namespace

BOOL CCompletionKindBar::OnObjectKind(UINT nID)
{
    if (!IsCurrentPanel(IDD_COMPLETIONKINDBAR))
        return TRUE;
    int docType = Frame()->GetDocType();
    CRuntimeClass* view = docType == IDC_DOC_COMPLETION   ? PanelFormOf(completionForms, nID)
                          : docType == IDC_DOC_PLANCHANGE ? PanelFormOf(planChangeForms, nID)
                                                          : nullptr;
    OpenForm(static_cast<int>(nID), view);
    return TRUE;
}

void CCompletionKindBar::OnBack()
{
    if (IsCurrentPanel(IDD_COMPLETIONKINDBAR))
        GoBack();
}
