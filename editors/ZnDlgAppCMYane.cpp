#include "editors/ZnDlgAppCMYane.h"

#include "res/CommonDataIds.h"

namespace {
const ZnCMEditorSpec spec = {"屋根", IDC_CD_YANE, IDC_CD_YANE, IDC_CD_YANE_LIST, "屋根", nullptr, 0, false};
} // namespace

ZnDlgAppCMYane::ZnDlgAppCMYane()
    : ZnDlgAppCMTableEditor(IDD_CM_YANE, spec, {{IDC_CD_YANE, &ZnAppYaneTblDAO::m_KoumokuMei, ZnCMInputs::text80}})
{
}
