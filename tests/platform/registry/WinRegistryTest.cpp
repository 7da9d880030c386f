#include "platform/registry/WinRegistry.h"
#include "platform/core/WinFormat.h"
#include "platform/registry/RegHiveFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <ctime>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>

using testsupport::ReadFileBytes;
using testsupport::TempRegistry;
using testsupport::WriteFileBytes;

namespace {

const char kKey[] = "SOFTWARE\\Norva\\Zadazez\\Test";

LONG SetText(HKEY key, LPCSTR name, const std::string& text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<LPCBYTE>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

LONG Create(HKEY root, LPCSTR path, HKEY* key, DWORD* disposition = nullptr)
{
    return RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key, disposition);
}

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

} // namespace

TEST(WinRegistry, CreatesOpensAndQueriesKeysIgnoringCase)
{
    TempRegistry registry;
    HKEY key = nullptr, child = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key));
    DWORD disposition = 0;
    ASSERT_EQ(ERROR_SUCCESS, Create(HKEY_LOCAL_MACHINE, kKey, &key, &disposition));
    EXPECT_EQ(DWORD(REG_CREATED_NEW_KEY), disposition);
    EXPECT_EQ(ERROR_SUCCESS, SetText(key, "Folder", "C:\\表"));
    EXPECT_EQ(ERROR_SUCCESS, SetText(key, "Empty", ""));
    EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key));

    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\NORVA", 0, KEY_ALL_ACCESS, &key));
    ASSERT_EQ(ERROR_SUCCESS, Create(key, "zadazez\\test", &child, &disposition));
    EXPECT_EQ(DWORD(REG_OPENED_EXISTING_KEY), disposition);
    DWORD type = 0, size = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(child, "FOLDER", nullptr, &type, nullptr, &size));
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_EQ(6u, size); // C : \ 表(2 bytes) and the zero, counted in CP932
    char buffer[8] = "xxxxxxx";
    size = 5;
    EXPECT_EQ(ERROR_MORE_DATA,
              RegQueryValueExA(child, "Folder", nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer), &size));
    EXPECT_EQ(6u, size);
    EXPECT_STREQ("xxxxxxx", buffer); // untouched
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(child, "Empty", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(1u, size); // an empty text is its zero
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(child, "Absent", nullptr, nullptr, nullptr, &size));
    RegCloseKey(child);
    RegCloseKey(key);

    // The user's hive is apart; nothing is left behind but the hive and its lock file.
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_ALL_ACCESS, &key));
    EXPECT_EQ((std::set<std::string>{"machine.reg", "machine.reg.lock"}), FilesIn(registry.Folder().Path()));
}

// A write that fails (here the temporary file cannot be made) leaves the hive as it was.
TEST(WinRegistry, AFailedWriteLeavesTheHiveWhole)
{
    TempRegistry registry;
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, Create(HKEY_LOCAL_MACHINE, kKey, &key));
    ASSERT_EQ(ERROR_SUCCESS, SetText(key, "Kept", "1"));
    std::string before = ReadFileBytes(registry.MachineHive());
    ASSERT_EQ(0, mkdir((registry.MachineHive() + ".tmp").c_str(), 0700));
    EXPECT_EQ(ERROR_ACCESS_DENIED, SetText(key, "Lost", "2"));
    EXPECT_EQ(before, ReadFileBytes(registry.MachineHive()));
    RegCloseKey(key);
}

TEST(WinRegistry, AnUnusableFolderFailsEveryCall)
{
    setenv("ZN_REGISTRY_DIR", "/dev/null/registry", 1);
    HKEY key = nullptr;
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key));
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, Create(HKEY_LOCAL_MACHINE, kKey, &key));
    unsetenv("ZN_REGISTRY_DIR");
}

TEST(WinRegistry, FolderFollowsTheEnvironment)
{
    unsetenv("ZN_REGISTRY_DIR");
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ("/cfg/zadazez", RegHiveFile::Folder());
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ("/home/someone/.config/zadazez", RegHiveFile::Folder());
    setenv("ZN_REGISTRY_DIR", "/elsewhere", 1);
    EXPECT_EQ("/elsewhere", RegHiveFile::Folder());
    unsetenv("ZN_REGISTRY_DIR");
}

