// The environment that ctest gives every test (tests/CMakeLists.txt): a home, XDG folders and a
// runtime folder below the build folder, and no session bus of the user's.
#pragma once

#include <cstdlib>
#include <string>

namespace testsupport {

// The variables that would let a test write outside the build folder: each of the home and XDG
// folders that does not lie below buildFolder, and the session bus when one is named. Empty
// when there are none.
inline std::string VariablesLeavingTheBuild(const std::string& buildFolder)
{
    std::string names;
    for (const char* name :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
        const char* value = std::getenv(name);
        if (!value || std::string(value).rfind(buildFolder + "/", 0) != 0)
            names += std::string(name) + " ";
    }
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        names += "DBUS_SESSION_BUS_ADDRESS ";
    return names;
}

} // namespace testsupport
