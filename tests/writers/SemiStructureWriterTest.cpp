#include "tests/support/ScriptedUi.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/ConfDocTestData.h"

#include "model/ZnModelAppSemiStrConf.h"
#include "model/ZnModelAppSemiStrMod.h"
#include "model/ZnModelAppStructMod.h"
#include "writers/xml/ZnAppDocFDOut16.h"

#include <regex>

using confdoc::ConfDocShell;
using confdoc::Date;
using confdoc::Expected;
using confdoc::XmlProblems;
using testsupport::Hex;

namespace {

const LPCTSTR fileName = "申請書データ.xml";

// A structure application with every field of its own set; the owners, designers and
// constructors are those of the other confirmation documents.
void FillSemiStructure(ZnModelAppSemiStr& form)
{
    confdoc::FillPersons(form);
    form.m_lotAddress.m_address = "港区台場1番";
    form.m_displayAddress.m_address = "港区台場1-1";
    ZnModelUseZoneCode zone;
    zone.SetCode("00901");
    form.m_useZoneCodeList.AddCopy(zone);
    zone.SetCode("00909"); // only the first zone is written
    form.m_useZoneCodeList.AddCopy(zone);
    form.m_otherZoneText = "防火地域&準防火地域";
    form.m_usageCode.SetCode("01701");
    form.m_usageText = "観光用<遊戯施設>";
    form.m_height = 12.5; // half away from zero: 13
    form.SetConstKind("01602", "増築の文字");
    form.SetConstKind("01699", "移設&撤去");
    form.m_rebuildFlag = 2; // only 1 counts as set
    form.m_buildArea.m_appPart = 10.125;
    form.m_appStructCount = 2;
    form.m_structNote = "基礎\r\n深さ2m";
    form.m_constStartDate = Date(2010, 10, 1);
    form.m_permitLaw = "建築基準法\r\n第88条";
    form.m_note = "備考1行目\r\n2行目";
    form.m_name.m_name = "台場観覧車";
    form.m_name.m_nameReading = "ダイバカンランシャ";
    form.m_changeSummary = "変更\r\n概要";
}

class SemiStructureWriter : public ::testing::Test {
protected:
    std::string Write()
    {
        ZnAppDocFDOut16::WriteXml(m_output.WinPath(fileName), 1, CString(), CString());
        return m_output.Written(fileName);
    }
    void ExpectWritten(const std::string& expected)
    {
        std::string written = Write();
        EXPECT_EQ(Hex(Expected(expected)), Hex(written));
        EXPECT_EQ("", XmlProblems(written));
    }
    // The text of the one element of a tag in the written file (UTF-8).
    std::string Element(const std::string& tag)
    {
        std::string written = Write();
        std::smatch found;
        std::regex pattern("<" + tag + ">([^<]*)</" + tag + ">");
        EXPECT_TRUE(std::regex_search(written, found, pattern)) << tag;
        return found.size() > 1 ? found[1].str() : std::string();
    }

    ConfDocShell m_shell;
    confdoc::OutputFolder m_output;
};

} // namespace

TEST_F(SemiStructureWriter, Confirmation)
{
    FillSemiStructure(m_shell.SetConfirmation(new ZnModelAppSemiStrConf));
    ExpectWritten("semi_structure_confirmation.xml");
}

TEST_F(SemiStructureWriter, PlanChangeReadsTheChangeFromTheThirdModel)
{
    FillSemiStructure(m_shell.SetPlanChange(new ZnModelAppSemiStrMod, new ZnModelAppSemiStrMod));
    ExpectWritten("semi_structure_plan_change.xml");
}

