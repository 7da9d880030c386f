#include "storage/PatchUserRegistMdb.h"

#include "platform/core/AfxMessageBox.h"

#include <functional>

namespace {

const char kTable[] = "AppSetsubishaTbl";
const char kField[] = "TourokuBangou";

// The column the patch adds: a variable-length text of 60 characters that may be empty.
CDaoFieldInfo RegistrationNumberField()
{
    CDaoFieldInfo info;
    info.m_strName = kField;
    info.m_nType = dbText;
    info.m_lSize = 60;
    info.m_lAttributes = dbVariableField;
    info.m_nOrdinalPosition = 0;
    info.m_bRequired = FALSE;
    info.m_bAllowZeroLength = TRUE;
    info.m_lCollatingOrder = 0;
    return info;
}

// Runs one step of the table-definition helpers: true when it succeeded; otherwise false after a
// message, daoText followed by the description for a database error, memoryText for a memory one.
bool RunReported(const std::function<void()>& step, const char* daoText, const char* memoryText)
{
    try {
        step();
        return true;
    } catch (CDaoException* e) {
        AfxMessageBox(CString(daoText) + e->m_pErrorInfo->m_strDescription);
        e->Delete();
    } catch (CMemoryException* e) {
        AfxMessageBox(memoryText);
        e->Delete();
    }
    return false;
}

} // namespace

int PatchUserRegistMdb(CString path)
{
    if (path.IsEmpty())
        return -1;
    CDaoDatabase* database = nullptr;
    OpenMdb(&database, path, 1);
    if (!database)
        return -1;
    CDaoTableDef* tableDef = nullptr;
    if (!OpenTableDef(database, &tableDef, kTable)) {
        CloseMdb(&database);
        return -1;
    }
    int result = 0;
    if (!FieldExists(tableDef, kField)) {
        CDaoFieldInfo info = RegistrationNumberField();
        result = CreateFieldChecked(tableDef, info) ? 1 : -1;
    }
    CloseTableDef(&tableDef);
    CloseMdb(&database);
    return result;
}

int OpenMdb(CDaoDatabase** database, CString path, int reportMissing)
{
    CloseMdb(database);
    *database = new CDaoDatabase;
    try {
        (*database)->Open(path, FALSE, FALSE, "");
        return 1;
    } catch (CDaoException* e) {
        bool missing = e->m_pErrorInfo->m_lErrorCode == daoErrFileNotFound;
        if (!missing || reportMissing)
            AfxMessageBox(CString("MDBのオープンに失敗しました。\n") + e->m_pErrorInfo->m_strDescription);
        e->Delete();
        CloseMdb(database);
        return missing ? 0 : -1;
    } catch (CMemoryException* e) {
        AfxMessageBox("MDBのオープンに失敗しました。「Memory exception thrown.」");
        e->Delete();
        CloseMdb(database);
        return -1;
    }
}

int OpenTableDef(CDaoDatabase* database, CDaoTableDef** tableDef, CString name)
{
    CloseTableDef(tableDef);
    if (!database)
        return 0;
    *tableDef = new CDaoTableDef(database);
    if (RunReported([&] { (*tableDef)->Open(name); },
                    "Couldn't open tabledef--Exception: ", "Failed to open tabledef--Memory exception thrown."))
        return 1;
    CloseTableDef(tableDef);
    return 0;
}

int FieldExists(CDaoTableDef* tableDef, CString name)
{
    if (!tableDef)
        return 0;
    try {
        CDaoFieldInfo info;
        tableDef->GetFieldInfo(name, info, AFX_DAO_PRIMARY_INFO);
        return 1;
    } catch (CDaoException* e) {
        // Only "item not found" means missing; after any other failure the column is taken as
        // present, so that nothing is added to a table that could not be read.
        bool missing = e->m_pErrorInfo->m_lErrorCode == daoErrItemNotFound;
        e->Delete();
        return missing ? 0 : 1;
    } catch (CMemoryException* e) {
        e->Delete();
        return 1;
    }
}

int CreateFieldChecked(CDaoTableDef* tableDef, CDaoFieldInfo& info)
{
    if (!tableDef)
        return 0;
    if (FieldExists(tableDef, info.m_strName)) {
        AfxMessageBox("A field by that name already exists.");
        return 0;
    }
    return RunReported([&] { tableDef->CreateField(info); },
                       "Couldn't create field--Exception: ", "Failed to create field--Memory exception thrown.")
               ? 1
               : 0;
}

void CloseMdb(CDaoDatabase** database)
{
    if (!*database)
        return;
    if ((*database)->IsOpen())
        (*database)->Close();
    delete *database;
    *database = nullptr;
}

void CloseTableDef(CDaoTableDef** tableDef)
{
    if (!*tableDef)
        return;
    if ((*tableDef)->IsOpen())
        (*tableDef)->Close();
    delete *tableDef;
    *tableDef = nullptr;
}
