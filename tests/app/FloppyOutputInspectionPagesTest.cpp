// The floppy-output pages of the Article 88(2) structure application and of the inspections, in a
// started program: what they list and load, the attachment test, and the floppies they write on a
// temporary folder that the drive table gives as drive A:, with a converter stand-in that records
// each run and the files of the floppy at that moment.
#include "tests/app/InspectionDocuments.h"
#include "tests/support/ShellTestSupport.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnFvAppCAFM16.h"
#include "app/ZnFvAppCAFM31.h"
#include "app/ZnFvAppCAFM32.h"
#include "fdoutput/ZnDlgAppFDOut16.h"
#include "fdoutput/ZnDlgAppFDOut31.h"
#include "fdoutput/ZnDlgAppFDOut32.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelAppRegInspConf.h"
#include "model/ZnModelAppSemiStrConf.h"
#include "model/ZnModelAppSemiStrMod.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyOutputIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "writers/xml/ZnAppDocFDOut16.h"

#include <sys/stat.h>

using inspectiontest::Inspection;
using inspectiontest::kRegister;
using testsupport::Cp932;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::StoreToBytes;
using testsupport::Utf8;
using testsupport::WriteFileBytes;

namespace {

// Appends its first argument and the floppy's files to runs.txt beside itself.
const char kConverter[] = "#!/bin/sh\nlog=\"$(dirname \"$0\")/runs.txt\"\nprintf 'run %s\\n' \"$1\" >> \"$log\"\n"
                          "if [ -d \"$1\" ]; then (cd \"$1\" && find . -type f | LC_ALL=C sort) >> \"$log\"; fi\n";

class InspectionPages : public ShellTest {
protected:
    InspectionPages()
    {
        MakeFolders({"app", "com", "obj", u8"obj/北町の家", "floppy"});
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + kRegister);
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:");
        WriteFileBytes(m_folder.Path("app/txt2xml"), kConverter);
        chmod(m_folder.Path("app/txt2xml").c_str(), 0755);
        WriteFileBytes(m_folder.Path("map.bmp"), ReadHexFixture("writers/bitmap_info40_1x1.hex"));
        SetDriveFolder('A', m_folder.Path("floppy"));
    }
    ~InspectionPages() override { ResetDriveTable(); }

    // Opens the page of the view class for the document type and the frame's object kind.
    template <class Page> Page& Open(CRuntimeClass* viewClass, int docType, int objKind = 0)
    {
        if (!m_started) {
            Start();
            m_started = true;
        }
        m_app.SetObjFolder(Windows("obj"));
        m_app.SetBukkenName(Cp932(u8"北町の家"));
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(32786);
        Frame().SetDocType(docType);
        Frame().SetObjKind(objKind);
        m_app.ChangeView(m_app.GetFormTemplate(viewClass));
        return ShownPage<Page>();
    }

    // Stores a document file of three slots in the property's folder.
    void StoreDocument(const char* fileName, ZnModel& app, ZnModel& form, ZnModel& subForm)
    {
        WriteFileBytes(m_folder.Path(std::string(u8"obj/北町の家/") + fileName), StoreToBytes([&](CArchive& ar) {
                           app.Serialize(ar);
                           form.Serialize(ar);
                           subForm.Serialize(ar);
                       }));
    }

    // "FD出力" with the confirm dialog's "未チェックで出力".
    void OutputWithoutCheck(CWnd& page)
    {
        m_ui.ScriptModal([](CDialog& confirm) {
            ASSERT_TRUE(UserInput::Click(confirm, IDC_RADIO_NO_CHECK));
            ASSERT_TRUE(UserInput::Click(confirm, IDOK));
        });
        ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    }

    std::string Floppy(const std::string& relative) const { return ReadFileBytes(m_folder.Path("floppy/" + relative)); }
    bool OnFloppy(const std::string& relative) const
    {
        struct stat status;
        return stat(m_folder.Path("floppy/" + relative).c_str(), &status) == 0;
    }
    std::string Runs() const
    {
        struct stat status;
        return stat(m_folder.Path("app/runs.txt").c_str(), &status) == 0 ? ReadFileBytes(m_folder.Path("app/runs.txt"))
                                                                         : std::string();
    }
    // The converter's record of a run on the floppy's root.
    std::string FloppyRun() const { return "run " + m_folder.Path("floppy") + "/\n"; }
    UINT Icon(size_t box) const { return m_ui.messageBoxes.at(box).type & MB_ICONMASK; }

