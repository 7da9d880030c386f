// The readers of the lift form, for lifts of buildings and of structures, confirmations and
// plan changes.
#include "tests/readers/KindReaderSupport.h"

using readertest::CaseFolder;
using readertest::HeaderListing;
using readertest::ReadApp;

TEST(ZnOldLiftFormReaders, GiveBuildingNumberOneWithoutLiftsAndTakeARecordOnTheFirstLine)
{
    CaseFolder folder;
    folder.Form("Ksq001.160", "#16100,\"最初の行\"\n");
    std::unique_ptr<ZnOldFormReader> reader = folder.Reader("100002");
    reader->SetBuildingNo(9);
    std::unique_ptr<ZnModelApp> app = ReadApp(*reader);
    ASSERT_TRUE(app);
    EXPECT_EQ(readertest::IndexHeader("100002", 1), HeaderListing(*app));
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
