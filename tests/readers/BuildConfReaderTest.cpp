// The building confirmation read from a hand-made floppy: every item of its pages, compared with
// values worked out by hand from the files under tests/data/readers/building.
#include "tests/readers/BuildingFormSupport.h"

#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFormReaderBuildConf.h"
#include "readers/ZnOldFormReaderConstNotif.h"

#include <memory>

using namespace buildingtest;
using Strings = std::vector<std::string>;

namespace {

// The readers that the loader makes of the floppy; deleted with the object.
struct LoadedReaders {
    explicit LoadedReaders(const CString& base)
    {
        loader.SetBasePath(base);
        result = loader.Load(&list);
    }
    ~LoadedReaders()
    {
        for (POSITION pos = list.GetHeadPosition(); pos;)
            delete static_cast<ZnOldFormReader*>(list.GetNext(pos));
    }
    ZnOldFormReader* First() const { return static_cast<ZnOldFormReader*>(list.GetHead()); }

    ZnOldBukkenFolderLoader loader;
    ZnOldBukkenReaderList list;
    int result = 0;
};

std::unique_ptr<ZnModelAppBuildConf> ReadFloppy()
{
    LoadedReaders readers(Floppy());
    EXPECT_EQ(1, readers.result);
    if (readers.list.IsEmpty())
        return nullptr;
    ZnModelApp* app = readers.First()->Read();
    EXPECT_TRUE(app && app->IsKindOf(RUNTIME_CLASS(ZnModelAppBuildConf)));
    return std::unique_ptr<ZnModelAppBuildConf>(static_cast<ZnModelAppBuildConf*>(app));
}

} // namespace

TEST(ZnOldFormReaderBuildConf, IsMadeFirstForABuildingConfirmation)
{
    LoadedReaders readers(Floppy());
    ASSERT_EQ(1, readers.result);
    ASSERT_FALSE(readers.list.IsEmpty());
    ZnOldFormReader* reader = readers.First();
    EXPECT_TRUE(reader->IsKindOf(RUNTIME_CLASS(ZnOldFormReaderBuildConf)));
    EXPECT_EQ(CString("#110"), reader->m_formId);
    EXPECT_EQ(CString("ZnModelAppBuildConf"), reader->m_targetClassName);
    EXPECT_EQ(CString("100001"), reader->m_appTypeCode);
    // Then the construction notification that the floppy carries with it.
    ASSERT_EQ(2, readers.list.GetCount());
    ZnOldFormReader* notification = static_cast<ZnOldFormReader*>(readers.list.GetTail());
    EXPECT_NE(nullptr, dynamic_cast<ZnOldFormReaderConstNotif*>(notification));
    EXPECT_EQ(CString("#240"), notification->m_formId);
    EXPECT_EQ(CString("100801"), notification->m_appTypeCode);
}

TEST(ZnOldFormReaderBuildConf, ReadsTheParties)
{
    std::unique_ptr<ZnModelAppBuildConf> app = ReadFloppy();
    ASSERT_TRUE(app);
    EXPECT_EQ("表山太郎|ケンチクヌシ|100|0001|東京都千代田区ソ町1|03|1111|2222", Of(app->m_firstOwner));
    EXPECT_EQ(Strings({"ソ野次郎|ニバン|200|0002|横浜市ポ区2|045|222|3333", "三郎|サンバン|300|0003|住所3|029|333|4444",
                       "四郎|ヨンバン|400|0004|住所4|055|444|5555"}),
              Of(app->m_furtherOwners));
    EXPECT_EQ("1|13|代理001|代理表||2|13|事務所001|代理事務所||150|0001|渋谷区1|03|5555|0001", Of(app->m_agent));
    EXPECT_EQ("1|13|設計001|設計ソ||1|14|事務所002|設計事務所||151|0002|渋谷区2|03|5555|0002", Of(app->m_designer));
    EXPECT_EQ("意見者表|||勤務先ソ||160|0001|新宿区2|03|6666|0002", Of(app->m_equipDesigner));
    EXPECT_EQ("2|13|監理001|監理ポ||2|15|事務所003|監理事務所||152|0003|渋谷区3|03|5555|0003", Of(app->m_supervisor));
    // Only the further persons with a name are kept; the seven-field constructor is ignored.
    EXPECT_EQ(Strings({"1|13|設計101|二番設計||1|13|事務所101|二番事務所||153|0001|目黒区1|03|1000|0001"}),
              Of(app->m_designerList));
    EXPECT_EQ(Strings({"二番意見者|||二番勤務先||154|0001|世田谷区1|03|2000|0001"}), Of(app->m_equipDesignerList));
    EXPECT_EQ(Strings({"2|13|監理101|二番監理||2|13|事務所201|監理二事務所||155|0001|品川区1|03|3000|0001"}),
              Of(app->m_supervisorList));
    EXPECT_EQ("施工表||13|施工001|営業所ポ||170|0001|豊島区3|03|7777|0003", Of(app->m_constructor));
    EXPECT_EQ(CString("備考のソ表"), app->m_note);
    EXPECT_EQ("ポ表ビル|ビルヨミ", Of(app->m_name));
    EXPECT_EQ("申請者ソ|シンセイヨミ", Of(app->m_applicantName));
}

