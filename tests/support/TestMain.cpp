// The main of every GoogleTest executable: the tests run in the test home (TestHome), never the user's,
// whether ctest started the program or a person did.
#include "tests/support/TestHome.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testsupport::TestHome home;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
