// set_folders --check: exit status 0 when the settings name an application folder (the value
//     ZnApp of the machine key), 1 when they do not.
// set_folders APP COM OBJ DST: stores the folder values ZnApp, ZnCom, ZnObj and ZnDst of the
//     machine key from four Linux folders, in the Windows form that the program reads; ZnOutput
//     keeps its stored value, or takes its default (the first drive present) when it has none.
#include "platform/files/WinPath.h"
#include "storage/ZnAppRegObject.h"
#include "tools/usage/ToolUsage.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

const char kUsage[] = "usage: set_folders --check | set_folders APP COM OBJ DST\n"
                      "--check: exit status 0 when the settings name an application folder, else 1.\n"
                      "APP COM OBJ DST: points the settings at the application, reference-data,\n"
                      "property-register and destination folders.\n";

int WriteFolders(char** folders)
{
    ZnAppRegObject settings(kAppPosSubKey, "ZnApp", "ZnCom", "ZnObj", "ZnDst", "ZnOutput");
    // A missing key reads as five empty values; the output folder then takes its default too.
    if (!settings.Read())
        settings.m_strValues[ZnAppRegObject::kOutputIndex] = ZnAppRegObject::DefaultOutputFolder();
    for (int i = 0; i < 4; ++i)
        settings.m_strValues[i] = LinuxPathToWin(std::filesystem::absolute(folders[i]).lexically_normal()).c_str();
    return settings.Write() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (int status = CheckToolArguments(argc, argv, kUsage, {"--check"}); status >= 0)
        return status;
    if (argc == 2 && std::strcmp(argv[1], "--check") == 0) {
        CString folder;
        return GetInstallPath(folder) && !folder.IsEmpty() ? 0 : 1;
    }
    if (argc != 5)
        return ShowWrongCall(kUsage);
    return RunReportingFailures(argv[0], [&] {
        if (WriteFolders(argv + 1) == 0)
            return 0;
        std::fprintf(stderr, "%s: the settings cannot be written\n", argv[0]);
        return 1;
    });
}
