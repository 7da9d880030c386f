#include "editors/ZnDlgAppCMTokuteiKoutei.h"

#include "res/CommonDataIds.h"

namespace {
const ZnCMEditorSpec spec = {
    "特定工程名", IDC_CD_TOKUTEIKOUTEI, IDC_CD_TOKUTEIKOUTEI, IDC_CD_TOKUTEIKOUTEI_LIST, "特定工程名", nullptr, 0,
    false};
} // namespace

ZnDlgAppCMTokuteiKoutei::ZnDlgAppCMTokuteiKoutei()
    : ZnDlgAppCMTableEditor(IDD_CM_TOKUTEIKOUTEI, spec,
                            {{IDC_CD_TOKUTEIKOUTEI, &ZnAppTokuteiKouteiTblDAO::m_KoumokuMei, ZnCMInputs::text80}})
{
}
