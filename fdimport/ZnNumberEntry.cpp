#include "fdimport/ZnNumberEntry.h"

#include "model/ZnModelApp.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/database/AfxDao.h"
#include "shell/ZnDocKindNames.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnDatabaseTemplate.h"
#include "storage/ZnShellState.h"

#include <cctype>
#include <cstdlib>

namespace {

const char kNoDocumentFile[] = "文書のファイルが読み込まれていないため、番号を保存できません。";

} // namespace

int ZnNumberEntry::DecimalValue(const CString& text)
{
    if (text.IsEmpty())
        return -1;
    for (int i = 0; i < text.GetLength(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return -1;
    return std::atoi(text);
}

ZnModelNum ZnNumberEntry::MakeNumber(const CString& text, const CString& eraName, int eraYear, int month, int day)
{
    int era = 0;
    ZnModelYearCode yearCode;
    yearCode.SetCode(ZnDocKindNames::EraNameToCode(eraName, &era));
    if (eraYear > 0)
        yearCode.SetEraYear(eraYear, era);
    ZnModelDate date;
    date.SetYearCode(yearCode);
    date.SetMonth(month > 0 ? month : 0);
    date.SetDay(day > 0 ? day : 0);
    ZnModelNum number;
    number.SetNumber(text);
    number.SetDate(date);
    return number;
}

CString ZnNumberEntry::RegisterPath()
{
    ZnShellState* shell = ZnShellState::Current();
    return shell->GetObjFolder() + shell->GetAppMDB()->GetAppBukkenMdb();
}

ZnModelAppLocalData* ZnNumberEntry::LocalData()
{
    auto* app = dynamic_cast<ZnModelApp*>(ZnShellState::Current()->GetModel(ZnShellState::appModelSlot));
    return app ? &app->m_header.m_localData : nullptr;
}

BOOL ZnNumberEntry::CanStore()
{
    if (!ZnDatabaseCanUpdate(RegisterPath())) {
        AfxMessageBox(DaoErrorDescription(daoErrReadOnly), MB_ICONERROR);
        return FALSE;
    }
    if (ZnShellState::Current()->GetDocumentFile().IsEmpty() || !LocalData()) {
        AfxMessageBox(kNoDocumentFile, MB_ICONERROR);
        return FALSE;
    }
    return TRUE;
}

BOOL ZnNumberEntry::SaveDocument()
{
    ZnShellState* shell = ZnShellState::Current();
    BOOL saved = shell->SaveDocument();
    shell->SetDataChanged(saved ? 0 : 1);
    return saved;
}

BOOL ZnNumberEntry::ChangeRow(int bukkenIndex, int shousaiIndex,
                              const std::function<bool(const ZnAppBukkenShousaiTblDAO&)>& fits,
                              const std::function<void(ZnAppBukkenShousaiTblDAO&)>& change)
{
    ZnAppBukkenShousaiTblDAO rows;
    rows.SetDBPath(RegisterPath());
    rows.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(bukkenIndex), 0);
    BOOL changed = FALSE;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        if (rows.m_BukkenShousaiIndex != shousaiIndex)
            continue;
        if (fits && !fits(rows))
            continue;
        rows.Edit();
        change(rows);
        rows.Update();
        changed = TRUE;
        break;
    }
    rows.Close();
    return changed;
}
