#include "storage/ZnDatabaseTemplate.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/database/AfxDao.h"
#include "platform/files/CFileFind.h"
#include "platform/files/WinFileApi.h"

bool ZnPathExists(const CString& path)
{
    CFileFind finder;
    BOOL exists = finder.FindFile(path);
    finder.Close();
    return exists != FALSE;
}

bool ZnDatabaseCanUpdate(const CString& path)
{
    try {
        CDaoDatabase database;
        database.Open(path, FALSE, FALSE, "");
        bool canUpdate = database.CanUpdate() != FALSE;
        database.Close();
        return canUpdate;
    } catch (CDaoException* e) {
        e->Delete();
        return false;
    }
}

namespace {

bool CreateFromSchema(const CString& target, const char* schema, CString* error)
{
    try {
        DaoCreateDatabase(target, schema);
        return true;
    } catch (CDaoException* e) {
        if (error)
            *error = e->m_pErrorInfo->m_strDescription;
        e->Delete();
        return false;
    }
}

} // namespace

ZnTemplateOutcome ZnPrepareDatabaseFromTemplate(const CString& appFolder, const CString& fileName,
                                                const CString& folder, const char* schema, CString* error)
{
    CString target = folder + fileName;
    if (ZnPathExists(target))
        return ZnTemplateOutcome::ready;
    CString templatePath = appFolder + fileName;
    if (!ZnPathExists(templatePath))
        return ZnTemplateOutcome::templateMissing;
    if (!ZnDatabaseCanUpdate(templatePath))
        return CreateFromSchema(target, schema, error) ? ZnTemplateOutcome::ready : ZnTemplateOutcome::createFailed;
    // The copy is written under a temporary name and takes its name only when whole.
    return CopyFile(templatePath, target, TRUE) ? ZnTemplateOutcome::ready : ZnTemplateOutcome::copyFailed;
}

bool ZnMakeDatabaseFromTemplate(const CString& appFolder, const CString& fileName, const CString& folder,
                                const char* schema)
{
    CString error;
    switch (ZnPrepareDatabaseFromTemplate(appFolder, fileName, folder, schema, &error)) {
    case ZnTemplateOutcome::ready:
        return true;
    case ZnTemplateOutcome::templateMissing:
        AfxMessageBox("データベースの雛形がありません。\n" + appFolder + fileName, MB_ICONSTOP);
        return false;
    case ZnTemplateOutcome::createFailed:
        AfxMessageBox("データベースを作成できませんでした。\n" + folder + fileName + "\n" + error, MB_ICONSTOP);
        return false;
    case ZnTemplateOutcome::copyFailed:
        break;
    }
    AfxMessageBox("データベースの雛形をコピーできませんでした。\n" + folder + fileName, MB_ICONSTOP);
    return false;
}
