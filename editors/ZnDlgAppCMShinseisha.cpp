#include "editors/ZnDlgAppCMShinseisha.h"

#include "res/CommonDataIds.h"

namespace {
const ZnCMEditorSpec spec = {"氏名", IDC_CD_SHIMEI, IDC_CD_FURIGANA, IDC_CD_LIST,
                             "氏名", "フリガナ",    IDC_CD_FURIGANA, false};
} // namespace

ZnDlgAppCMShinseisha::ZnDlgAppCMShinseisha()
    : ZnDlgAppCMTableEditor(IDD_CM_SHINSEISHA, spec,
                            {{IDC_CD_FURIGANA, &ZnAppShinseishaTblDAO::m_Furigana, ZnCMInputs::furigana120},
                             {IDC_CD_SHIMEI, &ZnAppShinseishaTblDAO::m_Shimei, ZnCMInputs::name120}})
{
}