TEST(ZnOldFormReaderBuildConf, ReadsTheSitePage)
{
    std::unique_ptr<ZnModelAppBuildConf> app = ReadFloppy();
    ASSERT_TRUE(app);
    const ZnModelAppSitePage& site = app->m_sitePage;
    EXPECT_EQ(CString("千代田区表町1-2"), site.m_lotAddress.m_address);
    EXPECT_EQ(CString("千代田区ソ町3-4"), site.m_displayAddress.m_address);
    EXPECT_EQ(1, site.m_urbanPlanKind);
    EXPECT_EQ(CString("21"), site.m_urbanAreaCode.m_code);
    EXPECT_EQ("1|1|0", Join(std::to_string(site.m_fireZone), std::to_string(site.m_semiFireZone),
                            std::to_string(site.m_noFireZone)));
    EXPECT_EQ("その他ポ区域|0|1", Join(Text(site.m_otherZoneText), std::to_string(site.m_otherZoneFlag1),
                                       std::to_string(site.m_otherZoneFlag2)));
    EXPECT_EQ("6.5|12.25", Join(Number(site.m_roadWidth), Number(site.m_roadFrontage)));
    EXPECT_EQ(Strings({"150.5||1|31|200|60", "50.25|10.5|0|32|300|80", "20||1|33|150|50"}),
              Of(site.m_siteArea.m_zoneList));
    EXPECT_EQ("3.5|1.25|敷地備考",
              Join(Number(site.m_siteArea.m_buildableFloorAreaRatio), Number(site.m_siteArea.m_buildableCoverageRatio),
                   Text(site.m_siteArea.m_text)));
    EXPECT_EQ("08010|事務所ソ", Join(Text(site.m_mainUsageCode.m_code), Text(site.m_mainUsageText)));
    EXPECT_EQ("1010000", Flags(site.m_constKind));
    EXPECT_EQ("80.5|10.25", Of(site.m_buildingArea));
    const ZnModelAppTotalFloorArea& total = site.m_totalFloorArea;
    EXPECT_EQ("100.5|20.5|5.5|1.5|3.25|0.75|12|2|60.5|7.5",
              Join(Of(total.m_whole), Of(total.m_basementHousing), Of(total.m_commonCorridor), Of(total.m_garage),
                   Of(total.m_housing)));
    EXPECT_EQ(2, site.m_appBuildingCount);
    EXPECT_EQ(1, site.m_otherBuildingCount);
    EXPECT_EQ("15.5|4|1|9.5|2|0",
              Join(Number(site.m_appMaxHeight), std::to_string(site.m_appFloorsAbove),
                   std::to_string(site.m_appFloorsBelow), Number(site.m_otherMaxHeight),
                   std::to_string(site.m_otherFloorsAbove), std::to_string(site.m_otherFloorsBelow)));
    EXPECT_EQ("M1|鉄筋表", Of(site.m_mainStrKind));
    const ZnModelAppTenkuritu& exemption = site.m_tenkuritu;
    EXPECT_EQ("1|1|0|1",
              Join(std::to_string(exemption.m_first), std::to_string(exemption.m_roadLimitExempt),
                   std::to_string(exemption.m_adjacentLimitExempt), std::to_string(exemption.m_northLimitExempt)));
    EXPECT_EQ(CString("許可ソ"), site.m_permitText);
    EXPECT_EQ("02220901|02230331", Join(Of(site.m_constStartDate), Of(site.m_constEndDate)));
    EXPECT_EQ("1|02221001|基礎工事", Of(site.m_specStageDate));
    EXPECT_EQ("その他表|備考ポ|変更ソ",
              Join(Text(site.m_otherMatters), Text(site.m_remarks), Text(site.m_changeSummary)));
    EXPECT_EQ(Strings({"M2|木造", "M3|鉄骨"}), Of(site.m_strKindList));
    EXPECT_EQ(Strings({"1|02221101|中間一", "2|02221201|中間二"}), Of(site.m_specStageList));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(i + 1, site.m_sitePos1.m_values[i]);
        EXPECT_EQ(i + 9, site.m_sitePos2.m_values[i]);
    }
}

