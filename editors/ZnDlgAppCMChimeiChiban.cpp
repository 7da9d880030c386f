#include "editors/ZnDlgAppCMChimeiChiban.h"

#include "res/CommonDataIds.h"

namespace {
const ZnCMEditorSpec spec = {"住所", IDC_CD_JUUSHO, IDC_CD_JUUSHO, IDC_CD_LIST, "住所", nullptr, 0, true};
} // namespace

ZnDlgAppCMChimeiChiban::ZnDlgAppCMChimeiChiban()
    : ZnDlgAppCMTableEditor(IDD_CM_CHIMEICHIBAN, spec,
                            {{IDC_CD_YUUBIN1, &ZnAppChimeiChibanTblDAO::m_YuubinBangou1, ZnCMInputs::postcode1},
                             {IDC_CD_YUUBIN2, &ZnAppChimeiChibanTblDAO::m_YuubinBangou2, ZnCMInputs::postcode2},
                             {IDC_CD_JUUSHO, &ZnAppChimeiChibanTblDAO::m_Juusho, ZnCMInputs::text80}},
                            &ZnAppChimeiChibanTblDAO::m_TodoufukenmeiBangou)
{
}
