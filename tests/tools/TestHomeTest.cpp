// The tests keep what they and the libraries below them write in the build folder.
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

TEST(TestHome, EveryTestHasAHomeOfItsOwnBelowTheBuildFolder)
{
    EXPECT_EQ("", testsupport::VariablesLeavingTheBuild(ZN_BUILD_DIR));
}