TEST(ZnOldFormReaderBuildConf, ReadsTheAccompanyingApplications)
{
    std::unique_ptr<ZnModelAppBuildConf> app = ReadFloppy();
    ASSERT_TRUE(app);
    const ZnModelAppWith& with = app->m_with;
    EXPECT_EQ(Strings({"1|LK|エレベーター|LU|乗用|600|9|60|その他L"}), Of(with.m_liftList));
    EXPECT_EQ(Strings({"3|給水設備|"}), Of(with.m_equipList));
    EXPECT_EQ(Strings({"2|LK2|小荷物|LU2|荷物|200|0|45|その他L2"}), Of(with.m_liftList2));
    EXPECT_EQ(Strings({"4|SK|擁壁|2.5|RC造|1|新築表|0||0||0||備考S", "0|||0||0||0||0||1|その他工事|"}),
              Of(with.m_structList));
}

TEST(ZnOldFormReaderBuildConf, ReadsOneBuildingPagePerBuilding)
{
    std::unique_ptr<ZnModelAppBuildConf> app = ReadFloppy();
    ASSERT_TRUE(app);
    const ZnModelAppBuildPageList& pages = app->m_buildPageList;
    ASSERT_EQ(2, pages.GetCount());

    // The first building names key "1", the second of page 110's keys: the second constructor.
    const ZnModelAppBuildPage& first = *pages.GetAtIndex(0);
    EXPECT_EQ(1, first.m_buildingNumber);
    EXPECT_EQ("施工二||14|許002|営業所二||222|2222|住所二|03|2|2", Of(first.m_constructor));
    EXPECT_EQ(Of(ZnModelDesigner()), Of(first.m_designer));
    EXPECT_EQ(Of(ZnModelEquipDesigner()), Of(first.m_equipDesigner));
    EXPECT_EQ(Of(ZnModelDesigner()), Of(first.m_supervisor));
    EXPECT_EQ(Strings({"08010|事務所", "08020|店舗ソ", "08030|倉庫"}), Of(first.m_usageList));
    EXPECT_EQ("1100000", Flags(first.m_constKind));
    EXPECT_EQ("M1|鉄筋コンクリート造", Of(first.m_strKind));
    EXPECT_EQ(Strings({"M2|木造ポ"}), Of(first.m_strKindList));
    EXPECT_EQ(CString("F1"), first.m_fireProofCode.m_code);
    EXPECT_EQ("4|1|1|0|15.5|14.25|給水表",
              Join(std::to_string(first.m_floorsAboveGround), std::to_string(first.m_floorsBelowGround),
                   std::to_string(first.m_penthouseFloors), std::to_string(first.m_basementStoreFloors),
                   Number(first.m_maxHeight), Number(first.m_maxEavesHeight), Text(first.m_equipKinds)));
    EXPECT_EQ("0|B2|型式123|認証456", Join(std::to_string(first.m_confException.m_noException),
                                           Text(first.m_confException.m_buildingClassCode.m_code),
                                           Text(first.m_confException.m_text), Text(first.m_certNumber)));
    EXPECT_EQ("屋根表|外壁ソ|軒裏ポ|45|水洗|その他必要|変更概要一",
              Join(Text(first.m_roof), Text(first.m_outerWall), Text(first.m_eaves),
                   std::to_string(first.m_roomFloorHeight), Text(first.m_toiletKind), Text(first.m_text2),
                   Text(first.m_changeSummary)));
    // The third 13900 record of data "6.40" is read and ignored.
    EXPECT_EQ("備考一|備考二|備考三", Join(Text(first.m_remarks1), Text(first.m_remarks2), Text(first.m_remarks3)));
    // Page 140's floors, with the areas of page 130's floors of the same designation.
    EXPECT_EQ(Strings({"F1|100.5|20.25|30|2800|3200|2500|[08010|事務所表|80.5][08020|店舗|20]|その他F|備考F|変更F",
                       "F3|0|0|0|0|0|0||||", "B1|30.5|0|0|0|0|0||||"}),
              Of(first.m_floorOutlineList));

    // The second building names key "2", the first key. Its special case starts afresh: an apply
    // code that is neither "03600" nor "03601" leaves the flag at 1.
    const ZnModelAppBuildPage& second = *pages.GetAtIndex(1);
    EXPECT_EQ(2, second.m_buildingNumber);
    EXPECT_EQ("施工一||13|許001|営業所一||111|1111|住所一|03|1|1", Of(second.m_constructor));
    EXPECT_EQ(Strings({"08040|住宅"}), Of(second.m_usageList));
    EXPECT_EQ("1|B1|型式2|認証2", Join(std::to_string(second.m_confException.m_noException),
                                       Text(second.m_confException.m_buildingClassCode.m_code),
                                       Text(second.m_confException.m_text), Text(second.m_certNumber)));
    EXPECT_EQ("|二の備考二|", Join(Text(second.m_remarks1), Text(second.m_remarks2), Text(second.m_remarks3)));
    EXPECT_EQ(Strings({"F2|40.5|0|25|0|0|0||||"}), Of(second.m_floorOutlineList));
}

