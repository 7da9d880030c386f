#include "tests/support/ScriptedUi.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/ConfDocTestData.h"

#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "writers/xml/ZnAppDocFDOut30.h"

using namespace sampleparties;
using confdoc::Expected;
using confdoc::XmlProblems;
using testsupport::Hex;

namespace {

const LPCTSTR fileName = "申請書データ.xml";

ZnModelAppRightMod Change(LPCTSTR docKind, LPCTSTR summary)
{
    ZnModelAppRightMod change;
    change.m_docKind = docKind;
    change.m_summary = summary;
    return change;
}

ZnModelPastInspDate PastInspection(int count, LPCTSTR stage, const ZnModelNum& certificate)
{
    ZnModelPastInspDate record;
    record.m_count = count;
    record.m_stageName = stage;
    record.m_certificate = certificate;
    return record;
}

// The inspection application of the second slot: every person with a further entry that is
// written and one that is not, two certificates, the kinds of construction, dates and changes.
ZnModelAppInspConf* NewInspection()
{
    ZnModelAppInspConf* inspection = new ZnModelAppInspConf;
    inspection->m_text1 = "監理花子";

    // Only 1 counts for the structural statement; the equipment certificate without either
    // paragraph is not written.
    inspection->m_designer = Architect({"301", "00214", "300001", "検査設計", "", "101", "00411", "埼玉第5号",
                                        {"検査設計室", "", "330", "0001", "さいたま市1-1", "048", "111", "2222"},
                                        "意匠図&構造図", 1, 2, "構造第10号", 0, 0, "設備第20号"});
    inspection->m_designerList.AddCopy(
        Architect({"302", "00200", "400002", "設計三郎", "", "", "", "", {}, "設備図", 0, 1, "構造第11号"}));

    ZnModelEquipDesigner& adviser = inspection->m_equipAdviser;
    adviser.m_name.m_name = "意見太郎";
    adviser.m_individualData = Person({"意見設備事務所", "", "104", "0061", "中央区銀座2-2", "03", "5555", "6666"});
    adviser.m_registrationNumber = "設備第7号";
    adviser.m_designDocuments = "空調図";
    ZnModelEquipDesigner furtherAdviser;
    furtherAdviser.m_name.m_name = "意見次郎";
    furtherAdviser.m_designDocuments = "給排水図";
    inspection->m_equipAdviserList.AddTail(nullptr);
    inspection->m_equipAdviserList.AddCopy(furtherAdviser);

    inspection->m_supervisor = Architect({"103", "00226", "500005", "監理一郎", "", "303", "00427", "大阪第9号",
                                          {"監理事務所", "", "530", "0002", "大阪市北区2-2", "06", "1234", "0000"},
                                          "工事監理図書"});
    inspection->m_supervisorList.AddCopy(Architect({"", "", "", "監理二郎", "", "", "", "", {}, "監理図"}));

    inspection->m_constructor = Constructor(Name("施工三郎"), "00513", "東京都知事(般-22)第5号",
                                            {"三郎建設", "", "100", "0005", "千代田区丸の内1-1", "03", "0000", "1111"});
    ZnModelConstructor unnamed; // left out, and takes no order
    unnamed.m_registrationNumber = "無視";
    inspection->m_constructorList.AddCopy(unnamed);
    inspection->m_constructorList.AddTail(nullptr);
    ZnModelConstructor named;
    named.m_name.m_name = "施工四郎";
    inspection->m_constructorList.AddCopy(named);

    inspection->m_remarks2 = "二面の\r\n備考";
    inspection->m_buildingName.m_name = "銀座ビル";
    inspection->m_buildingName.m_nameReading = "ギンザビル";
    inspection->m_siteLot.m_address = "中央区銀座1丁目1番";
    inspection->m_siteDisplay.m_address = "中央区銀座1-1-1";
    inspection->m_buildType.SetCode("03702");
    inspection->SetConstKind("01601");
    inspection->SetConstKind("01602");
    inspection->m_kindRemodel = 3; // any flag but 0 counts
    inspection->m_confCert = Number("第H22確認建築00001号", Date(2010, 4, 1), "東京都");
    inspection->m_confCertList.AddCopy(Number("第H22確認建築00002号", Date(2010, 5, 6), "建築主事<A>"));
    inspection->m_confCertList.AddTail(nullptr);
    inspection->m_startDate = Date(2010, 6, 1);
    inspection->m_endDate = Date(2011, 3, 31);
    inspection->m_inspArea = 1234.5;
    inspection->m_rightMod = Change("平面図", "間仕切り&変更");
    inspection->m_rightModList.AddCopy(Change("", "")); // says nothing: left out
    inspection->m_rightModList.AddTail(nullptr);
    inspection->m_rightModList.AddCopy(Change("立面図", ""));
    inspection->m_remarks3 = "三面の\r\n備考";
    return inspection;
}

ZnModelAppRegInspConf* NewInterim()
{
    ZnModelAppRegInspConf* interim = new ZnModelAppRegInspConf;
    interim->m_stage.m_count = 1;
    interim->m_stage.m_date = Date(2010, 12, 15);
    interim->m_stage.m_name = "基礎配筋工事";
    interim->m_pastInsp = PastInspection(3, "一回目&", Number("第1号", Date(2010, 9, 1), "東京都"));
    interim->m_pastInspList.AddTail(nullptr);
    interim->m_pastInspList.AddCopy(ZnModelPastInspDate());
    // A count of 0 with a date is no empty record: "00".
    interim->m_nextStage.m_date = Date(2011, 1, 20);
    ZnModelInspDate later;
    later.m_count = 12;
    later.m_name = "屋根工事";
    interim->m_nextStageList.AddCopy(later);
    interim->m_specialCertNo = "認証\r\n第123号";
    return interim;
}

ZnModelAppCompInspConf* NewCompletion()
{
    ZnModelAppCompInspConf* completion = new ZnModelAppCompInspConf;
    completion->m_pastInspList.AddCopy(PastInspection(2, "二回目", Number("第2号", Date(2010, 11, 1), "検査機関")));
    completion->m_specialCertNo = "";
    return completion;
}

// A shell with the sample code tables and the filled application root, in which a test puts an
// inspection document.
class InspectionWriter : public ::testing::Test {
protected:
    ZnModelAppInspConf& SetInterim(int objKind)
    {
        m_shell.docType = 1002;
        m_shell.objKind = objKind;
        m_shell.ReplaceModel(ZnShellState::subFormModelSlot, NewInterim());
        return SetInspection();
    }
    ZnModelAppInspConf& SetCompletion(int objKind)
    {
        m_shell.docType = 1005;
        m_shell.objKind = objKind;
        m_shell.ReplaceModel(ZnShellState::subFormModelSlot, NewCompletion());
        return SetInspection();
    }
    std::string Write(int selector)
    {
        ZnAppDocFDOut30::WriteXml(selector, 0, m_output.WinPath(fileName));
        return m_output.Written(fileName);
    }
    void ExpectWritten(int selector, const std::string& expected)
    {
        std::string written = Write(selector);
        EXPECT_EQ(Hex(Expected(expected)), Hex(written));
        EXPECT_EQ("", XmlProblems(written));
    }

