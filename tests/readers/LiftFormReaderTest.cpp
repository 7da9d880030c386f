// The readers of the lift form, for lifts of buildings and of structures, confirmations and
// plan changes.
#include "tests/readers/KindReaderSupport.h"

#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppStrLiftConf.h"
#include "model/ZnModelAppStrLiftMod.h"

using readertest::CaseFolder;
using readertest::FamilyListing;
using readertest::HeaderListing;
using readertest::MakeReader;
using readertest::ReadApp;

namespace {

std::string Fixture() { return testsupport::DataPath("readers/lift_forms"); }
std::string Expected() { return readertest::ExpectedListing("lift.txt"); }

std::string Header(const char* kind, int buildingNumber)
{
    return std::string("headerNumber: 7\ndocumentKind: ") + kind + "\nfirstLocalNumber: 0\nbuildingNumGroups[0]: (" +
           std::to_string(buildingNumber) + ", (R-1, 02 0-0-0, ), (, 02 0-0-0, ))\n";
}

const char planChange[] = "prevConfNum: (第200号, 02 1999-2-2, 知事)\nplanChangeSummary: 概要二\n";

} // namespace

TEST(ZnOldLiftFormReaders, ReadEveryItemOfTheFormWithTheIndexHeader)
{
    const struct {
        LPCTSTR code;
        const char* className;
        int buildingNumber; // the last lift's for a confirmation
    } cases[] = {
        {"100002", "ZnModelAppLiftConf", 5},
        {"100005", "ZnModelAppStrLiftConf", 5},
        {"100302", "ZnModelAppLiftMod", 1},
        {"100305", "ZnModelAppStrLiftMod", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        std::unique_ptr<ZnOldFormReader> reader = MakeReader(Fixture(), c.code);
        ASSERT_TRUE(reader);
        std::unique_ptr<ZnModelApp> app = ReadApp(*reader);
        ASSERT_TRUE(app);
        EXPECT_STREQ(c.className, app->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(CString(c.className), reader->m_targetClassName);
        EXPECT_EQ(Header(c.code, c.buildingNumber), HeaderListing(*app));
        EXPECT_EQ(Expected(), FamilyListing<ZnModelAppLift>(app.get()));
        if (auto* mod = dynamic_cast<ZnModelAppPlanChange<ZnModelAppLift>*>(app.get()))
            EXPECT_EQ(planChange, readertest::PlanChangeListing(*mod));
        else
            EXPECT_NE('3', c.code[3]);

        std::unique_ptr<ZnModelApp> again = ReadApp(*reader);
        ASSERT_TRUE(again);
        EXPECT_EQ(HeaderListing(*app), HeaderListing(*again));
        EXPECT_EQ(Expected(), FamilyListing<ZnModelAppLift>(again.get()));
    }
}

TEST(ZnOldLiftFormReaders, GiveBuildingNumberOneWithoutLiftsAndTakeARecordOnTheFirstLine)
{
    CaseFolder folder;
    folder.Form("Ksq001.160", "#16100,\"最初の行\"\n");
    std::unique_ptr<ZnOldFormReader> reader = folder.Reader("100002");
    reader->SetBuildingNo(9);
    std::unique_ptr<ZnModelApp> app = ReadApp(*reader);
    ASSERT_TRUE(app);
    EXPECT_EQ(Header("100002", 1), HeaderListing(*app));
    EXPECT_EQ(CString("最初の行"), static_cast<ZnModelAppLift*>(app.get())->m_note);
}

TEST(ZnOldLiftFormReaders, PassOverAReadingLeftOutWithTwoCommas)
{
    CaseFolder folder;
    folder.Form("Ksq001.160", "#16050,\"所在地\",\"ヨミ\",\"名称\",\"用途\"\n#16050,\"別\",,\"名\",\"用\"\n");
    std::unique_ptr<ZnModelApp> app = ReadApp(*folder.Reader("100002"));
    ASSERT_TRUE(app);
    const ZnModelAppLift& lift = *static_cast<ZnModelAppLift*>(app.get());
    EXPECT_EQ(CString("所在地"), lift.m_address.m_address);
    EXPECT_EQ(CString("ヨミ"), lift.m_name.m_nameReading);
    EXPECT_EQ(CString("用途"), lift.m_usageText);
}

TEST(ZnOldLiftFormReaders, GiveNullWhenAFormDoesNotOpen)
{
    CaseFolder folder;
    for (LPCTSTR code : {"100002", "100005", "100302", "100305"})
        EXPECT_EQ(nullptr, folder.Reader(code)->Read()) << code;
    folder.Form("Ksq001.420", "#42010,\"1\",\"02010101\",\"x\",\"y\"\n");
    EXPECT_EQ(nullptr, folder.Reader("100302")->Read());
    EXPECT_EQ(nullptr, folder.Reader("100305")->Read());
    folder.Form("Ksq001.160", "");
    EXPECT_NE(nullptr, ReadApp(*folder.Reader("100002")));
    EXPECT_NE(nullptr, ReadApp(*folder.Reader("100305")));
}

TEST(ZnOldLiftFormReaders, FindTheirFilesWhateverTheLetterCase)
{
    CaseFolder folder;
    mkdir((folder.Path() + "/KEIKAKU").c_str(), 0777);
    rmdir((folder.Path() + "/Keikaku").c_str());
    folder.Write("KEIKAKU/KSQ001.420", "#42010,\"1\",\"02010101\",\"x\",\"y\"\n");
    folder.Write("KEIKAKU/KSQ001.160", "#16100,\"大文字\"\n");
    std::unique_ptr<ZnModelApp> app = ReadApp(*folder.Reader("100302"));
    ASSERT_TRUE(app);
    EXPECT_EQ(CString("大文字"), static_cast<ZnModelAppLift*>(app.get())->m_note);
    EXPECT_EQ(CString("y"), static_cast<ZnModelAppLiftMod*>(app.get())->m_planChangeSummary);
}
