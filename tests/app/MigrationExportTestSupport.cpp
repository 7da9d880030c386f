#include "tests/app/MigrationExportTestSupport.h"

#include "platform/WinPath.h"
#include "writers/zip/ZipPacking.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <unzip.h>

namespace exporttest {

namespace {

void PutLittleEndian(std::string& out, unsigned long value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

std::string ArchiveEntries(const std::string& path)
{
    unzFile unzip = unzOpen64(path.c_str());
    if (!unzip)
        return "cannot open " + path;
    std::string out;
    for (int rc = unzGoToFirstFile(unzip); rc == UNZ_OK; rc = unzGoToNextFile(unzip)) {
        unz_file_info64 info;
        char name[1024];
        unzGetCurrentFileInfo64(unzip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        PutLittleEndian(out, info.size_filename, 2);
        out.append(name, info.size_filename);
        std::string data;
        char buffer[65536];
        int got = 0;
        if (unzOpenCurrentFile(unzip) == UNZ_OK) {
            while ((got = unzReadCurrentFile(unzip, buffer, sizeof buffer)) > 0)
                data.append(buffer, got);
            if (unzCloseCurrentFile(unzip) != UNZ_OK || got < 0)
                data += "<damaged>";
        }
        PutLittleEndian(out, data.size(), 4);
        out += data;
    }
    unzClose(unzip);
    return out;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

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

CString MigrationExportTest::Destination() const
{
    return LinuxPathToWin(destination_.Path()).c_str();
}

std::string MigrationExportTest::DestinationPath(const std::string& relative) const
{
    return relative.empty() ? destination_.Path() : destination_.Path() + "/" + relative;
}

} // namespace exporttest