    bool m_started = false;
};

} // namespace

TEST_F(InspectionPages, StructurePlanChangesListWithAWiderDocumentColumnAndTheAttachmentsAreTestedFirst)
{
    ZnDlgAppFDOut16& page = Open<ZnDlgAppFDOut16>(RUNTIME_CLASS(ZnFvAppCAFM16), 1008);
    EXPECT_EQ((std::vector<std::string>{u8"工作物変更四|2011/1/1|U4|G4|", u8"工作物変更六|2011/2/1|||"}),
              ListRowTexts(page.m_listDocuments));
    CRect client;
    page.m_listDocuments.GetClientRect(&client);
    EXPECT_EQ(client.Width() - GetSystemMetrics(SM_CXHTHUMB) - 290, page.m_listDocuments.GetColumnWidth(0));
    EXPECT_EQ(76, page.m_listDocuments.GetColumnWidth(1));
    EXPECT_EQ(130, page.m_listDocuments.GetColumnWidth(2));
    EXPECT_EQ(84, page.m_listDocuments.GetColumnWidth(3));
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppSemiStr*>(Document().GetFormModel()));
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppSemiStrMod*>(Document().GetSubFormModel()));
    EXPECT_EQ(450, m_app.m_nFormNo);
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());

    // A missing 付近見取図 is told before the selection is looked at; then a missing 配置図.
    page.m_listDocuments.SetItemState(0, 0, LVIS_SELECTED);
    page.SetDlgItemText(IDC_FDP_EDIT_SITE_MAP, Windows("missing.bmp"));
    page.SetDlgItemText(IDC_FDP_EDIT_LAYOUT, Windows("missing.bmp"));
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    page.SetDlgItemText(IDC_FDP_EDIT_SITE_MAP, "");
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ((std::vector<std::string>{u8"見取図のファイルが存在しません。", u8"配置図のファイルが存在しません。"}),
              MessageTexts());
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), Icon(0));
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), Icon(1));
}

TEST_F(InspectionPages, StructureConfirmationGoesOntoTheFloppyWithItsMapsIndexAndDataFile)
{
    ZnModelApp app;
    ZnModelAppSemiStr structure;
    ZnModelAppSemiStrConf confirmation;
    structure.m_lotAddress.m_address = Cp932(u8"北町一番");
    structure.m_constStartDate.SetDateString("02130431");
    StoreDocument("Ka001.190", app, structure, confirmation);
    ZnDlgAppFDOut16& page = Open<ZnDlgAppFDOut16>(RUNTIME_CLASS(ZnFvAppCAFM16), 1000);
    EXPECT_EQ(190, m_app.m_nFormNo);
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());
    page.SetDlgItemText(IDC_FDP_EDIT_SITE_MAP, Windows("map.bmp"));
    page.SetDlgItemText(IDC_FDP_EDIT_LAYOUT, Windows("map.bmp"));

    // With the check: the structure's findings, then the floppy.
    m_ui.ScriptModal([](CDialog& confirm) { ASSERT_TRUE(UserInput::Click(confirm, IDOK)); });
    m_ui.ScriptModal([](CDialog& result) {
        auto& shown = static_cast<ZnDlgAppCheckResult&>(result);
        EXPECT_EQ(Cp932(u8"_工作物（法第88条2項）_"), shown.m_strObjKindTitle);
        ASSERT_EQ(4, shown.m_messages.GetSize());
        EXPECT_EQ(Cp932(u8"築造主の氏名が未入力です。"), shown.m_messages[0]);
        EXPECT_EQ(Cp932(u8"工事着手予定年月日の日付が正しくありません。"), shown.m_messages[3]);
        ASSERT_TRUE(UserInput::Click(result, IDOK));
    });
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());

    for (const char* folder : {"Keikaku", "Sinsei", "Info", "Mitori", "Haichi"})
        EXPECT_TRUE(OnFloppy(folder)) << folder;
    EXPECT_EQ(ReadHexFixture("writers/bitmap_info40_1x1.hex"), Floppy("Mitori/Ksq320.bmp"));
    EXPECT_EQ(ReadHexFixture("writers/bitmap_info40_1x1.hex"), Floppy("Haichi/Ksq340.bmp"));
    EXPECT_EQ("#190\r\n", Floppy("Sinsei/filename"));
    ASSERT_EQ(ZnWriteOutcome::written, ZnAppDocFDOut16::WriteXml(Windows("expected.xml"), 1, "", ""));
    EXPECT_EQ(ReadFileBytes(m_folder.Path("expected.xml")), Floppy(u8"Keikaku/申請書データ.xml"));
}

