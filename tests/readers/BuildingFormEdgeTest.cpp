// The edge cases of the building forms, each a form file of the hand-made floppy replaced and
// the value it must give.
#include "tests/readers/BoundedChild.h"
#include "tests/readers/BuildingFormSupport.h"

#include "readers/ZnOldFormReaderBuildConf.h"
#include "readers/ZnOldFormReaderBuildMod.h"

#include <functional>

using namespace buildingtest;
using Strings = std::vector<std::string>;

namespace {

std::string FireZones(const ZnModelAppSitePage& site)
{
    return Join(std::to_string(site.m_fireZone), std::to_string(site.m_semiFireZone),
                std::to_string(site.m_noFireZone));
}

std::string OtherZones(const ZnModelAppSitePage& site)
{
    return Join(Text(site.m_otherZoneText), std::to_string(site.m_otherZoneFlag1),
                std::to_string(site.m_otherZoneFlag2));
}

std::string Heights(const ZnModelAppSitePage& site)
{
    const ZnModelAppTenkuritu& exemption = site.m_tenkuritu;
    return Join(Number(site.m_appMaxHeight), std::to_string(site.m_appFloorsAbove),
                std::to_string(site.m_appFloorsBelow), Number(site.m_otherMaxHeight),
                std::to_string(site.m_otherFloorsAbove), std::to_string(site.m_otherFloorsBelow),
                Of(site.m_mainStrKind),
                Join(std::to_string(exemption.m_first), std::to_string(exemption.m_roadLimitExempt),
                     std::to_string(exemption.m_adjacentLimitExempt), std::to_string(exemption.m_northLimitExempt)));
}

struct SiteCase {
    const char* records; // the whole of Ksq001.120
    std::function<std::string(const ZnModelAppSitePage&)> value;
    std::string expected;
};

const char nineFields[] = "#12130,\"12.5\",\"3\",\"1\",\"7.5\",\"2\",\"0\",\"M1\",\"RC\"";

std::string HeightRecord(const std::string& field9, const std::string& field10)
{
    return std::string(nineFields) + ",\"" + field9 + "\",\"" + field10 + "\"\r\n";
}

} // namespace

TEST(BuildingFormPages, ReadSiteItemsAsTheirTableSays)
{
    const SiteCase cases[] = {
        {"#12040,\"00603\"", FireZones, "0|0|1"},
        {"#12040,\"00601\"\r\n#12040,\"00602\"", FireZones, "1|1|0"},
        {"#12040,\"00604\"", FireZones, "0|0|0"},
        {"#12050,\"区域表\",\"00902\",\"00905\"", OtherZones, "区域表|0|1"},
        // Of three fields the second flag is left as an earlier record set it.
        {"#12050,\"a\",\"00902\",\"00905\"\r\n#12050,\"区域\",\"00901\"", OtherZones, "区域|1|1"},
        {"#12050,\"a\",\"00901\",\"00905\"\r\n#12050,\"b\",\"00999\",\"00906\"", OtherZones, "b|1|0"},
        {"#12050,\"a\"", OtherZones, "|0|0"},
        {"#12070,\"10\",\"\",\"31\",\"200\",\"60\",\"1\",\"2\",\"t\"\r\n#12070,\"20\",\"5\",\"32\",\"300\",\"80\","
         "\"3\",\"4\",\"u\"",
         [](const ZnModelAppSitePage& s) {
             return Join(Of(s.m_siteArea.m_zoneList.GetAtIndex(0)[0]), Of(s.m_siteArea.m_zoneList.GetAtIndex(1)[0]),
                         Number(s.m_siteArea.m_buildableFloorAreaRatio), Number(s.m_siteArea.m_buildableCoverageRatio),
                         Text(s.m_siteArea.m_text));
         },
         "10||1|31|200|60|20|5|0|32|300|80|3|4|u"},
        {"#12070,\"10\",\"\",\"31\",\"200\",\"60\",\"1\",\"2\"",
         [](const ZnModelAppSitePage& s) { return std::to_string(s.m_siteArea.m_zoneList.GetCount()); }, "0"},
        {nineFields, Heights, "12.5|3|1|7.5|2|0|M1|RC|0|0|0|0"},
        {"#12130,\"12.5\",\"3\",\"1\",\"7.5\",\"2\",\"0\",\"M1\"", Heights, "0|0|0|0|0|0|||0|0|0|0"},
        {"#12110,\"a\",\"b\",\"1\",\"2\",\"c\",\"3\",\"4\",\"d\",\"5\",\"6\",\"e\",\"7\",\"8\",\"f\",\"9\"",
         [](const ZnModelAppSitePage& s) { return Of(s.m_totalFloorArea.m_whole); }, "0|0"},
        {"#12900,\"1-2\",\"3\",\"4-5-6-7-8\",\"9-10-11-12\"",
         [](const ZnModelAppSitePage& s) {
             std::string values;
             for (int value : s.m_sitePos1.m_values)
                 values += std::to_string(value) + " ";
             for (int value : s.m_sitePos2.m_values)
                 values += std::to_string(value) + " ";
             return values;
         },
         "1 2 2 2 3 3 3 3 4 5 6 7 9 10 11 12 "},
    };
    FloppyCopy floppy;
    for (const SiteCase& c : cases) {
        SCOPED_TRACE(c.records);
        floppy.Write("Ksq001.120", c.records);
        std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>("0");
        ASSERT_TRUE(app);
        EXPECT_EQ(c.expected, c.value(app->m_sitePage));
    }
}