TEST(ZnOldFormReaderBuildConf, BuildsTheHeaderAndTheCommonValues)
{
    std::unique_ptr<ZnModelAppBuildConf> app = ReadFloppy();
    ASSERT_TRUE(app);
    const ZnModelAppHeader& header = app->m_header;
    const ZnModelAppLocalData& local = header.m_localData;
    EXPECT_EQ(7, header.m_headerNumber);
    EXPECT_EQ(CString("100001"), local.m_documentKind.m_code);
    EXPECT_EQ(Strings({"1|R-101", "2|R-102"}), Of(local.m_buildingNumGroups));
    EXPECT_EQ(1, local.m_firstLocalNumber);
    EXPECT_EQ(Strings({"1|"}), Of(local.m_liftNumGroups));
    EXPECT_EQ(Strings({"3|"}), Of(local.m_equipmentNumGroups));
    EXPECT_EQ(Strings({"2|"}), Of(local.m_secondLiftNumGroups));
    EXPECT_EQ(Strings({"4|", "0|"}), Of(local.m_structureNumGroups));
    EXPECT_EQ("02220903", Of(app->m_applicationDate));
}

TEST(ZnOldFormReaderBuildConf, ReadsTheSameWhenItsCallerSetsItUp)
{
    std::unique_ptr<ZnModelAppBuildConf> loaded = ReadFloppy();
    ASSERT_TRUE(loaded);
    // As the inspection readers set theirs up: no index, the number of buildings written "%d".
    ZnOldFormReaderBuildConf reader;
    reader.m_basePath = Floppy();
    reader.m_formFolder = "Keikaku\\";
    reader.m_appTypeCode = "100001";
    reader.m_indexColumns[ZnOldFormReader::columnBuildings].Format("%d", 2);
    reader.m_rowNumbers.Add("R-101");
    reader.m_rowNumbers.Add("R-102");
    std::unique_ptr<ZnModelApp> direct(reader.Read());
    ASSERT_TRUE(direct);
    EXPECT_EQ(Strings({"1|R-101", "2|R-102"}), Of(direct->m_header.m_localData.m_buildingNumGroups));
    // Only the values of the index that the caller did not give differ.
    direct->m_header = loaded->m_header;
    direct->m_applicationDate = loaded->m_applicationDate;
    EXPECT_EQ(testsupport::Hex(Stored(*loaded)), testsupport::Hex(Stored(*direct)));
}

TEST(ZnOldFormReaderBuildConf, DocumentStoresAndLoadsBackWhole)
{
    std::unique_ptr<ZnModelAppBuildConf> app = ReadFloppy();
    ASSERT_TRUE(app);
    ZnModelAppBuildConf loaded;
    ExpectLoadsBackWhole(*app, loaded);
    EXPECT_EQ(Of(app->m_buildPageList.GetHead()->m_floorOutlineList),
              Of(loaded.m_buildPageList.GetHead()->m_floorOutlineList));
}
