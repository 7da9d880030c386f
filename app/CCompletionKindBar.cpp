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

CCompletionKindBar::CCompletionKindBar() : CObjectKindBar(IDD_COMPLETIONKINDBAR) {}

CRuntimeClass* CCompletionKindBar::FormOf(UINT nID) const
{
    switch (ZnGetMainFrame()->GetDocType()) {
    case IDC_DOC_COMPLETION:
        return PanelFormOf(completionForms, nID);
    case IDC_DOC_PLANCHANGE:
        return PanelFormOf(planChangeForms, nID);
    default:
        return nullptr;
    }
}
