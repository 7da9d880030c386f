#include "app/COtherFormsBar.h"

#include "app/ZnFvAppCAFM51.h"
#include "app/ZnFvAppCAFM52.h"
#include "app/ZnFvAppCAFM53.h"
#include "app/ZnFvAppCAFM54.h"
#include "app/ZnFvAppCAFM55.h"
#include "res/MainFrameIds.h"

namespace {
const PanelForm forms[] = {
    {IDC_OBJ_TEMPUSE_AGENCY, RUNTIME_CLASS(ZnFvAppCAFM51)}, {IDC_OBJ_TEMPUSE_OFFICIAL, RUNTIME_CLASS(ZnFvAppCAFM52)},
    {IDC_OBJ_BUILDING_NOTIF, RUNTIME_CLASS(ZnFvAppCAFM53)}, {IDC_OBJ_DEMOLITION, RUNTIME_CLASS(ZnFvAppCAFM54)},
    {IDC_OBJ_SAFETY, RUNTIME_CLASS(ZnFvAppCAFM55)},
};
} // namespace

COtherFormsBar::COtherFormsBar() : CObjectKindBar(IDD_OTHERFORMSBAR) {}

CRuntimeClass* COtherFormsBar::FormOf(UINT nID) const { return PanelFormOf(forms, nID); }