// Two processes set values in the same key at the same time; every value of both survives,
// and every reader finds a whole hive.
TEST(WinRegistry, TwoProcessesBothKeepTheirValues)
{
    TempRegistry registry;
    const int kValues = 40;
    auto writeValues = [&](const char* prefix) {
        HKEY key = nullptr;
        bool ok = Create(HKEY_CURRENT_USER, "software\\Shared", &key) == ERROR_SUCCESS;
        for (int i = 0; i < kValues && ok; ++i) {
            ok = SetText(key, (prefix + std::to_string(i)).c_str(), std::to_string(i)) == ERROR_SUCCESS;
            RegHive hive;
            ok = ok && RegHiveFile("user.reg").Load(hive) == ERROR_SUCCESS && hive.DamagedLines() == 0;
        }
        RegCloseKey(key);
        return ok;
    };
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(writeValues("Child") ? 0 : 1);
    EXPECT_TRUE(writeValues("Parent"));
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "software\\Shared", 0, KEY_ALL_ACCESS, &key));
    for (const char* prefix : {"Child", "Parent"})
        for (int i = 0; i < kValues; ++i) {
            char buffer[16] = {};
            DWORD size = sizeof buffer;
            std::string name = prefix + std::to_string(i);
            ASSERT_EQ(ERROR_SUCCESS,
                      RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer), &size))
                << name;
            EXPECT_EQ(std::to_string(i), buffer);
        }
    RegCloseKey(key);
}

// A key of 3,000 values is opened and set in time linear in the hive: a fraction of a second of
// processor time, where time quadratic in its values took seconds per call.
TEST(WinRegistry, AKeyOfThousandsOfValuesIsSetQuickly)
{
    TempRegistry registry;
    const std::string path = "HKEY_CURRENT_USER\\software\\Many";
    std::clock_t start = std::clock(); // processor time, without waits
    RegHive hive;
    hive.CreateKey(path);
    for (int i = 0; i < 3000; ++i)
        ASSERT_TRUE(hive.SetValue(path, {"Value" + std::to_string(i), REG_SZ, std::to_string(i) + '\0'}));
    WriteFileBytes(registry.UserHive(), hive.Format());
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "software\\many", 0, KEY_ALL_ACCESS, &key));
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(ERROR_SUCCESS, SetText(key, ("VALUE" + std::to_string(i * 600)).c_str(), "changed"));
    RegCloseKey(key);
    EXPECT_LT(std::clock() - start, CLOCKS_PER_SEC);
    ASSERT_EQ(ERROR_SUCCESS, RegHiveFile("user.reg").Load(hive));
    EXPECT_EQ(std::string("changed") + '\0', hive.FindValue(path, "Value2400")->data);
}

// A key 512 levels deep, each key above it in a line of its own with a value, is opened and set in
// time linear in the hive (about 1 MB): a fraction of a second of processor time, where time that
// grew with the cube of its depth took many seconds.
TEST(WinRegistry, AKeyAtWindowsDepthLimitIsSetQuickly)
{
    TempRegistry registry;
    std::string text = "REGEDIT4\n\n", path = "HKEY_CURRENT_USER", below;
    for (int level = 1; level <= 512; ++level) {
        below += (below.empty() ? "" : "\\") + std::string("K") + std::string(4, 'a' + level % 26);
        text += "[" + path + "\\" + below + "]\n\"Level\"=dword:" + WinFormat("%08x", level) + "\n\n";
    }
    WriteFileBytes(registry.UserHive(), text);
    std::clock_t start = std::clock(); // processor time, without waits
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, below.c_str(), 0, KEY_ALL_ACCESS, &key));
    ASSERT_EQ(ERROR_SUCCESS, SetText(key, "Deepest", "here"));
    RegCloseKey(key);
    EXPECT_LT(std::clock() - start, CLOCKS_PER_SEC);
    RegHive hive;
    ASSERT_EQ(ERROR_SUCCESS, RegHiveFile("user.reg").Load(hive));
    EXPECT_EQ(0, hive.DamagedLines());
    EXPECT_EQ(std::string("here") + '\0', hive.FindValue(path + "\\" + below, "Deepest")->data);
    EXPECT_EQ(text.size() + 17, ReadFileBytes(registry.UserHive()).size()); // "Deepest"="here" and its line end
}

// Lines whose text CP932 cannot hold, in UTF-8, stay byte for byte when another value of their key
// is set; a line of CP932 is read and written back in UTF-8.
TEST(WinRegistry, ASetLeavesTheLinesThatCannotBeReadAsTheyStood)
{
    TempRegistry registry;
    const std::string kept = std::string(u8"\"𠮷野家\"=\"1\"\n") + u8"\"Dash\"=\"〜\"\n" + u8"\"Fish\"=\"𩸽\"\n";
    WriteFileBytes(registry.UserHive(), std::string("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Norva]\n") +
                                            u8"\"Name\"=\"物件\"\n" + kept + "\"Cp932\"=\"燹　\"\n");
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Norva", 0, KEY_ALL_ACCESS, &key));
    ASSERT_EQ(ERROR_SUCCESS, SetText(key, "Other", "y"));
    RegCloseKey(key);
    EXPECT_EQ(std::string(u8"REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Norva]\n\"Name\"=\"物件\"\n"
                          u8"\"Cp932\"=\"燹　\"\n\"Other\"=\"y\"\n") +
                  kept + "\n",
              ReadFileBytes(registry.UserHive()));
}