TEST_F(InspectionPages, BuildingInspectionWritesTheCarriedApplicationAndAgainAfterIt)
{
    Inspection inspection(1005, new ZnModelAppBuild);
    StoreDocument("Ka007.211", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut31& page = Open<ZnDlgAppFDOut31>(RUNTIME_CLASS(ZnFvAppCAFM31), 1005, 1023);
    EXPECT_EQ((std::vector<std::string>{u8"完了検査|2012/3/9|U7||"}), ListRowTexts(page.m_listDocuments));
    EXPECT_EQ(u8"建築物", Utf8(page.m_strRowTitle));
    EXPECT_EQ(211, m_app.m_nFormNo);
    EXPECT_EQ(100201, m_app.m_nDocKindCode);
    EXPECT_EQ(170, page.m_listDocuments.GetColumnWidth(2));

    m_ui.AnswerMessageBox(IDOK);
    OutputWithoutCheck(page);
    std::string first = Floppy(u8"Keikaku/申請書データ.xml");
    m_ui.AnswerMessageBox(IDOK);
    OutputWithoutCheck(page);
    EXPECT_EQ(first, Floppy(u8"Keikaku/申請書データ.xml"));
    // The inspection's third face, then the building application's.
    size_t inspectionFace = first.find(u8"<第三面1>");
    ASSERT_NE(std::string::npos, inspectionFace);
    EXPECT_NE(std::string::npos, first.find(u8"<第三面1>", inspectionFace + 1));
    EXPECT_EQ((std::vector<std::string>{u8"完了検査申請書_建築物_のFD出力が終了しました",
                                        u8"完了検査申請書_建築物_のFD出力が終了しました"}),
              MessageTexts());
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), Icon(1)) << "the confirmation writer's";
    EXPECT_NE(nullptr, static_cast<ZnModelAppCompInspConf*>(Document().GetSubFormModel())->m_baseApp.Get());
    EXPECT_EQ(211, m_app.m_nFormNo);
}

TEST_F(InspectionPages, StructureInterimInspectionGoesAloneWithThePagesMessage)
{
    ZnModelAppSemiStr* carried = new ZnModelAppSemiStr;
    Inspection inspection(1002, carried);
    StoreDocument("Ka008.286", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut31& page = Open<ZnDlgAppFDOut31>(RUNTIME_CLASS(ZnFvAppCAFM31), 1002, 1018);
    EXPECT_EQ(u8"工作物（法88条2項）", Utf8(page.m_strRowTitle));
    EXPECT_EQ(286, m_app.m_nFormNo);
    EXPECT_EQ(100106, m_app.m_nDocKindCode);

    m_ui.AnswerMessageBox(IDOK);
    OutputWithoutCheck(page);
    EXPECT_EQ(std::vector<std::string>{u8"中間検査申請書_工作物（法第88条2項）_のFD出力が終了しました"},
              MessageTexts());
    EXPECT_EQ(0u, Icon(0));
    EXPECT_EQ(static_cast<UINT>(MB_OK), m_ui.messageBoxes[0].type & MB_TYPEMASK);
    std::string runs = Runs();
    EXPECT_EQ(0u, runs.find(FloppyRun())) << runs;
    EXPECT_NE(std::string::npos, runs.find(u8"./Keikaku/申請書データ.xml")) << runs;
}

TEST_F(InspectionPages, InspectionPageStopsAtAFailedPreparationAndAtAMissingSelection)
{
    Inspection inspection(1005, nullptr);
    StoreDocument("Ka007.211", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut31& page = Open<ZnDlgAppFDOut31>(RUNTIME_CLASS(ZnFvAppCAFM31), 1005, 1023);
    WriteFileBytes(m_folder.Path("floppy/Info"), "a file where a folder belongs");
    m_ui.AnswerMessageBox(IDOK);
    OutputWithoutCheck(page);
    EXPECT_EQ(1u, MessageTexts().size());
    EXPECT_FALSE(OnFloppy(u8"Keikaku/申請書データ.xml"));
    EXPECT_EQ("", Runs());

    // Nothing selected and a missing map: the selection only, with the error icon.
    page.m_listDocuments.SetItemState(0, 0, LVIS_SELECTED);
    page.SetDlgItemText(IDC_FDP_EDIT_SITE_MAP, Windows("missing.bmp"));
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ(u8"申請書を選択してください。", MessageTexts().back());
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), Icon(1));
}

