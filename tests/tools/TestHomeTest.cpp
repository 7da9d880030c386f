// What the tests, the system and the libraries below them keep in the home, the XDG folders and the
// settings folder lands in the test home, never in the user's own, whether ctest started the test
// program or a person did, with the user's home, runtime folder, session bus and settings folder set.
#include "tests/support/TestHome.h"
#include "tests/support/CommandOutput.h"
#include "tests/support/GLibUserFolders.h"
#include "tests/support/TempFolder.h"

#include "platform/registry/RegHiveFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <pwd.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace testsupport;

namespace {

// The user's home as the password database names it, whatever HOME says.
std::string UsersOwnHome()
{
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

// Every file and folder below root, by its path relative to root, in name order.
std::string NamesBelow(const std::string& root)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        names.push_back(std::filesystem::relative(entry.path(), root).string());
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names)
        joined += name + " ";
    return joined;
}

} // namespace

// Writes a file into each folder that GLib and the settings write into, once each is seen to lie in
// the test home; the test below runs it in a program started by hand.
TEST(TestHome, WhatGLibAndTheSettingsKeepLandsInTheTestHome)
{
    ASSERT_NE("", TestHome::Path());
    EXPECT_NE(UsersOwnHome(), TestHome::Path());
    EXPECT_EQ(nullptr, std::getenv("DBUS_SESSION_BUS_ADDRESS"));
    std::vector<std::string> folders = GLibUserFolders();
    folders.push_back(RegHiveFile::Folder());
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        ASSERT_TRUE(TestHome::Holds(folder));
        std::filesystem::create_directories(folder);
        WriteFileBytes(folder + "/test-home-probe", "written by a test");
        EXPECT_EQ("written by a test", ReadFileBytes(folder + "/test-home-probe"));
    }
}

TEST(TestHome, AProgramStartedByHandLeavesTheUsersHomeUntouched)
{
    TempFolder user;
    for (const char* folder : {"home", "runtime", "tmp"})
        ASSERT_TRUE(std::filesystem::create_directory(user.Path(folder)));
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command =
        "env -u ZN_TEST_HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME HOME='" +
        user.Path("home") + "' XDG_RUNTIME_DIR='" + user.Path("runtime") +
        "' DBUS_SESSION_BUS_ADDRESS='unix:path=" + user.Path("runtime/bus") + "' ZN_REGISTRY_DIR='" +
        user.Path("home/.config/zadazez") + "' TMPDIR='" + user.Path("tmp") + "' '" + self +
        "' --gtest_filter=TestHome.WhatGLibAndTheSettingsKeepLandsInTheTestHome 2>&1";
    int status = -1;
    std::string output = CommandOutput(command, &status);

    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
    EXPECT_NE(std::string::npos, output.find("[  PASSED  ] 1 test.")) << output;
    // The user's folders stay empty, and the private home went with the program.
    EXPECT_EQ("home runtime tmp ", NamesBelow(user.Path()));
}
