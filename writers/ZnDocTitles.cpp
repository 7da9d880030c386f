#include "writers/ZnDocTitles.h"

#include "model/ZnModelApp.h"
#include "model/ZnModelAppTempUseConf.h"
#include "storage/ZnShellState.h"

#include <cstdlib>

namespace {

const int notificationMode = 32787;
const int applicationMode = 32786;

// The procedures in the order of the document-kind codes (100000 + 100 x procedure + object
// kind), with the document type that selects each and its titles.
struct Procedure {
    int docType;
    LPCTSTR applicationTitle;
    LPCTSTR notificationTitle;
};

const Procedure procedures[] = {
    {1000, "確認申請書", "計画通知書"},
    {1002, "中間検査申請書", "特定工程工事終了通知書"},
    {1005, "完了検査申請書", "工事完了通知書"},
    {1008, "計画変更確認申請書", "計画変更通知書"},
};
const int procedureCount = sizeof(procedures) / sizeof(procedures[0]);

// The procedure of a document type, or -1.
int ProcedureOfDocType(int docType)
{
    for (int i = 0; i < procedureCount; ++i) {
        if (procedures[i].docType == docType)
            return i;
    }
    return -1;
}

const LPCTSTR objectKindNames[] = {
    "_建築物_",
    "_昇降機_",
    "_昇降機以外の建築設備_",
    "_工作物（法第88条1項）_",
    "_工作物の昇降機_",
    "_工作物（法第88条2項）_",
};

// The value of one character read as a number: a digit's value, 0 for any other character.
int DigitValue(TCHAR ch) { return ch >= '0' && ch <= '9' ? ch - '0' : 0; }

int CurrentDocMode() { return ZnShellState::Current()->GetDocMode(0); }

} // namespace

CString ZnDocTitles::GetDocTypeTitle()
{
    int procedure = ProcedureOfDocType(ZnShellState::Current()->GetDocType());
    if (procedure < 0)
        return CString();
    const Procedure& titles = procedures[procedure];
    return CurrentDocMode() == notificationMode ? titles.notificationTitle : titles.applicationTitle;
}

CString ZnDocTitles::GetObjectKindName(int objectNo)
{
    return objectNo >= 1 && objectNo <= 6 ? CString(objectKindNames[objectNo - 1]) : CString();
}

CString ZnDocTitles::GetDocTitle(int objectNo) { return GetDocTypeTitle() + GetObjectKindName(objectNo); }

int ZnDocTitles::GetDocKindCode(int objectNo)
{
    int procedure = ProcedureOfDocType(ZnShellState::Current()->GetDocType());
    return 100000 + 100 * (procedure < 0 ? 0 : procedure) + objectNo;
}

CString ZnDocTitles::GetDocTitleFromCode(const CString& code)
{
    // Only the codes 100000 + 100 x procedure + object kind carry a procedure in their fourth
    // digit; any other text (the proxy letter's 300001, a text too short) goes to the name table.
    int procedure = code.GetLength() >= 4 && code.Left(3) == "100" ? DigitValue(code[3]) : -1;
    if (procedure < 0 || procedure >= procedureCount)
        return ZnShellState::Current()->DocKindName(atoi(code), CurrentDocMode(), 1);
    const Procedure& titles = procedures[procedure];
    CString title = CurrentDocMode() == applicationMode ? titles.applicationTitle : titles.notificationTitle;
    return title + GetObjectKindName(DigitValue(code[code.GetLength() - 1]));
}

int ZnDocTitles::SetTempUseDocKindCode(const ZnModelAppTempUseConf* tempUse)
{
    // By form digit: the code for the designated administrative agency (object kind 1028) and
    // for the building official (1024). Digits 3 and 4 take the codes ending in 5 and 4.
    static const int codes[][2] = {
        {100401, 100411}, {100402, 100412}, {100403, 100413}, {100405, 100415}, {100404, 100414}, {100406, 100416},
    };
    ZnShellState* shell = ZnShellState::Current();
    int objKind = shell->GetObjKind();
    int column = objKind == 1028 ? 0 : (objKind == 1024 ? 1 : -1);
    if (!tempUse || column < 0 || tempUse->m_formDigit < 0 || tempUse->m_formDigit > 5)
        return 0;
    ZnModelApp* app = dynamic_cast<ZnModelApp*>(shell->GetModel(ZnShellState::appModelSlot));
    if (!app)
        return 0;
    CString code;
    code.Format("%d", codes[tempUse->m_formDigit][column]);
    app->m_header.m_localData.m_documentKind.SetCode(code);
    return 1;
}