// A medium that fills at any step of a building inspection's floppy: the map, the index files, the
// inspection's data file, or any face of the building behind it. The step's one message ends the
// output, with no converter run and no completion, and no part of the data file stays.
TEST_F(InspectionPages, AFullMediumAtAnyStepLeavesNoPartOfTheDataFile)
{
    Inspection inspection(1005, new ZnModelAppBuild);
    StoreDocument("Ka007.211", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut31& page = Open<ZnDlgAppFDOut31>(RUNTIME_CLASS(ZnFvAppCAFM31), 1005, 1023);
    page.SetDlgItemText(IDC_FDP_EDIT_SITE_MAP, Windows("map.bmp"));
    m_ui.AnswerMessageBox(IDOK);
    OutputWithoutCheck(page);
    ASSERT_EQ(std::vector<std::string>{u8"完了検査申請書_建築物_のFD出力が終了しました"}, MessageTexts());
    const std::string dataFile = u8"Keikaku/申請書データ.xml";
    std::string data = Floppy(dataFile);
    const char kDataCutOff[] = u8"ファイルの書き込み(申請書データ.xml)に失敗しました。";
    // Each step, by the size a file reaches before it fails: one byte into the step's part.
    size_t faces = data.find(u8"</申請書データ>") + std::string(u8"</申請書データ>\r\n").size();
    struct {
        size_t limit;
        const char* message;
    } steps[] = {
        {1, u8"見取図のファイルコピーに失敗しました。"},
        {Floppy("Mitori/Ksq310.bmp").size(), u8"ファイルの書き込み(filename.iba)に失敗しました。"},
        {Floppy("Info/filename.iba").size(), kDataCutOff},
        {faces + 1, kDataCutOff},
        {data.find(u8"\t<第三面1>", faces) + 1, kDataCutOff},
        {data.find(u8"\t<第四面>", faces) + 1, kDataCutOff},
        {data.find(u8"\t<第五面>", faces) + 1, kDataCutOff},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.limit);
        std::remove(m_folder.Path("app/runs.txt").c_str());
        m_ui.messageBoxes.clear();
        m_ui.AnswerMessageBox(IDOK);
        {
            ziptest::FileSizeLimit limit(step.limit);
            OutputWithoutCheck(page);
        }
        EXPECT_EQ(std::vector<std::string>{step.message}, MessageTexts());
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), Icon(0));
        EXPECT_FALSE(OnFloppy(dataFile));
        EXPECT_EQ("", Runs());
    }
}

namespace {

// The options dialog's answer: no check, the floppy count and the numbers (rows from 1) chosen.
std::function<void(CDialog&)> Options(bool severalFloppies, std::vector<int> numbers)
{
    return [=](CDialog& dialog) {
        auto& options = static_cast<ZnDlgAppFDOutOption&>(dialog);
        std::vector<int> rows;
        for (int number : numbers)
            rows.push_back(number - 1);
        ASSERT_TRUE(UserInput::SelectListItems(options.m_list, rows, rows.back()));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_RADIO_NO_CHECK));
        ASSERT_TRUE(UserInput::Click(dialog, severalFloppies ? IDC_RADIO_MULTI_FD : IDC_RADIO_ONE_FD));
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
    };
}

} // namespace

