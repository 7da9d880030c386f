#include "app/CConfirmKindBar.h"

#include "app/ZnFvAppCAFM11.h"
#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAFM13.h"
#include "app/ZnFvAppCAFM14.h"
#include "app/ZnFvAppCAFM15.h"
#include "app/ZnFvAppCAFM16.h"
#include "res/MainFrameIds.h"

namespace {
const PanelForm forms[] = {
    {IDC_OBJ_BUILDING_NOTIF, RUNTIME_CLASS(ZnFvAppCAFM11)}, {IDC_OBJ_LIFT, RUNTIME_CLASS(ZnFvAppCAFM12)},
    {IDC_OBJ_EQUIP, RUNTIME_CLASS(ZnFvAppCAFM13)},          {IDC_OBJ_STRUCT1, RUNTIME_CLASS(ZnFvAppCAFM14)},
    {IDC_OBJ_STRLIFT, RUNTIME_CLASS(ZnFvAppCAFM15)},        {IDC_OBJ_STRUCT2, RUNTIME_CLASS(ZnFvAppCAFM16)},
};
} // namespace

CConfirmKindBar::CConfirmKindBar() : CObjectKindBar(IDD_CONFIRMKINDBAR) {}

CRuntimeClass* CConfirmKindBar::FormOf(UINT nID) const { return PanelFormOf(forms, nID); }
