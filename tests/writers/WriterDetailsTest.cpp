// What the stored documents leave open: an inspection's certificate selector, large areas and
// counts, the use zone and the construction kinds of a structure, the building's application
// number, a face written without its plan change, and the faces added to their file.
#include "tests/support/TestSupport.h"
#include "tests/writers/WriterTestSupport.h"
#include "tests/writers/XmlCheck.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppSemiStrConf.h"

#include <regex>

using namespace writertest;

namespace {

class WriterDetails : public ::testing::Test {
protected:
    // Writes into a new file (the faces add to theirs).
    std::string Write(const std::string& writer)
    {
        CString name = std::to_string(++m_files).c_str();
        EXPECT_EQ(ZnWriteOutcome::written, writertest::Write(writer, m_output.WinPath(name)));
        return m_output.Written(name);
    }
    // How often text occurs in the written bytes.
    static int Count(const std::string& written, const std::string& text)
    {
        int count = 0;
        for (size_t at = written.find(text); at != std::string::npos; at = written.find(text, at + 1))
            ++count;
        return count;
    }
    // The text of the one element of a tag in the structure's file (UTF-8).
    std::string Element(const std::string& tag)
    {
        std::string written = Write("FDOut16");
        std::smatch found;
        EXPECT_TRUE(std::regex_search(written, found, std::regex("<" + tag + ">([^<]*)</" + tag + ">"))) << tag;
        return found.size() > 1 ? found[1].str() : std::string();
    }
    // A new structure confirmation after the root alone.
    ZnModelAppSemiStr& NewStructure()
    {
        m_shell.docType = 1000;
        m_shell.Put(ZnShellState::formModelSlot, "ZnModelAppSemiStrConf");
        return m_shell.Get<ZnModelAppSemiStr>(ZnShellState::formModelSlot);
    }

    WriterShell m_shell;
    OutputFolder m_output;
    int m_files = 0;
};

// The confirmation-certificate elements as written (UTF-8).
std::string CertificateLines(const std::string& written)
{
    size_t start = written.find(u8"\t\t<確認済証番号>");
    size_t end = written.find(u8"\t\t<工事着手日>");
    return start == std::string::npos || end == std::string::npos ? std::string() : written.substr(start, end - start);
}

} // namespace

TEST_F(WriterDetails, CertificateSelectorThatNamesNoCertificateWritesItsElementsEmpty)
{
    m_shell.Install("inspection_completion_lift");
    m_shell.objKind = 1018;
    const std::string empty = u8"\t\t<確認済証番号></確認済証番号>\r\n"
                              u8"\t\t<確認済証交付日></確認済証交付日>\r\n"
                              u8"\t\t<確認済証交付者></確認済証交付者>\r\n";
    // A null entry, entries past the end of the list, and selectors below 1.
    for (int selector : {3, 4, 1000, 0, -1, -2147483647 - 1})
        EXPECT_EQ(empty, CertificateLines(Write("FDOut30 " + std::to_string(selector)))) << selector;
}

TEST_F(WriterDetails, InspectionAreaIsWrittenWholeAndCountsNeverOverflow)
{
    m_shell.Install("inspection_completion_lift");
    m_shell.objKind = 1016;
    auto& inspection = m_shell.Get<ZnModelAppInspConf>(ZnShellState::formModelSlot);
    inspection.m_inspArea = 12345678.5;
    auto& completion = m_shell.Get<ZnModelAppCompInspConf>(ZnShellState::subFormModelSlot);
    completion.m_pastInsp.m_count = 2147483647;
    completion.m_pastInsp.m_stageName = "x";
    std::string written = Write("FDOut30 1");
    EXPECT_EQ(1, Count(written, u8"\t    <検査対象床面積>12345678.50</検査対象床面積>\r\n"));
    EXPECT_EQ(1, Count(written, u8"<実施回数>2147483647</実施回数>"));
    EXPECT_EQ(1, Count(written, u8"<検査を申請する建築物等2>工作物（法第８８条第１項）<"));
    inspection.m_inspArea = -1234567.5;
    EXPECT_EQ(1, Count(Write("FDOut30 1"), u8"<検査対象床面積>-1234567.50</検査対象床面積>"));
}

TEST_F(WriterDetails, StructureUseZoneIsTheFirstZonesNameWithTwoNamesCompleted)
{
    ZnModelUseZoneCodeList& zones = NewStructure().m_useZoneCodeList;
    ZnModelUseZoneCode zone;
    zone.SetCode("00902");
    zones.AddCopy(zone);
    EXPECT_EQ(u8"第二種低層住居専用地域", Element(u8"用途地域"));
    zones.GetHead()->SetCode("00909");
    EXPECT_EQ(u8"商業地域", Element(u8"用途地域"));
    // A zone that the application's table leaves out, a code of no row, a list that begins with
    // a null though a zone follows, and no list.
    for (const char* code : {"00990", "99999"}) {
        zones.GetHead()->SetCode(code);
        EXPECT_EQ("", Element(u8"用途地域"));
    }
    zones.AddHead(static_cast<CObject*>(nullptr));
    EXPECT_EQ("", Element(u8"用途地域"));
    zones.DeleteAll();
    EXPECT_EQ("", Element(u8"用途地域"));
}

