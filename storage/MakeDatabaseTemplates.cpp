// make_database_templates FOLDER: writes the empty APP_BUKKEN.mdb and APP_USER_REGIST.mdb, made
// from the project's schemas, into the application folder, replacing the ones there.
#include "platform/database/AfxDao.h"
#include "platform/files/WinPath.h"
#include "storage/AppDatabaseSchemas.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    const std::pair<const char*, const char*> templates[] = {{"APP_BUKKEN.mdb", appBukkenSchema},
                                                             {"APP_USER_REGIST.mdb", appUserRegistSchema}};
    for (const auto& [name, schema] : templates) {
        std::string path = folder + "/" + name;
        std::remove(path.c_str());
        try {
            DaoCreateDatabase(CString(LinuxPathToWin(path)), schema);
        } catch (CDaoException* e) {
            std::fprintf(stderr, "%s: %s: error %ld\n", argv[0], path.c_str(),
                         static_cast<long>(e->m_pErrorInfo->m_lErrorCode));
            e->Delete();
            return 1;
        }
    }
    return 0;
}