    confdoc::ConfDocShell m_shell;
    confdoc::OutputFolder m_output;

private:
    ZnModelAppInspConf& SetInspection()
    {
        ZnModelAppInspConf* inspection = NewInspection();
        m_shell.ReplaceModel(ZnShellState::formModelSlot, inspection);
        return *inspection;
    }
};

// The confirmation-certificate elements as written (UTF-8).
std::string CertificateLines(const std::string& written)
{
    size_t start = written.find(u8"\t\t<確認済証番号>");
    size_t end = written.find(u8"\t\t<工事着手日>");
    return start == std::string::npos || end == std::string::npos ? std::string() : written.substr(start, end - start);
}

} // namespace

TEST_F(InspectionWriter, InterimOfABuildingWithTheFirstFurtherCertificate)
{
    SetInterim(1023);
    ExpectWritten(2, "inspection_interim_building.xml");
}

TEST_F(InspectionWriter, CompletionOfALiftWithTheInspectionsOwnCertificate)
{
    ZnModelAppInspConf& inspection = SetCompletion(1012);
    inspection.m_kindNew = 0;
    inspection.m_inspArea = 0.004; // "0.00": empty
    ExpectWritten(1, "inspection_completion_lift.xml");
}

TEST_F(InspectionWriter, CertificateSelectorThatNamesNoCertificateWritesItsElementsEmpty)
{
    SetCompletion(1018);
    const std::string empty = u8"\t\t<確認済証番号></確認済証番号>\r\n"
                              u8"\t\t<確認済証交付日></確認済証交付日>\r\n"
                              u8"\t\t<確認済証交付者></確認済証交付者>\r\n";
    // A null entry, entries past the end of the list, and selectors below 1.
    for (int selector : {3, 4, 1000, 0, -1, -2147483647 - 1})
        EXPECT_EQ(empty, CertificateLines(Write(selector))) << selector;
    EXPECT_EQ(u8"\t\t<確認済証番号>第H22確認建築00002号</確認済証番号>\r\n"
              u8"\t\t<確認済証交付日>20100506</確認済証交付日>\r\n"
              u8"\t\t<確認済証交付者>建築主事&lt;A&gt;</確認済証交付者>\r\n",
              CertificateLines(Write(2)));
}

