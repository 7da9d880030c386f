#include "editors/ZnDlgAppCMGaiheki.h"

#include "res/CommonDataIds.h"

namespace {
const ZnCMEditorSpec spec = {
    "外壁・軒裏", IDC_CD_GAIHEKI, IDC_CD_GAIHEKI, IDC_CD_GAIHEKI_LIST, "外壁・軒裏", nullptr, 0, false};
} // namespace

ZnDlgAppCMGaiheki::ZnDlgAppCMGaiheki()
    : ZnDlgAppCMTableEditor(IDD_CM_GAIHEKI, spec,
                            {{IDC_CD_GAIHEKI, &ZnAppGaihekiTblDAO::m_KoumokuMei, ZnCMInputs::text80}})
{
}