TEST_F(WriterDetails, StructureConstructionKindsQuantitiesAndCounts)
{
    ZnModelAppSemiStr& form = NewStructure();
    // Only the new-construction flag: an empty list, no other text.
    form.SetConstKind("01601", "新築の文字");
    form.m_otherText = "無視";
    form.m_height = 12.0;
    form.m_buildArea.m_otherPart = 3.0;
    form.m_otherStructCount = 1;
    std::string written = Write("FDOut16");
    EXPECT_EQ(1, Count(written, u8"\t\t\t\t\t<工事種別区分1>新築</工事種別区分1>\r\n"
                                u8"\t\t\t\t\t<新築以外工事種別リスト>\r\n"
                                u8"\t\t\t\t\t</新築以外工事種別リスト>\r\n"
                                u8"\t\t\t\t\t<その他工事種別></その他工事種別>\r\n"));
    EXPECT_EQ(1, Count(written, u8"<高さ>12</高さ>"));
    EXPECT_EQ(1, Count(written, u8"<築造面積>\r\n\t\t\t\t\t<合計>3.00</合計>\r\n"
                                u8"\t\t\t\t\t<申請以外の部分>3.00</申請以外の部分>\r\n"
                                u8"\t\t\t\t\t<申請部分></申請部分>\r\n"));
    EXPECT_EQ(1, Count(written, u8"<工作物の数>\r\n\t\t\t\t\t<合計>1</合計>\r\n"
                                u8"\t\t\t\t\t<申請以外の部分>1</申請以外の部分>\r\n"
                                u8"\t\t\t\t\t<申請部分></申請部分>\r\n"));
    // Counts at the limit add up without overflowing.
    form.m_appStructCount = 2147483647;
    form.m_otherStructCount = 2147483647;
    form.m_height = 0.4;
    written = Write("FDOut16");
    EXPECT_EQ(1, Count(written, u8"<工作物の数>\r\n\t\t\t\t\t<合計>4294967294</合計>\r\n"));
    EXPECT_EQ(1, Count(written, u8"<高さ></高さ>"));
}

TEST_F(WriterDetails, BuildingNumberComesFromTheFirstGroupPresentAndTheDateOnlyFromTheHeadGroup)
{
    m_shell.Install("building_application_plan_change");
    ZnModelNumGroupList& groups =
        m_shell.Get<ZnModelApp>(ZnShellState::appModelSlot).m_header.m_localData.m_buildingNumGroups;
    groups.AddHead(static_cast<CObject*>(nullptr));
    std::string face = Write("faces 1");
    EXPECT_EQ(1, Count(face, u8"<申請番号>R02-001</申請番号>"));
    EXPECT_EQ(1, Count(face, u8"<申請日>"));
    EXPECT_EQ(1, Count(face, u8"<申請日></申請日>"));

    // In the application mode there is no application number at all; a date without its day
    // is written without it.
    m_shell.docMode = 32786;
    groups.DeleteAll();
    ZnModelNumGroup group;
    group.m_firstNumber.m_date.m_yearCode.m_year = 2010;
    group.m_firstNumber.m_date.m_month = 11;
    groups.AddCopy(group);
    face = Write("faces 1");
    EXPECT_EQ(0, Count(face, u8"<申請番号>"));
    EXPECT_EQ(1, Count(face, u8"<申請日>201011</申請日>"));
}

TEST_F(WriterDetails, BuildingPlanChangeWithoutItsPlanChangeIsReportedAndTheRestOfTheFaceWritten)
{
    m_shell.Install("building_populated_confirmation");
    m_shell.docType = 1008; // the third slot holds a confirmation
    RecordingUi ui;
    std::string face = Write("faces 1");
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ(CString("出力する申請書のデータが読み込まれていません。"), ui.messageBoxes[0].text);
    EXPECT_EQ(0, Count(face, u8"<計画を変更する直前の確認>"));
    EXPECT_EQ(1, Count(face, u8"<申請先>東京都建築主事</申請先>"));
    EXPECT_TRUE(xmlcheck::IsWellFormedFragment(face));
}

// The faces add to what their file holds, the first as the others, and from the third on they
// are written without an application root.
TEST_F(WriterDetails, FacesAddToTheirFileAndFromTheThirdOnNeedNoApplicationRoot)
{
    m_shell.Install("building_application_confirmation");
    std::string firstTwo = Write("faces 1 2");
    std::string lastThree = Write("faces 3 4 5");
    CString path = m_output.WinPath("faces");
    RecordingUi ui;
    EXPECT_EQ(ZnWriteOutcome::written, writertest::Write("faces 1 2", path));
    EXPECT_EQ(ZnWriteOutcome::written, writertest::Write("faces 1 2", path));
    m_shell.Put(ZnShellState::appModelSlot, "");
    EXPECT_EQ(ZnWriteOutcome::written, writertest::Write("faces 3 4 5", path));
    EXPECT_EQ(firstTwo + firstTwo + lastThree, m_output.Written("faces"));
    EXPECT_TRUE(ui.messageBoxes.empty());
}
