#include "tests/app/MigrationExportTestSupport.h"

#include "platform/files/WinPath.h"
#include "writers/zip/ZipPacking.h"

#include <algorithm>
#include <filesystem>
#include <regex>

namespace exporttest {

bool IsStampedName(const std::string& name, const std::string& prefix, const std::string& suffix,
                   const std::string& before, const std::string& after)
{
    if (name.size() != prefix.size() + 14 + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    std::string stamp = name.substr(prefix.size(), 14);
    return std::regex_match(stamp, std::regex("[0-9]{14}")) && before <= stamp && stamp <= after;
}

DWORD ScriptedDriveExport::LookForEntries(const CString& pattern) const
{
    if (driveErrors.empty())
        return ZnMigrationExport::LookForEntries(pattern);
    DWORD error = driveErrors.front();
    driveErrors.pop_front();
    return error;
}

void MigrationExportTest::LoadRealZipLibrary()
{
    ziptest::SetInstallPath(LinuxPathToWin(ziptest::AppFolder()).c_str());
    ASSERT_EQ(1, LoadZipLibrary());
}

CString MigrationExportTest::Destination() const { return LinuxPathToWin(destination_.Path()).c_str(); }

std::string MigrationExportTest::DestinationPath(const std::string& relative) const
{
    return relative.empty() ? destination_.Path() : destination_.Path() + "/" + relative;
}

} // namespace exporttest
