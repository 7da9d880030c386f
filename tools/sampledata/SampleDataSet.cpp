#include "tools/sampledata/SampleDataSet.h"

#include "platform/core/Cp932.h"
#include "platform/database/CDaoException.h"
#include "platform/files/WinPath.h"
#include "tools/sampledata/SampleCodeDatabases.h"
#include "tools/sampledata/SampleReferenceData.h"
#include "tools/sampledata/SampleRegister.h"

#include <filesystem>

namespace sampledata {

const char registerFolderName[] = "bukken";
const char referenceFolderName[] = "common";
const char codesFolderName[] = "codes";
const char exportFolderName[] = "export";

namespace {

// The databases of the set: a sub-folder and a file name each.
const struct {
    const char* subFolder;
    const char* fileName;
} kDatabases[] = {{registerFolderName, "APP_BUKKEN.mdb"},
                  {referenceFolderName, "APP_USER_REGIST.mdb"},
                  {codesFolderName, "COM_CODE.mdb"},
                  {codesFolderName, "COM_CHIIKI.mdb"}};

// Refuses a folder that holds a database of the set already, naming the first one found by its
// Linux path.
void RefuseAFolderWithASet(const std::string& folder)
{
    for (const auto& database : kDatabases) {
        std::string path = folder + "/" + database.subFolder + "/" + database.fileName;
        std::error_code unreadable; // a path that cannot be looked at is left to the database layer
        if (std::filesystem::exists(std::filesystem::symlink_status(path, unreadable)))
            ThrowDaoError(daoErrDatabaseExists, cp932::FromUtf8(path).c_str());
    }
}

// The sub-folder, created when missing, as a Linux path.
std::string SubFolder(const std::string& folder, const char* name)
{
    std::string path = folder + "/" + name;
    std::filesystem::create_directories(path);
    return path;
}

// A file of a sub-folder as the database layer names files.
std::string DatabasePath(const std::string& subFolder, const char* fileName)
{
    return LinuxPathToWin(subFolder + "/" + fileName);
}

} // namespace

void MakeSampleDataSet(const std::string& relativeFolder)
{
    // The register keeps its folder's full path (HozonDirectory).
    std::string folder = std::filesystem::absolute(relativeFolder).lexically_normal().string();
    RefuseAFolderWithASet(folder);
    MakeSampleRegister(SubFolder(folder, registerFolderName));
    std::string reference = SubFolder(folder, referenceFolderName);
    MakeSampleUserRegist(DatabasePath(reference, "APP_USER_REGIST.mdb"));
    std::string codes = SubFolder(folder, codesFolderName);
    MakeSampleComCode(DatabasePath(codes, "COM_CODE.mdb"));
    MakeSampleComChiiki(DatabasePath(codes, "COM_CHIIKI.mdb"));
    SubFolder(folder, exportFolderName);
}

} // namespace sampledata
