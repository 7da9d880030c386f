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

bool CreateFromSchema(const CString& target, const char* schema, LPCTSTR failedText)
{
    try {
        DaoCreateDatabase(target, schema);
        return true;
    } catch (CDaoException* e) {
        AfxMessageBox(failedText ? CString(failedText)
                                 : "データベースを作成できませんでした。\n" + target + "\n" +
                                       e->m_pErrorInfo->m_strDescription,
                      MB_ICONSTOP);
        e->Delete();
        return false;
    }
}

} // namespace

bool ZnMakeDatabaseFromTemplate(const CString& appFolder, const CString& fileName, const CString& folder,
                                const char* schema, LPCTSTR failedText)
{
    CString target = folder + fileName;
    if (ZnPathExists(target))
        return true;
    CString templatePath = appFolder + fileName;
    if (!ZnPathExists(templatePath)) {
        AfxMessageBox("データベースの雛形がありません。\n" + templatePath, MB_ICONSTOP);
        return false;
    }
    if (!ZnDatabaseCanUpdate(templatePath))
        return CreateFromSchema(target, schema, failedText);
    // The copy is written under a temporary name and takes its name only when whole.
    if (!CopyFile(templatePath, target, TRUE)) {
        AfxMessageBox(failedText ? CString(failedText) : "データベースの雛形をコピーできませんでした。\n" + target,
                      MB_ICONSTOP);
        return false;
    }
    return true;
}
