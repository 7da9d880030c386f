#include "tests/storage/AppDatabaseFixture.h"

#include "platform/database/DaoConnection.h"
#include "platform/files/WinPath.h"
#include "storage/AppDatabaseSchemas.h"
#include "tools/jetwriter/JetSqliteCopy.h"

#include <cstdio>
#include <stdexcept>
#include <sys/stat.h>

namespace {

void MakeSqliteFile(const std::string& path, const std::string& schema, const std::string& rows)
{
    DaoCreateDatabase(path.c_str(), schema + testsupport::ReadFileBytes(testsupport::DataPath(rows)));
}

// The saved queries that the views of the project's schemas stand for, as Access stores them.
JetQuery SavedQuery(const std::string& view)
{
    const std::string table = "AppChiikiShiteiTbl";
    auto column = [&](const char* name) { return "[" + table + "].[" + name + "]"; };
    if (view == "AppChiikiShiteiQ2Tbl")
        return JetQuery::Select(view, table, {column("ShokiSentakuFlg"), column("ChiikiMei"), column("ChiikiBangou")},
                                "(" + column("ChiikiRenban") + "=1)", {{column("ChiikiBangou"), false}});
    if (view == "AppTodoufukenQTbl")
        return JetQuery::Select(view, table,
                                {column("Todoufuken"), column("TodoufukenBangou"), column("ShokiSentakuFlg"),
                                 column("ChiikiBangou"), column("ChiikiRenban")},
                                "", {{column("TodoufukenBangou"), false}});
    throw std::runtime_error("no saved query for the view " + view);
}

} // namespace

void CopyToJetFile(const std::string& sqlitePath, const std::string& jetPath, JetVersion version)
{
    JetDatabase database(version);
    AddSqliteTables(database, sqlitePath);
    std::shared_ptr<DaoConnection> connection = DaoConnection::OpenFile(sqlitePath.c_str(), true);
    for (const auto& view : connection->Query("SELECT name FROM sqlite_master WHERE type = 'view'").rows)
        database.AddQuery(SavedQuery(view[0].bytes));
    connection.reset();
    WriteJetFile(database, jetPath);
}

void PrintTo(const AppDatabaseVariant& variant, std::ostream* os) { *os << variant.name; }

std::vector<AppDatabaseVariant> AppDatabaseVariants()
{
    AppDatabaseVariant jet4{"Jet4", false, nullptr};
    jet4.make = [jet4](const std::string& path, const std::string& schema, const std::string& rows) {
        MakeLike(jet4, path, [&](const std::string& sqlite) { MakeSqliteFile(sqlite, schema, rows); });
    };
    return {{"Sqlite", true, MakeSqliteFile}, jet4};
}

void MakeLike(const AppDatabaseVariant& variant, const std::string& path,
              const std::function<void(const std::string&)>& makeSqlite)
{
    if (variant.writable)
        return makeSqlite(path);
    std::string source = path + ".source";
    makeSqlite(source);
    CopyToJetFile(source, path, JetVersion::Jet4);
    std::remove(source.c_str());
}

void AppDatabaseSuite::SetUp()
{
    for (const auto& [folder, file, schema, rows] :
         {std::tuple{"obj", "/APP_BUKKEN.mdb", appBukkenSchema, "AppBukkenRows.sql"},
          std::tuple{"com", "/APP_USER_REGIST.mdb", appUserRegistSchema, "AppUserRegistRows.sql"},
          std::tuple{"app", "/COM_CHIIKI.mdb", comChiikiSchema, "ComChiikiRows.sql"}}) {
        mkdir(m_folder.Path(folder).c_str(), 0777);
        Make(m_folder.Path(folder) + file, schema, std::string("storage/") + rows);
    }
    m_shell.objFolder = Windows(m_folder.Path("obj"));
    m_shell.comFolder = Windows(m_folder.Path("com"));
    m_shell.appFolder = Windows(m_folder.Path("app"));
}

CString AppDatabaseSuite::Windows(const std::string& linuxPath) { return CString(LinuxPathToWin(linuxPath)); }
