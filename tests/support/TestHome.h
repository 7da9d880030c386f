// The home of a test program: every test program points the home, the XDG folders and the runtime
// folder into it before any test runs, however it was started, so that nothing a test or a library
// below it keeps (the settings, GTK's settings and recent-files list, font caches) reaches the
// user's own.
#pragma once

#include "tests/support/TempFolder.h"

#include <memory>
#include <string>

namespace testsupport {

class TestHome {
public:
    // Points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME, XDG_STATE_HOME and
    // XDG_RUNTIME_DIR into the folder that ZN_TEST_HOME names (ctest names one below the build
    // folder) or, when none is named, into a private temporary folder made here and named in
    // ZN_TEST_HOME for the processes that the tests start; makes those folders, the runtime folder
    // for the user alone. Drops the session bus, whose services write into the user's home, and
    // the settings folder ZN_REGISTRY_DIR, so that the settings go into the test home too. Throws
    // std::runtime_error when a folder cannot be made.
    TestHome();
    // Removes the private folder with everything in it, when this object made one.
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    // The test home ($ZN_TEST_HOME; empty before a TestHome was made), and whether a path lies in it.
    static std::string Path();
    static bool Holds(const std::string& path);

private:
    std::unique_ptr<TempFolder> m_private;
};

} // namespace testsupport
