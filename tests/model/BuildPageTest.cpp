#include "model/ZnModelAppBuildPage.h"
#include "tests/model/ModelTestSupport.h"

using modeltest::Joined;

namespace {

ZnModelAppFloorOutline MakeFloor(double appPart, double otherPart)
{
    ZnModelAppFloorOutline floor;
    floor.m_floorArea.SetAppPart(appPart);
    floor.m_floorArea.SetOtherPart(otherPart);
    return floor;
}

} // namespace

TEST(ZnModelAppBuildPage, SumsTheFloorAreasOfItsFloors)
{
    ZnModelAppBuildPage page;
    EXPECT_EQ(0.0, page.GetAppPartFloorArea());
    EXPECT_EQ(0.0, page.GetOtherPartFloorArea());
    EXPECT_EQ(0.0, page.GetTotalFloorArea());

    ZnModelAppFloorOutlineList floors;
    floors.AddCopy(MakeFloor(50.5, 10.0));
    floors.AddCopy(MakeFloor(40.25, 0.0));
    page.SetFloorOutlineList(floors);
    EXPECT_EQ(90.75, page.GetAppPartFloorArea());
    EXPECT_EQ(10.0, page.GetOtherPartFloorArea());
    EXPECT_EQ(100.75, page.GetTotalFloorArea());
}

TEST(ZnModelAppBuildPage, ConstructionKindsOnlyFromTheirSevenCodes)
{
    ZnModelAppBuildPage page;
    CStringList codes;
    codes.AddTail("stale");
    page.GetConstKindCodes(codes);
    EXPECT_EQ(CString(""), Joined(codes));

    page.SetConstKind("01699");
    page.SetConstKind("01608");
    page.SetConstKind("0160");
    page.SetConstKind(nullptr);
    page.GetConstKindCodes(codes);
    EXPECT_EQ(CString(""), Joined(codes));

    page.SetConstKind("01606");
    page.SetConstKind("01601");
    page.SetConstKind("01606");
    page.GetConstKindCodes(codes);
    EXPECT_EQ(CString("01601;01606;"), Joined(codes));
    EXPECT_EQ(1, page.m_constKind[5]);
}