TEST(BuildingFormPages, HeightExemptionCodesSetTheirFlags)
{
    const struct {
        const char* field9;
        const char* field10;
        const char* flags;
    } cases[] = {
        {"01100", "01120", "0|1|0|0"}, {"01110", "01130", "1|0|1|0"}, {"01100", "01140", "0|0|0|1"},
        {"01100", "01150", "0|1|1|0"}, {"01110", "01160", "1|1|0|1"}, {"01100", "01170", "0|0|1|1"},
        {"01100", "01180", "0|1|1|1"}, {"01101", "01190", "0|0|0|0"},
    };
    FloppyCopy floppy;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field10);
        floppy.Write("Ksq001.120", HeightRecord(c.field9, c.field10));
        std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>("0");
        ASSERT_TRUE(app);
        EXPECT_EQ(std::string("12.5|3|1|7.5|2|0|M1|RC|") + c.flags, Heights(app->m_sitePage));
    }
}

TEST(BuildingFormPages, PartiesKeepWhatTheirRecordsAllow)
{
    FloppyCopy floppy;
    floppy.Write("Ksq001.110", "#11060,\"短い\",\"13\",\"施工009\",\"営業所\",\"170-0009\",\"住所\"\r\n"
                               "#11220,\"1\",\"13\",\"a\",\"一番\",\"1\",\"13\",\"b\",\"c\",\"1-2\",\"d\",\"1-2-3\"\r\n"
                               "#11220,\"1\",\"13\",\"a\",\"\",\"1\",\"13\",\"b\",\"c\",\"1-2\",\"d\",\"1-2-3\"\r\n"
                               "#11220,\"1\",\"13\",\"a\",\"二番\",\"1\",\"13\",\"b\",\"c\",\"1-2\",\"d\",\"1-2-3\"\r\n"
                               "#11240,\"1\",\"13\",\"a\",\"監理\",\"1\",\"13\",\"b\",\"c\",\"1-2\",\"d\"\r\n"
                               "#11010,\"ヨミ\",\"名\",\"1234567\",\"住所\",\"0312345678\"\r\n");
    std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>("0");
    ASSERT_TRUE(app);
    EXPECT_EQ(Of(ZnModelConstructor()), Of(app->m_constructor));
    EXPECT_EQ(Strings({"1|13|a|一番||1|13|b|c||1|2|d|1|2|3", "1|13|a|二番||1|13|b|c||1|2|d|1|2|3"}),
              Of(app->m_designerList));
    // A record of eleven fields is one short of an architect.
    EXPECT_TRUE(app->m_supervisorList.IsEmpty());
    // A postal code or telephone number without "-" goes whole into every part.
    EXPECT_EQ("名|ヨミ|1234567|1234567|住所|0312345678|0312345678|0312345678", Of(app->m_firstOwner));
}