TEST_F(SemiStructureWriter, UseZoneIsTheFirstZonesNameWithTwoNamesCompleted)
{
    ZnModelAppSemiStr& form = m_shell.SetConfirmation(new ZnModelAppSemiStrConf);
    ZnModelUseZoneCode zone;
    zone.SetCode("00902");
    form.m_useZoneCodeList.AddCopy(zone);
    EXPECT_EQ(u8"第二種低層住居専用地域", Element(u8"用途地域"));
    form.m_useZoneCodeList.GetHead()->SetCode("00909");
    EXPECT_EQ(u8"商業地域", Element(u8"用途地域"));
    // A zone that the application's table leaves out, and a code of no row.
    form.m_useZoneCodeList.GetHead()->SetCode("00990");
    EXPECT_EQ("", Element(u8"用途地域"));
    form.m_useZoneCodeList.GetHead()->SetCode("99999");
    EXPECT_EQ("", Element(u8"用途地域"));
    // A list that begins with a null writes nothing, though a zone follows.
    form.m_useZoneCodeList.AddHead(static_cast<CObject*>(nullptr));
    EXPECT_EQ("", Element(u8"用途地域"));
    form.m_useZoneCodeList.DeleteAll();
    EXPECT_EQ("", Element(u8"用途地域"));
}

TEST_F(SemiStructureWriter, ConstructionKindsQuantitiesAndCounts)
{
    ZnModelAppSemiStr& form = m_shell.SetConfirmation(new ZnModelAppSemiStrConf);
    // Only the new-construction flag: an empty list, no other text.
    form.SetConstKind("01601", "新築の文字");
    form.m_otherText = "無視";
    form.m_height = 12.0;
    form.m_buildArea.m_otherPart = 3.0;
    form.m_otherStructCount = 1;
    std::string written = Write();
    EXPECT_NE(std::string::npos, written.find(u8"\t\t\t\t\t<工事種別区分1>新築</工事種別区分1>\r\n"
                                              u8"\t\t\t\t\t<新築以外工事種別リスト>\r\n"
                                              u8"\t\t\t\t\t</新築以外工事種別リスト>\r\n"
                                              u8"\t\t\t\t\t<その他工事種別></その他工事種別>\r\n"));
    EXPECT_NE(std::string::npos, written.find(u8"<高さ>12</高さ>"));
    EXPECT_NE(std::string::npos, written.find(u8"<築造面積>\r\n\t\t\t\t\t<合計>3.00</合計>\r\n"
                                              u8"\t\t\t\t\t<申請以外の部分>3.00</申請以外の部分>\r\n"
                                              u8"\t\t\t\t\t<申請部分></申請部分>\r\n"));
    EXPECT_NE(std::string::npos, written.find(u8"<工作物の数>\r\n\t\t\t\t\t<合計>1</合計>\r\n"
                                              u8"\t\t\t\t\t<申請以外の部分>1</申請以外の部分>\r\n"
                                              u8"\t\t\t\t\t<申請部分></申請部分>\r\n"));
    // Counts at the limit add up without overflowing.
    form.m_appStructCount = 2147483647;
    form.m_otherStructCount = 2147483647;
    form.m_height = 0.4;
    written = Write();
    EXPECT_NE(std::string::npos, written.find(u8"<工作物の数>\r\n\t\t\t\t\t<合計>4294967294</合計>\r\n"));
    EXPECT_NE(std::string::npos, written.find(u8"<高さ></高さ>"));
}

TEST_F(SemiStructureWriter, MissingModelsAreReportedAndNothingIsWritten)
{
    RecordingUi ui;
    // No form; then a structure form of the other article; then a plan change without its
    // change record, and with the change record of another family.
    Write();
    m_shell.SetConfirmation(new ZnModelAppStructMod);
    Write();
    m_shell.SetPlanChange(new ZnModelAppSemiStrMod, new ZnModelAppSemiStrMod);
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, nullptr);
    Write();
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppStructMod);
    Write();
    confdoc::ExpectStopMessages(ui.messageBoxes, 4, "申請書データの出力に必要な文書のデータがありません。");
    EXPECT_EQ("", m_output.Written(fileName));
}
