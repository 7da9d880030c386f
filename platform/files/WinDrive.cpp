#include "platform/files/WinDrive.h"

#include <array>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kFirstLetter = 'A';
const int kLetterCount = 26;

struct DriveDefault {
    char letter;
    const char* folder;
};

// The Linux default of the drive-letter table.
const DriveDefault kDriveDefaults[] = {
    {'C', "/"},
};

int LetterIndex(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    return (letter >= 'A' && letter <= 'Z') ? letter - kFirstLetter : -1;
}

std::string WithoutTrailingSlash(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::array<std::string, kLetterCount> TableFromEnvironment()
{
    std::array<std::string, kLetterCount> table;
    for (const DriveDefault& drive : kDriveDefaults)
        table[LetterIndex(drive.letter)] = drive.folder;
    for (int i = 0; i < kLetterCount; ++i) {
        std::string name = std::string("ZN_DRIVE_") + static_cast<char>(kFirstLetter + i);
        if (const char* value = std::getenv(name.c_str()))
            table[i] = WithoutTrailingSlash(value);
    }
    return table;
}

std::array<std::string, kLetterCount>& Table()
{
    static std::array<std::string, kLetterCount> table = TableFromEnvironment();
    return table;
}

bool IsFolder(const std::string& path)
{
    struct stat st;
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::string DriveFolder(char letter)
{
    int index = LetterIndex(letter);
    return index < 0 ? std::string() : Table()[index];
}

void SetDriveFolder(char letter, const std::string& linuxFolder)
{
    int index = LetterIndex(letter);
    if (index >= 0)
        Table()[index] = WithoutTrailingSlash(linuxFolder);
}

void ResetDriveTable() { Table() = TableFromEnvironment(); }

char DriveOfLinuxPath(const std::string& linuxPath)
{
    char best = 0;
    size_t bestLength = 0;
    for (int i = 0; i < kLetterCount; ++i) {
        const std::string& folder = Table()[i];
        if (folder.empty() || folder[0] != '/' || linuxPath.compare(0, folder.size(), folder) != 0)
            continue;
        bool inside = folder == "/" || linuxPath.size() == folder.size() || linuxPath[folder.size()] == '/';
        if (inside && (best == 0 || folder.size() > bestLength)) {
            best = static_cast<char>(kFirstLetter + i);
            bestLength = folder.size();
        }
    }
    return best;
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/tmp";
}

std::string MyComputerFolder()
{
    // The fixed drives before the floppy ones, as My Computer lists them.
    for (const char* letter = "CDEFGHIJKLMNOPQRSTUVWXYZAB"; *letter; ++letter)
        if (IsFolder(DriveFolder(*letter)))
            return DriveFolder(*letter);
    return HomeFolder();
}

UINT GetDriveTypeA(LPCSTR rootPath)
{
    char letter = 0;
    if (!rootPath) {
        char* current = getcwd(nullptr, 0);
        letter = current ? DriveOfLinuxPath(current) : 0;
        std::free(current);
    } else if (rootPath[0] && rootPath[1] == ':' && (rootPath[2] == 0 || (rootPath[2] == '\\' && rootPath[3] == 0))) {
        letter = rootPath[0];
    }
    if (!IsFolder(DriveFolder(letter)))
        return DRIVE_NO_ROOT_DIR;
    int index = LetterIndex(letter);
    return index <= 1 ? DRIVE_REMOVABLE : DRIVE_FIXED;
}
