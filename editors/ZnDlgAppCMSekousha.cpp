#include "editors/ZnDlgAppCMSekousha.h"

#include "res/CommonDataIds.h"
#include "storage/ZnAppComTblAccess.h"

namespace {
const ZnCMEditorSpec spec = {
    "氏名", IDC_CD_SEKKEISHA_SHIMEI, IDC_CD_SEKKEISHA_SHIMEI, IDC_CD_SEKKEISHA_LIST, "氏名", nullptr, 0, true};
using DAO = ZnAppSekoushaTblDAO;
} // namespace

ZnDlgAppCMSekousha::ZnDlgAppCMSekousha()
    : ZnDlgAppCMTableEditor(IDD_CM_SEKOUSHA, spec,
                            {{IDC_CD_SEKKEISHA_SHIMEI, &DAO::m_Shimei, ZnCMInputs::text60},
                             {IDC_CD_TOUROKU_BANGOU, &DAO::m_TourokuBangou, ZnCMInputs::text60},
                             {IDC_CD_MEISHOU, &DAO::m_Meishou, ZnCMInputs::text60},
                             {IDC_CD_YUUBIN1, &DAO::m_YuubinBangou1, ZnCMInputs::postcode1},
                             {IDC_CD_YUUBIN2, &DAO::m_YuubinBangou2, ZnCMInputs::postcode2},
                             {IDC_CD_JUUSHO, &DAO::m_Shozaiti, ZnCMInputs::text80},
                             {IDC_CD_DENWA1, &DAO::m_DenwaBangou1, ZnCMInputs::phone1},
                             {IDC_CD_DENWA2, &DAO::m_DenwaBangou2, ZnCMInputs::phone4},
                             {IDC_CD_DENWA3, &DAO::m_DenwaBangou3, ZnCMInputs::phone4}},
                            &DAO::m_TodoufukenmeiBangou,
                            {{{IDC_CD_KYOKA_SHUBETSU, ZnAppComTblAccess::slotKensetsugyouKyoka, true},
                              &DAO::m_KensetsugyouKyokaShubetsu}})
{
}
