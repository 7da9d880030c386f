// The display tests keep what GTK writes (its settings, the recent-files list) in the test home,
// however their program was started: GLib found the test home, not the user's, when GTK first asked.
#include "tests/support/GLibUserFolders.h"
#include "tests/support/TestHome.h"
#include "tests/ui/UiTestSupport.h"

#include <gtk/gtk.h>

#include <memory>

TEST(DisplayTestHome, WhatGtkWritesLandsInTheTestHome)
{
    for (const std::string& folder : testsupport::GLibUserFolders())
        EXPECT_TRUE(testsupport::TestHome::Holds(folder)) << folder;
    gchar* recentFiles = nullptr;
    g_object_get(gtk_recent_manager_get_default(), "filename", &recentFiles, nullptr);
    std::unique_ptr<gchar, decltype(&g_free)> owned(recentFiles, g_free);
    ASSERT_NE(nullptr, recentFiles);
    EXPECT_TRUE(testsupport::TestHome::Holds(recentFiles)) << recentFiles;
}
