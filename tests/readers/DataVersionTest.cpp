// The data versions an old floppy names, told apart by their whole text and ordered oldest first.
#include "readers/ZnOldDataVersion.h"

#include <gtest/gtest.h>

TEST(ZnOldDataVersion, KnowsTheThreeVersionsByTheirWholeTextInTheirOrder)
{
    for (const char* version : {"6.00", "6.20", "6.40"})
        EXPECT_TRUE(ZnOldDataVersion::IsKnown(version)) << version;
    for (const char* version : {"", "6.4", " 6.40", "6.40 ", "6.10", "7.00"})
        EXPECT_FALSE(ZnOldDataVersion::IsKnown(version)) << version;

    EXPECT_TRUE(ZnOldDataVersion::IsKnownUpTo("6.00", "6.20"));
    EXPECT_TRUE(ZnOldDataVersion::IsKnownUpTo("6.20", "6.20"));
    EXPECT_FALSE(ZnOldDataVersion::IsKnownUpTo("6.40", "6.20"));
    EXPECT_FALSE(ZnOldDataVersion::IsKnownUpTo("6.30", "6.40"));
    EXPECT_TRUE(ZnOldDataVersion::IsKnownUpTo("6.40", "6.40"));

    EXPECT_TRUE(ZnOldDataVersion::IsFirst("6.00"));
    EXPECT_FALSE(ZnOldDataVersion::IsFirst("6.20"));
    EXPECT_TRUE(ZnOldDataVersion::IsLatest("6.40"));
    EXPECT_FALSE(ZnOldDataVersion::IsLatest("6.400"));
}