TEST_F(InspectionWriter, AreaIsWrittenWholeAndCountsNeverOverflow)
{
    ZnModelAppInspConf& inspection = SetCompletion(1016);
    inspection.m_inspArea = 12345678.5;
    auto* completion = static_cast<ZnModelAppCompInspConf*>(m_shell.GetModel(ZnShellState::subFormModelSlot));
    completion->m_pastInsp.m_count = 2147483647;
    completion->m_pastInsp.m_stageName = "x";
    std::string written = Write(1);
    EXPECT_NE(std::string::npos, written.find(u8"\t    <検査対象床面積>12345678.50</検査対象床面積>\r\n"));
    EXPECT_NE(std::string::npos, written.find(u8"<実施回数>2147483647</実施回数>"));
    EXPECT_NE(std::string::npos, written.find(u8"<検査を申請する建築物等2>工作物（法第８８条第１項）<"));

    inspection.m_inspArea = -1234567.5;
    EXPECT_NE(std::string::npos, Write(1).find(u8"<検査対象床面積>-1234567.50</検査対象床面積>"));
}

TEST_F(InspectionWriter, MissingModelsAreReportedBeforeTheFileIsOpened)
{
    RecordingUi ui;
    SetInterim(1023);
    // No second model; no third; a completion model on an interim document, and the reverse.
    m_shell.ReplaceModel(ZnShellState::formModelSlot, nullptr);
    Write(1);
    SetInterim(1023);
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, nullptr);
    Write(1);
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppCompInspConf);
    Write(1);
    m_shell.docType = 1005;
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppRegInspConf);
    Write(1);
    // No application root.
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelAppCompInspConf);
    m_shell.ReplaceModel(ZnShellState::appModelSlot, nullptr);
    Write(1);
    confdoc::ExpectStopMessages(ui.messageBoxes, 5, "申請書データの出力に必要な文書のデータがありません。");
    EXPECT_EQ("", m_output.Written(fileName));
}

TEST_F(InspectionWriter, FileThatCannotBeOpenedIsReported)
{
    RecordingUi ui;
    SetCompletion(1023);
    ZnAppDocFDOut30::WriteXml(1, 0, m_output.WinPath("missing\\申請書データ.xml"));
    confdoc::ExpectStopMessages(ui.messageBoxes, 1, "様式ファイルのオープンに失敗しました。");
    EXPECT_EQ("", m_output.Written(fileName));
}
