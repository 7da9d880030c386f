#include "app/CInterimKindBar.h"

#include "app/ZnFvAppCAFM31.h"
#include "app/ZnFvAppCAFM32.h"
#include "res/MainFrameIds.h"

namespace {
const PanelForm forms[] = {
    {IDC_OBJ_BUILDING, RUNTIME_CLASS(ZnFvAppCAFM31)}, {IDC_OBJ_LIFT, RUNTIME_CLASS(ZnFvAppCAFM32)},
    {IDC_OBJ_EQUIP, RUNTIME_CLASS(ZnFvAppCAFM32)},    {IDC_OBJ_STRUCT1, RUNTIME_CLASS(ZnFvAppCAFM32)},
    {IDC_OBJ_STRLIFT, RUNTIME_CLASS(ZnFvAppCAFM32)},
};
} // namespace

CInterimKindBar::CInterimKindBar() : CObjectKindBar(IDD_INTERIMKINDBAR) {}

CRuntimeClass* CInterimKindBar::FormOf(UINT nID) const { return PanelFormOf(forms, nID); }
