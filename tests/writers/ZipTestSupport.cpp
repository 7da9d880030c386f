#include "tests/writers/ZipTestSupport.h"

#include "platform/files/WinPath.h"
#include "writers/zip/ZipPacking.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unzip.h>

namespace fs = std::filesystem;

namespace ziptest {

namespace {

std::string installPath;
bool installPathReadable = false;

BOOL ReadInstallPath(CString& path)
{
    if (!installPathReadable)
        return FALSE;
    path = installPath.c_str();
    return TRUE;
}

void PutLittleEndian(std::string& out, unsigned long value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::map<std::string, std::string> Snapshot(const std::string& root)
{
    std::map<std::string, std::string> items;
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(root)) {
        std::string relative = fs::relative(item.path(), root).string();
        items[relative] = item.is_directory() ? "<folder>" : ReadBytes(item.path().string());
    }
    return items;
}

void SetTimes(const std::string& root, std::tm local)
{
    local.tm_isdst = -1;
    struct timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(root))
        utimensat(AT_FDCWD, item.path().c_str(), times, AT_SYMLINK_NOFOLLOW);
    utimensat(AT_FDCWD, root.c_str(), times, 0);
}

namespace {

// Calls visit with each entry's header, raw name and data, in archive order; false when the
// archive cannot be opened.
bool VisitEntries(const std::string& path,
                  const std::function<void(const unz_file_info64&, const std::string&, const std::string&)>& visit)
{
    unzFile unzip = unzOpen64(path.c_str());
    if (!unzip)
        return false;
    for (int rc = unzGoToFirstFile(unzip); rc == UNZ_OK; rc = unzGoToNextFile(unzip)) {
        unz_file_info64 info;
        char name[1024];
        unzGetCurrentFileInfo64(unzip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        std::string data;
        char buffer[65536];
        int got = 0;
        if (unzOpenCurrentFile(unzip) == UNZ_OK) {
            while ((got = unzReadCurrentFile(unzip, buffer, sizeof buffer)) > 0)
                data.append(buffer, got);
            if (unzCloseCurrentFile(unzip) != UNZ_OK || got < 0)
                data += "<damaged>";
        }
        visit(info, std::string(name, info.size_filename), data);
    }
    unzClose(unzip);
    return true;
}

} // namespace

std::string ArchiveListing(const std::string& path)
{
    std::string out;
    bool opened = VisitEntries(path, [&](const unz_file_info64& info, const std::string& name, const std::string& data) {
        PutLittleEndian(out, info.version, 2);
        PutLittleEndian(out, info.version_needed, 2);
        PutLittleEndian(out, info.flag, 2);
        PutLittleEndian(out, info.compression_method, 2);
        PutLittleEndian(out, info.dosDate, 4);
        PutLittleEndian(out, info.internal_fa, 2);
        PutLittleEndian(out, info.external_fa, 4);
        PutLittleEndian(out, name.size(), 2);
        out += name;
        PutLittleEndian(out, data.size(), 4);
        out += data;
    });
    return opened ? out : "cannot open " + path;
}

std::map<std::string, std::string> ArchiveEntries(const std::string& path)
{
    std::map<std::string, std::string> entries;
    if (!VisitEntries(path, [&](const unz_file_info64&, const std::string& name, const std::string& data) {
            entries[name] = data;
        }))
        entries["cannot open"] = path;
    return entries;
}

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& item : fs::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Stamp(std::time_t time)
{
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", std::localtime(&time));
    return text;
}

void SetInstallPath(const char* windowsPath)
{
    installPathReadable = windowsPath != nullptr;
    installPath = windowsPath ? windowsPath : "";
}

std::string StubFolder(const std::string& variant)
{
    return std::string(ZN_ZIP_STUB_DIR) + "/zipstub_" + variant;
}

std::string AppFolder()
{
    return ZN_APP_DIR;
}

void ZipTest::SetUp()
{
    UnloadZipLibrary();
    SetInstallPathReader(ReadInstallPath);
    SetInstallPath(nullptr);
    unsetenv("ZP_STUB_RESULTS");
}

void ZipTest::TearDown()
{
    UnloadZipLibrary();
}

Messages_t ZipTest::Messages() const
{
    Messages_t messages;
    for (const MessageBoxRequest& box : ui_.messageBoxes)
        messages.emplace_back(box.text.Bytes(), box.type);
    return messages;
}

} // namespace ziptest
