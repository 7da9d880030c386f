#include "editors/ZnDlgAppCMSetsubisha.h"

#include "res/CommonDataIds.h"

namespace {
const ZnCMEditorSpec spec = {"氏名", IDC_CD_SHIMEI, IDC_CD_SHIMEI, IDC_CD_LIST, "氏名", nullptr, 0, true};
using DAO = ZnAppSetsubishaTblDAO;
} // namespace

// Every field that the editor writes is carried by 他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ, the registration number included.
ZnDlgAppCMSetsubisha::ZnDlgAppCMSetsubisha()
    : ZnDlgAppCMTableEditor(IDD_CM_SETSUBISHA, spec,
                            {{IDC_CD_SHIMEI, &DAO::m_Shimei, ZnCMInputs::text60},
                             {IDC_CD_TOUROKU_BANGOU, &DAO::m_TourokuBangou, ZnCMInputs::text60},
                             {IDC_CD_KINMUSAKI, &DAO::m_Kinmusaki, ZnCMInputs::text60},
                             {IDC_CD_YUUBIN1, &DAO::m_YuubinBangou1, ZnCMInputs::postcode1},
                             {IDC_CD_YUUBIN2, &DAO::m_YuubinBangou2, ZnCMInputs::postcode2},
                             {IDC_CD_JUUSHO, &DAO::m_Shozaiti, ZnCMInputs::text80},
                             {IDC_CD_DENWA1, &DAO::m_DenwaBangou1, ZnCMInputs::phone1},
                             {IDC_CD_DENWA2, &DAO::m_DenwaBangou2, ZnCMInputs::phone4},
                             {IDC_CD_DENWA3, &DAO::m_DenwaBangou3, ZnCMInputs::phone4}},
                            &DAO::m_TodoufukenmeiBangou)
{
}
