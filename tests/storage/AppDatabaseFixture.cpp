#include "tests/storage/AppDatabaseFixture.h"

#include "platform/Cp932.h"
#include "platform/WinPath.h"
#include "storage/AppDatabaseSchemas.h"

#include <sys/stat.h>

namespace {

AppDatabaseVariant SqliteVariant()
{
    return {"Sqlite", true, [](const std::string& path, const std::string& schema, const std::string& rows) {
                DaoCreateDatabase(path.c_str(), schema + testsupport::ReadFileBytes(testsupport::DataPath(rows)));
            }};
}

} // namespace

void PrintTo(const AppDatabaseVariant& variant, std::ostream* os) { *os << variant.name; }

std::vector<AppDatabaseVariant> AppDatabaseVariants() { return {SqliteVariant()}; }

void AppDatabaseSuite::SetUp()
{
    for (const char* folder : {"obj", "com", "app"})
        mkdir(m_folder.Path(folder).c_str(), 0777);
    Make(m_folder.Path("obj/APP_BUKKEN.mdb"), appBukkenSchema, "storage/AppBukkenRows.sql");
    Make(m_folder.Path("com/APP_USER_REGIST.mdb"), appUserRegistSchema, "storage/AppUserRegistRows.sql");
    Make(m_folder.Path("app/COM_CHIIKI.mdb"), comChiikiSchema, "storage/ComChiikiRows.sql");
    m_shell.objFolder = Windows(m_folder.Path("obj"));
    m_shell.comFolder = Windows(m_folder.Path("com"));
    m_shell.appFolder = Windows(m_folder.Path("app"));
}

CString AppDatabaseSuite::Windows(const std::string& linuxPath) { return CString(LinuxPathToWin(linuxPath)); }

std::string Field(int value) { return std::to_string(value); }

std::string Field(const CString& value) { return cp932::ToUtf8(value.Bytes()); }

std::string Field(const COleDateTime& value)
{
    if (value.GetStatus() == COleDateTime::null)
        return "null";
    CString text;
    text.Format("%04d-%02d-%02d %02d:%02d:%02d", value.GetYear(), value.GetMonth(), value.GetDay(), value.GetHour(),
                value.GetMinute(), value.GetSecond());
    return text.Bytes();
}