TEST(BuildingFormPages, NoBuildingsOpenNoPageFile)
{
    FloppyCopy floppy;
    for (const char* form : {"Ksq001.130", "Ksq002.130", "Ksq001.140", "Ksq002.140"})
        floppy.Remove(form);
    for (const char* buildings : {"", "0"}) {
        std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>(buildings);
        ASSERT_TRUE(app);
        EXPECT_TRUE(app->m_buildPageList.IsEmpty());
        EXPECT_EQ(Strings({"1|R-101"}), Of(app->m_header.m_localData.m_buildingNumGroups));
        EXPECT_EQ(CString("100001"), app->m_header.m_localData.m_documentKind.m_code);
    }
}

TEST(BuildingFormPages, BuildingsFindTheirRecordsByKey)
{
    FloppyCopy floppy;
    // A key that page 110 does not list, and a page without a key: no constructor.
    floppy.Write("Ksq001.130", "#13010,\"7\"\r\n");
    floppy.Write("Ksq002.130", floppy.Without("Ksq002.130", "#13010"));
    floppy.Write("Ksq001.140", "#14020,\"F01\"");
    std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>();
    ASSERT_TRUE(app);
    ASSERT_EQ(2, app->m_buildPageList.GetCount());
    EXPECT_EQ(7, app->m_buildPageList.GetAtIndex(0)->m_buildingNumber);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(Of(ZnModelConstructor()), Of(app->m_buildPageList.GetAtIndex(i)->m_constructor)) << i;
}

TEST(BuildingFormPages, WithoutKeysBuildingsTakeTheRecordsInTheirOrder)
{
    FloppyCopy floppy;
    floppy.Write("Ksq001.110", floppy.Without("Ksq001.110", "#11210"));
    std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>();
    ASSERT_TRUE(app);
    ASSERT_EQ(2, app->m_buildPageList.GetCount());
    EXPECT_EQ("施工一||13|許001|営業所一||111|1111|住所一|03|1|1",
              Of(app->m_buildPageList.GetAtIndex(0)->m_constructor));
    EXPECT_EQ("施工二||14|許002|営業所二||222|2222|住所二|03|2|2",
              Of(app->m_buildPageList.GetAtIndex(1)->m_constructor));
}

TEST(BuildingFormPages, SpecialCaseAndRemarksFollowTheDataVersion)
{
    const struct {
        const char* version;
        const char* records;
        const char* expected; // apply flag, class, type number, certification number, remarks 2 and 3
    } cases[] = {
        {"6.00", "#13090,\"03601\",\"B\",\"T\"", "0|B|T|||"},
        {"6.20", "#13090,\"03601\",\"B\",\"T\"", "0|B|T|||"},
        {"6.40", "#13090,\"03601\",\"B\",\"T\"", "1|||||"},
        {"", "#13090,\"03601\",\"B\",\"T\"", "1|||||"},
        {"6.00", "#13090,\"03601\",\"B\",\"T\",\"C\"", "0|B|T|||"},
        {"6.40", "#13090,\"03601\",\"B\",\"T\",\"C\"", "0|B|T|C||"},
        {"6.00", "#13900,\"r2\"\r\n#13900,\"r3\"\r\n#13900,\"c\"", "1|||c|r2|r3"},
        {"6.00", "#13900,\"r2\"\r\n#13900,\"r3\"\r\n#13900,\"c\"\r\n#13900,\"x\"", "1|||c|r2|r3"},
        {"6.40", "#13900,\"r2\"\r\n#13900,\"r3\"\r\n#13900,\"c\"\r\n#13900,\"x\"", "1||||r2|r3"},
        {"6.20", "#13900,\"r2\"\r\n#13900\r\n#13900,\"r3\"\r\n#13900,\"c\"", "1||||r2|r3"},
    };
    FloppyCopy floppy;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.records);
        floppy.Write("Ksq001.130", c.records);
        std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>("1", c.version);
        ASSERT_TRUE(app);
        const ZnModelAppBuildPage& page = *app->m_buildPageList.GetHead();
        EXPECT_EQ(c.expected,
                  Join(std::to_string(page.m_confException.m_noException),
                       Text(page.m_confException.m_buildingClassCode.m_code), Text(page.m_confException.m_text),
                       Text(page.m_certNumber), Text(page.m_remarks2), Text(page.m_remarks3)));
    }
}