TEST_F(InspectionPages, LiftInspectionOnSeveralFloppiesAsksForEachNextOneAfterItsConverter)
{
    Inspection inspection(1002, nullptr);
    StoreDocument("Ka009.282", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut32& page = Open<ZnDlgAppFDOut32>(RUNTIME_CLASS(ZnFvAppCAFM32), 1002, 1012);
    EXPECT_EQ(u8"昇降機", Utf8(page.m_strRowTitle));
    EXPECT_EQ(282, m_app.m_nFormNo);

    m_ui.ScriptModal(Options(true, {1, 2, 3}));
    m_ui.AnswerMessageBox(IDOK);
    m_ui.AnswerMessageBox(IDOK);
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ((std::vector<std::string>{u8"次のフロッピーディスクに入れ替えてください。",
                                        u8"次のフロッピーディスクに入れ替えてください。",
                                        u8"中間検査申請書_昇降機_のFD出力が終了しました"}),
              MessageTexts());
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONSTOP), m_ui.messageBoxes[0].type & (MB_TYPEMASK | MB_ICONMASK));
    EXPECT_EQ(0u, Icon(2));
    // Each floppy holds its own index files and data file when its converter runs.
    std::string floppy = FloppyRun() + u8"./Info/filename.iba\n./Keikaku/申請書データ.xml\n"
                                       u8"./Sinsei/filename\n";
    EXPECT_EQ(floppy + floppy + floppy, Runs());
}

