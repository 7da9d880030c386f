#include "tests/support/TestSupport.h"
TEST(Smoke, Builds) { CString s("x"); EXPECT_EQ(1, s.GetLength()); }
