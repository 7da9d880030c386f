// make_database_templates FOLDER: writes the empty APP_BUKKEN.mdb and APP_USER_REGIST.mdb, made
// from the project's schemas, into the application folder, replacing the ones there.
#include "platform/database/AfxDao.h"
#include "platform/files/WinPath.h"
#include "storage/AppDatabaseSchemas.h"
#include "tools/usage/ToolCall.h"

#include <cstdio>

namespace {

const char kUsage[] = "usage: make_database_templates FOLDER\n"
                      "Writes the empty APP_BUKKEN.mdb and APP_USER_REGIST.mdb, made from the schemas, into the\n"
                      "application folder FOLDER, replacing the ones there.\n";

int WriteTemplates(const char* program, const std::string& folder)
{
    const std::pair<const char*, const char*> templates[] = {{"APP_BUKKEN.mdb", appBukkenSchema},
                                                             {"APP_USER_REGIST.mdb", appUserRegistSchema}};
    for (const auto& [name, schema] : templates) {
        std::string path = folder + "/" + name;
        std::remove(path.c_str());
        try {
            DaoCreateDatabase(CString(LinuxPathToWin(path)), schema);
        } catch (CDaoException* e) {
            std::fprintf(stderr, "%s: %s: error %ld\n", program, path.c_str(),
                         static_cast<long>(e->m_pErrorInfo->m_lErrorCode));
            e->Delete();
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return ToolCall::Run(argc, argv, kUsage, 1,
                         [&](const ToolCall& call) { return WriteTemplates(argv[0], call.Text(0, nullptr)); });
}
