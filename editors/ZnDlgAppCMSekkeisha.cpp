#include "editors/ZnDlgAppCMSekkeisha.h"

#include "res/CommonDataIds.h"
#include "storage/ZnAppComTblAccess.h"

namespace {
const ZnCMEditorSpec spec = {
    "氏名", IDC_CD_SEKKEISHA_SHIMEI, IDC_CD_SEKKEISHA_SHIMEI, IDC_CD_SEKKEISHA_LIST, "氏名", nullptr, 0, true};
using DAO = ZnAppSekkeishaTblDAO;
using Access = ZnAppComTblAccess;
} // namespace

ZnDlgAppCMSekkeisha::ZnDlgAppCMSekkeisha()
    : ZnDlgAppCMTableEditor(
          IDD_CM_SEKKEISHA, spec,
          {{IDC_CD_KENCHIKUSHI_BANGOU, &DAO::m_KenchikushiTourokuBangou, ZnCMInputs::text60},
           {IDC_CD_SEKKEISHA_SHIMEI, &DAO::m_Shimei, ZnCMInputs::text60},
           {IDC_CD_JIMUSHO_BANGOU, &DAO::m_JImushoTourokuBangou, ZnCMInputs::text60},
           {IDC_CD_MEISHOU, &DAO::m_Meishou, ZnCMInputs::text60},
           {IDC_CD_YUUBIN1, &DAO::m_YuubinBangou1, ZnCMInputs::postcode1},
           {IDC_CD_YUUBIN2, &DAO::m_YuubinBangou2, ZnCMInputs::postcode2},
           {IDC_CD_JUUSHO, &DAO::m_Shozaoti, ZnCMInputs::text80},
           {IDC_CD_DENWA1, &DAO::m_DenwaBangou1, ZnCMInputs::phone1},
           {IDC_CD_DENWA2, &DAO::m_DenwaBangou2, ZnCMInputs::phone4},
           {IDC_CD_DENWA3, &DAO::m_DenwaBangou3, ZnCMInputs::phone4}},
          &DAO::m_TodoufukenmeiBangou,
          {{{IDC_CD_KENCHIKUSHI_SHIKAKU, Access::slotKenchikushiShikaku, false}, &DAO::m_KenchikushiShikaku},
           {{IDC_CD_KENCHIKUSHI_SHUBETSU, Access::slotKenchikushiTourokuShubetsu, true},
            &DAO::m_SekkeishaTourokuShubetsu},
           {{IDC_CD_JIMUSHO_SHIKAKU, Access::slotJimushoShikaku, false}, &DAO::m_JimushoShikaku},
           {{IDC_CD_JIMUSHO_SHUBETSU, Access::slotJimushoTourokuShubetsu, true}, &DAO::m_JimushoTourokuShubetsu}})
{
}