TEST(BuildingFormPages, FloorsOfPage140ReplaceThoseOfPage130)
{
    const struct {
        const char* first140; // Ksq001.140
        const char* first130; // Ksq001.130, when not the fixture's
        Strings floors;
    } cases[] = {
        {"#14010,\"1\"\r\n#14030,\"5\"", nullptr, {}},
        {"", nullptr, {}},
        {"#14020,\"F01\"\r\n#14020,\"F02\"\r\n#14030,\"30\"",
         nullptr,
         {"F1|100.5|20.25|0|0|0|0||||", "F2|90|10|30|0|0|0||||"}},
        // A floor block ignores 14000 and 14010; the usages need four fields.
        {"#14020,\"F01\"\r\n#14000\r\n#14010,\"5\"\r\n#14070,\"u\",\"n\"\r\n#14200,\"u\",\"n\",\"2.5\"",
         nullptr,
         {"F1|100.5|20.25|0|0|0|0|[u|n|2.5]|||"}},
        // The building numbered 2 and 3: the first file's floors find no building 1.
        {"#14020,\"F01\"", "#13010,\"2\"\r\n#13100,\"F01\",\"5\",\"6\"", {"F1|0|0|0|0|0|0||||"}},
        // 14010 before the first floor renumbers the page.
        {"#14010,\"1\"\r\n#14020,\"F01\"", "#13010,\"2\"\r\n#13100,\"F01\",\"5\",\"6\"", {"F1|5|6|0|0|0|0||||"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first140);
        FloppyCopy floppy;
        floppy.Write("Ksq001.140", c.first140);
        if (c.first130) {
            floppy.Write("Ksq001.130", c.first130);
            floppy.Write("Ksq002.130", "#13010,\"3\"");
        }
        std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>();
        ASSERT_TRUE(app);
        EXPECT_EQ(c.floors, Of(app->m_buildPageList.GetHead()->m_floorOutlineList));
    }
}

// A floppy full of floors reads in time: a floor of page 140 finds its page-130 area without
// walking every floor of page 130, the first floor of its designation counting.
TEST(BuildingFormPages, AFloppyFullOfFloorsReadsInTime)
{
    FloppyCopy floppy;
    std::string summary = "#13010,\"1\"\r\n#13100,\"F01\",\"5\",\"6\"\r\n", floors;
    for (int i = 0; i < 40000; ++i)
        summary += "#13100,\"F01\",\"1\",\"1\"\r\n";
    for (int i = 0; i < 35000; ++i)
        floors += "#14020,\"B1\"\r\n";
    floppy.Write("Ksq001.130", summary);
    floppy.Write("Ksq001.140", floors + "#14020,\"F01\"\r\n");
    EXPECT_EQ("true", readertest::RunBounded(
                          [&] {
                              std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>();
                              const ZnModelAppFloorOutlineList& read =
                                  app->m_buildPageList.GetHead()->m_floorOutlineList;
                              const ZnModelArea& last = read.GetTail()->m_floorArea;
                              return read.GetCount() == 35001 && read.GetHead()->m_floorArea.m_appPart == 0 &&
                                     last.m_appPart == 5 && last.m_otherPart == 6;
                          },
                          1024, 30));
}

TEST(BuildingFormPages, AMissingPage140KeepsPage130FloorsAndTheCommonValues)
{
    FloppyCopy floppy;
    floppy.Remove("Ksq002.140");
    std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>();
    ASSERT_TRUE(app);
    ASSERT_EQ(2, app->m_buildPageList.GetCount());
    EXPECT_EQ(3, app->m_buildPageList.GetHead()->m_floorOutlineList.GetCount());
    EXPECT_EQ(Strings({"F1|60|0|0|0|0|0||||", "F2|40.5|0|0|0|0|0||||"}),
              Of(app->m_buildPageList.GetTail()->m_floorOutlineList));
    EXPECT_EQ(CString("100001"), app->m_header.m_localData.m_documentKind.m_code);
    EXPECT_EQ(Strings({"1|R-101", "2|R-102"}), Of(app->m_header.m_localData.m_buildingNumGroups));

    floppy.Remove("Ksq001.140");
    app = floppy.Read<ZnOldFormReaderBuildConf>();
    ASSERT_TRUE(app);
    EXPECT_EQ(Strings({"F1|100.5|20.25|0|0|0|0||||", "F2|90|10|0|0|0|0||||", "B1|30.5|0|0|0|0|0||||"}),
              Of(app->m_buildPageList.GetHead()->m_floorOutlineList));
    EXPECT_EQ(Strings({"1|R-101", "2|R-102"}), Of(app->m_header.m_localData.m_buildingNumGroups));
}

TEST(BuildingFormPages, AMissingRequiredFileGivesNull)
{
    for (const char* form : {"Ksq001.110", "Ksq001.120", "Ksq001.130", "Ksq002.130", "Ksq001.410"}) {
        SCOPED_TRACE(form);
        FloppyCopy floppy;
        floppy.Remove(form);
        if (std::string(form) != "Ksq001.410") {
            EXPECT_FALSE(floppy.Read<ZnOldFormReaderBuildConf>());
        }
        EXPECT_FALSE((floppy.Read<ZnOldFormReaderBuildMod, ZnModelAppBuildMod>()));
    }
}

TEST(BuildingFormPages, VersionCheckAcceptsVersion640OrAPlannedStart)
{
    const struct {
        const char* version;
        const char* page120; // null: no Ksq001.120
        int accepted;
    } cases[] = {
        {"6.40", "", 1},
        {"6.20", "#12150,\"02220901\"", 0},
        {"6.00", "#12150,\"02220901\"", 0},
        {"", "#12150,\"02220901\"", 1},
        // A record without fields before it is passed over.
        {"", ",\r\n#12150,\"02220901\"", 1},
        {"", "#12140,\"x\"\r\n#12160,\"02220901\"", 0},
        {"", "#12140,\"x\"\r\n#12150", 1},
        {"", "", 0},
        {"", nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + (c.page120 ? c.page120 : "(none)"));
        FloppyCopy floppy;
        if (c.page120)
            floppy.Write("Ksq001.120", c.page120);
        else
            floppy.Remove("Ksq001.120");
        ZnOldFormReaderBuildConf conf;
        floppy.SetUp(conf, "2", c.version);
        EXPECT_EQ(c.accepted, conf.IsVersionOK());
        ZnOldFormReaderBuildMod mod;
        floppy.SetUp(mod, "2", c.version);
        EXPECT_EQ(c.accepted, mod.IsVersionOK());
    }
}

TEST(BuildingFormPages, FindsBuildingFilesWhateverTheirCase)
{
    FloppyCopy floppy;
    std::unique_ptr<ZnModelAppBuildConf> expected = floppy.Read<ZnOldFormReaderBuildConf>();
    ASSERT_TRUE(expected);
    floppy.Rename("Ksq002.130", "KSQ002.130");
    floppy.Rename("Ksq001.140", "ksq001.140");
    std::unique_ptr<ZnModelAppBuildConf> app = floppy.Read<ZnOldFormReaderBuildConf>();
    ASSERT_TRUE(app);
    EXPECT_EQ(testsupport::Hex(Stored(*expected)), testsupport::Hex(Stored(*app)));
}
