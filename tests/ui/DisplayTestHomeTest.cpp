// The display tests keep what GTK writes (its settings, the recent-files list) in the build folder.
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

TEST(DisplayTestHome, EveryDisplayTestHasAHomeOfItsOwnBelowTheBuildFolder)
{
    EXPECT_EQ("", testsupport::VariablesLeavingTheBuild(ZN_BUILD_DIR));
}