TEST_F(InspectionPages, LiftInspectionOnOneFloppyKeepsEachNumberInItsOwnFile)
{
    Inspection inspection(1002, nullptr);
    StoreDocument("Ka009.282", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut32& page = Open<ZnDlgAppFDOut32>(RUNTIME_CLASS(ZnFvAppCAFM32), 1002, 1012);
    m_ui.ScriptModal(Options(false, {2, 3}));
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ(std::vector<std::string>{u8"中間検査申請書_昇降機_のFD出力が終了しました"}, MessageTexts());
    EXPECT_EQ(FloppyRun() + u8"./Info/filename.iba\n./Keikaku/申請書データ_2.xml\n./Keikaku/申請書データ_3.xml\n"
                            u8"./Sinsei/filename\n",
              Runs());
    EXPECT_NE(Floppy(u8"Keikaku/申請書データ_2.xml"), Floppy(u8"Keikaku/申請書データ_3.xml"));
}

TEST_F(InspectionPages, CancelAtTheFloppyChangeEndsWithoutACompletionMessage)
{
    Inspection inspection(1002, nullptr);
    StoreDocument("Ka009.282", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut32& page = Open<ZnDlgAppFDOut32>(RUNTIME_CLASS(ZnFvAppCAFM32), 1002, 1012);
    m_ui.ScriptModal(Options(true, {1, 2, 3}));
    m_ui.AnswerMessageBox(IDCANCEL);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ(std::vector<std::string>{u8"次のフロッピーディスクに入れ替えてください。"}, MessageTexts());
    // The first floppy was written and converted; the others not.
    EXPECT_EQ(FloppyRun() + u8"./Info/filename.iba\n./Keikaku/申請書データ.xml\n"
                            u8"./Sinsei/filename\n",
              Runs());
}

TEST_F(InspectionPages, EquipmentPageChecksWithItsOwnWordingAndWritesNothingWhenTheUserDeclines)
{
    Inspection inspection(1002, nullptr);
    inspection.interim.m_nextStageList.AddTail(new ZnModelInspDate);
    inspection.interim.m_nextStageList.GetTail()->m_date.SetDateString("02130230");
    StoreDocument("Ka009.282", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut32& page = Open<ZnDlgAppFDOut32>(RUNTIME_CLASS(ZnFvAppCAFM32), 1002, 1012);
    m_ui.ScriptModal([](CDialog& options) { ASSERT_TRUE(UserInput::Click(options, IDOK)); });
    m_ui.ScriptModal([](CDialog& result) {
        auto& shown = static_cast<ZnDlgAppCheckResult&>(result);
        EXPECT_EQ(Cp932(u8"_昇降機_"), shown.m_strObjKindTitle);
        ASSERT_LT(0, shown.m_messages.GetSize());
        EXPECT_EQ(Cp932(u8"2番目の今回申請以降の特定工程工事終了予定年月日の日付が正しくありません。"),
                  shown.m_messages[shown.m_messages.GetSize() - 1]);
        ASSERT_TRUE(UserInput::Click(result, IDCANCEL));
    });
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_FALSE(OnFloppy("Keikaku"));
    EXPECT_EQ("", Runs());
}

TEST_F(InspectionPages, AClickReloadsTheRowAndADamagedDocumentLeavesEmptyObjectsOfThePage)
{
    WriteFileBytes(m_folder.Path(u8"obj/北町の家/Ka008.286"), "not an archive");
    m_ui.AnswerMessageBox(IDOK);
    ZnDlgAppFDOut31& page = Open<ZnDlgAppFDOut31>(RUNTIME_CLASS(ZnFvAppCAFM31), 1002, 1018);
    EXPECT_EQ(1u, MessageTexts().size());
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppInspConf*>(Document().GetFormModel()));
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppRegInspConf*>(Document().GetSubFormModel()));

    // The same row clicked after the file was mended loads it, with the application it carries.
    Inspection inspection(1002, new ZnModelAppSemiStr);
    StoreDocument("Ka008.286", inspection.app, inspection.form, inspection.SubForm());
    ASSERT_TRUE(UserInput::ClickListItem(page.m_listDocuments, 0));
    auto* interim = dynamic_cast<ZnModelAppRegInspConf*>(Document().GetSubFormModel());
    ASSERT_NE(nullptr, interim);
    EXPECT_NE(nullptr, interim->m_baseApp.Get());
    EXPECT_EQ(1u, MessageTexts().size());
}

TEST_F(InspectionPages, AStructureCompletionCarriesItsApplicationAndAnApplicationOfAnotherKindIsNotWritten)
{
    Inspection structure(1005, new ZnModelAppSemiStr);
    StoreDocument("Ka010.216", structure.app, structure.form, structure.SubForm());
    ZnDlgAppFDOut31& structurePage = Open<ZnDlgAppFDOut31>(RUNTIME_CLASS(ZnFvAppCAFM31), 1005, 1018);
    EXPECT_EQ(216, m_app.m_nFormNo);
    m_ui.AnswerMessageBox(IDOK);
    OutputWithoutCheck(structurePage);
    EXPECT_EQ(std::vector<std::string>{u8"完了検査申請書_工作物（法第88条2項）_のFD出力が終了しました"},
              MessageTexts());
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), Icon(0)) << "the confirmation writer's";
    EXPECT_NE(std::string::npos, Floppy(u8"Keikaku/申請書データ.xml").find(u8"<工作物の概要>"));

    // A building's inspection that carries a structure application goes alone.
    Inspection building(1005, new ZnModelAppSemiStr);
    StoreDocument("Ka007.211", building.app, building.form, building.SubForm());
    ZnDlgAppFDOut31& buildingPage = Open<ZnDlgAppFDOut31>(RUNTIME_CLASS(ZnFvAppCAFM31), 1005, 1023);
    m_ui.AnswerMessageBox(IDOK);
    OutputWithoutCheck(buildingPage);
    EXPECT_EQ(u8"完了検査申請書_建築物_のFD出力が終了しました", MessageTexts().back());
    EXPECT_EQ(0u, Icon(1));
    EXPECT_EQ(std::string::npos, Floppy(u8"Keikaku/申請書データ.xml").find(u8"<工作物の概要>"));
}

TEST_F(InspectionPages, AFailedPreparationEndsWithoutConverterPromptOrCompletion)
{
    Inspection inspection(1002, nullptr);
    StoreDocument("Ka009.282", inspection.app, inspection.form, inspection.SubForm());
    ZnDlgAppFDOut32& page = Open<ZnDlgAppFDOut32>(RUNTIME_CLASS(ZnFvAppCAFM32), 1002, 1012);
    WriteFileBytes(m_folder.Path("floppy/Info"), "a file where a folder belongs");
    m_ui.ScriptModal(Options(false, {1, 2}));
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ(1u, MessageTexts().size());
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), Icon(0)) << "the writer's";
    EXPECT_EQ("", Runs());
    EXPECT_FALSE(OnFloppy(u8"Keikaku/申請書データ_1.xml"));

    // On several floppies: no prompt for the next one either.
    m_ui.ScriptModal(Options(true, {1, 2}));
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_EQ(2u, MessageTexts().size());
    EXPECT_EQ(MessageTexts().front(), MessageTexts().back());
    EXPECT_EQ("", Runs());
}
