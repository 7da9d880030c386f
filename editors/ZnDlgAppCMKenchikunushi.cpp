#include "editors/ZnDlgAppCMKenchikunushi.h"

#include "res/CommonDataIds.h"

namespace {
const ZnCMEditorSpec spec = {"氏名・官庁名", IDC_CD_SHIMEI, IDC_CD_FURIGANA, IDC_CD_LIST,
                             "氏名・官庁名", "フリガナ",    IDC_CD_FURIGANA, true};
} // namespace

ZnDlgAppCMKenchikunushi::ZnDlgAppCMKenchikunushi()
    : ZnDlgAppCMTableEditor(IDD_CM_KENCHIKUNUSHI, spec,
                            {{IDC_CD_FURIGANA, &ZnAppKenchikunushiTblDAO::m_Furigana, ZnCMInputs::furigana120},
                             {IDC_CD_SHIMEI, &ZnAppKenchikunushiTblDAO::m_Shimei, ZnCMInputs::name120},
                             {IDC_CD_YUUBIN1, &ZnAppKenchikunushiTblDAO::m_YuubinBangou1, ZnCMInputs::postcode1},
                             {IDC_CD_YUUBIN2, &ZnAppKenchikunushiTblDAO::m_YuubinBangou2, ZnCMInputs::postcode2},
                             {IDC_CD_JUUSHO, &ZnAppKenchikunushiTblDAO::m_Juusho, ZnCMInputs::text80},
                             {IDC_CD_DENWA1, &ZnAppKenchikunushiTblDAO::m_DenwaBangou1, ZnCMInputs::phone1},
                             {IDC_CD_DENWA2, &ZnAppKenchikunushiTblDAO::m_DenwaBangou2, ZnCMInputs::phone4},
                             {IDC_CD_DENWA3, &ZnAppKenchikunushiTblDAO::m_DenwaBangou3, ZnCMInputs::phone4}},
                            &ZnAppKenchikunushiTblDAO::m_TodoufukenmeiBangou)
{
}
