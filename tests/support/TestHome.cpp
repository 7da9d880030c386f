#include "tests/support/TestHome.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace testsupport {

namespace {

const char kHomeVariable[] = "ZN_TEST_HOME";

// Each variable of the home and the XDG folders with its folder in the test home, and whether only
// the user may enter it (as the XDG rules ask of the runtime folder).
struct HomeFolder {
    const char* variable;
    const char* relative;
    bool userOnly;
};

const HomeFolder kHomeFolders[] = {
    {"HOME", "", false},
    {"XDG_CONFIG_HOME", ".config", false},
    {"XDG_DATA_HOME", ".local/share", false},
    {"XDG_CACHE_HOME", ".cache", false},
    {"XDG_STATE_HOME", ".local/state", false},
    {"XDG_RUNTIME_DIR", "runtime", true},
};

// Makes the folder with its parents, as the user's alone when asked.
void MakeFolder(const std::filesystem::path& folder, bool userOnly)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error && userOnly)
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    if (error)
        throw std::runtime_error("cannot make the test home folder " + folder.string() + ": " + error.message());
}

} // namespace

TestHome::TestHome()
{
    const char* named = std::getenv(kHomeVariable);
    if (!named || !*named) {
        m_private = std::make_unique<TempFolder>();
        setenv(kHomeVariable, m_private->Path().c_str(), 1);
    }
    std::filesystem::path home = std::filesystem::absolute(std::getenv(kHomeVariable));
    setenv(kHomeVariable, home.c_str(), 1);
    for (const HomeFolder& folder : kHomeFolders) {
        std::filesystem::path path = *folder.relative ? home / folder.relative : home;
        MakeFolder(path, folder.userOnly);
        setenv(folder.variable, path.c_str(), 1);
    }
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    unsetenv("ZN_REGISTRY_DIR");
}

TestHome::~TestHome() = default;

std::string TestHome::Path()
{
    const char* home = std::getenv(kHomeVariable);
    return home ? home : "";
}

bool TestHome::Holds(const std::string& path)
{
    std::string home = Path();
    return !home.empty() && (path == home || path.rfind(home + "/", 0) == 0);
}

} // namespace testsupport
