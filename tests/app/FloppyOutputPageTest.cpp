// The building confirmation's floppy-output page in its form view, in a started program: what it
// lists and loads from the property's register and folder, the pickers, and the "FD出力" road
// through the confirm and check-result dialogs to the real writer on a drive A: of the test's own.
#include "tests/support/ShellTestSupport.h"

#include "app/ZnFvAppCAFM11.h"
#include "fdoutput/ZnDlgAppCheckResult.h"
#include "fdoutput/ZnDlgAppFDOut11.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppLift.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyOutputIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <sys/stat.h>

#include <cstdio>
#include <typeinfo>

using testsupport::Cp932;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::StoreToBytes;
using testsupport::WriteFileBytes;

namespace {

// Building confirmations 9, 5 and 7 (inserted in that order) and construction notices 2 and 4.
std::string Register()
{
    return u8"INSERT INTO AppBukkenShousaiTbl VALUES (9, 5, '確認申請書九', 100001, 0, 3, "
           u8"'2012-03-09 00:00:00', 'U9', '', 'G9', 'doc009.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (5, 5, '確認申請書五', 100001, 0, 1, "
           u8"'2010-09-03 10:00:00', 'U5', 'Z5', 'G5', 'doc005.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (7, 5, '確認申請書七', 100001, 0, 2, "
           u8"'2011-01-20 00:00:00', '', '', '', 'doc007.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '建築工事届二', 100801, 0, 1, "
           u8"'2011-01-20 00:00:00', 'N2', '', '', 'n2.240', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (4, 5, '建築工事届四', 100801, 0, 2, "
           u8"'2011-01-21 00:00:00', 'N4', '', '', 'n4.240', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (8, 5, '計画変更八', 100301, 0, 2, "
           u8"'2012-04-05 00:00:00', '', 'Z8', '', 'mod008.410', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (6, 5, '計画変更六', 100301, 0, 1, "
           u8"'2011-02-03 00:00:00', 'P6', '', '', 'mod006.410', NULL);\n";
}

// An application with its comment and its application date (the first number of its first
// building group).
ZnModelApp Application(const char* comment, int year, int month, int day)
{
    ZnModelApp app;
    app.m_header.m_localData.m_localText = Cp932(comment);
    ZnModelNumGroup group;
    group.m_firstNumber.m_date.m_yearCode.m_year = year;
    group.m_firstNumber.m_date.m_month = month;
    group.m_firstNumber.m_date.m_day = day;
    app.m_header.m_localData.m_buildingNumGroups.AddCopy(group);
    return app;
}

// The findings of the check on an empty building application, as the check-result dialog lists
// them.
const int kEmptyApplicationFindings = 17;
// What the construction-notice check finds in the property's empty stored notice, after the
// application's findings.
const std::vector<std::string> kEmptyNoticeFindings = {
    u8"建築工事届の第二面：建築主の種別コードが未入力です。", u8"建築工事届の第二面：敷地の地名地番が未入力です。",
    u8"建築工事届の第二面：都市計画が未入力です。", u8"建築工事届の第二面：工事種別が未入力です。",
    u8"建築工事届の第二面：主要用途の区分が未入力です。"};
const int kEmptyConfirmationFindings = kEmptyApplicationFindings + 5;

class FloppyOutputPage : public ShellTest {
protected:
    FloppyOutputPage()
    {
        MakeFolders({"app", "com", "obj", u8"obj/南町の家"});
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + Register());
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), nullptr);
    }

    // Starts the program on the property and opens the page for the document type.
    ZnDlgAppFDOut11& Open(int docType, int docMode = 32786)
    {
        Start();
        m_app.SetObjFolder(Windows("obj"));
        m_app.SetBukkenName(Cp932(u8"南町の家"));
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(docMode);
        Frame().SetDocType(docType);
        Frame().SetObjKind(1023); // 建築物
        return Reopen();
    }

    // Closes the form view, if any, and opens the page again on the files as they are now.
    ZnDlgAppFDOut11& Reopen()
    {
        m_app.ChangeView(nullptr);
        m_app.ChangeView(m_app.GetFormTemplate(RUNTIME_CLASS(ZnFvAppCAFM11)));
        return ShownPage<ZnDlgAppFDOut11>();
    }

    // Writes a document file of the property: each object's archive in slot order.
    void Store(const std::string& name, std::initializer_list<ZnModel*> objects)
    {
        WriteFileBytes(m_folder.Path(u8"obj/南町の家/" + name), StoreToBytes([&](CArchive& ar) {
                           for (ZnModel* object : objects)
                               object->Serialize(ar);
                       }));
    }

    std::string Text(CWnd& page, int id) const
    {
        CString text;
        page.GetDlgItemText(id, text);
        return cp932::ToUtf8(text.Bytes());
    }
};

} // namespace

TEST_F(FloppyOutputPage, ListsTheBuildingConfirmationsOldestFirstAndLoadsTheFormFile)
{
    ZnModelApp app = Application(u8"コメント一", 2010, 9, 3);
    ZnModelAppBuild build;
    ZnModelAppBuildConf conf;
    Store("Ka001.110", {&app, &build, &conf});
    ZnDlgAppFDOut11& page = Open(1000);

    EXPECT_EQ((std::vector<std::string>{u8"確認申請書五|コメント一|2010/9/3|U5|Z5|", u8"確認申請書七||2011/1/20|||",
                                        u8"確認申請書九||2012/3/9|U9|G9|"}),
              ListRowTexts(page.m_listDocuments));
    std::vector<std::string> headings;
    std::vector<int> widths;
    for (int column = 0; column < page.m_listDocuments.GetColumnCount(); ++column) {
        headings.push_back(cp932::ToUtf8(page.m_listDocuments.GetColumnHeading(column).Bytes()));
        widths.push_back(page.m_listDocuments.GetColumnWidth(column));
    }
    EXPECT_EQ((std::vector<std::string>{u8"申請書データ", u8"コメント", u8"更新日", u8"受付番号", u8"確認済証番号"}),
              headings);
    // The first column takes what the others leave of the width the list had when it was made.
    EXPECT_EQ((std::vector<int>{50, 76, 130, 90}), std::vector<int>(widths.begin() + 1, widths.end()));
    EXPECT_GT(widths[0], 0);
    EXPECT_EQ(0, page.GetSelectedRow());
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_EQ("U5", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ("N4", Text(page, IDC_FD11_EDIT_NOTICE));
    EXPECT_TRUE(page.GetDlgItem(IDC_FD11_LABEL_NOTICE)->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(page.GetDlgItem(IDC_FD11_EDIT_NOTICE)->GetStyle() & WS_VISIBLE);
    EXPECT_EQ("2010", Text(page, IDC_FDP_EDIT_YEAR));
    EXPECT_EQ("09", Text(page, IDC_FDP_EDIT_MONTH));
    EXPECT_EQ("03", Text(page, IDC_FDP_EDIT_DAY));
    EXPECT_EQ(2, page.m_comboFormat.GetCount());
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());
    CString choice;
    page.m_comboFormat.GetLBText(1, choice);
    EXPECT_EQ(u8"修正申請", cp932::ToUtf8(choice.Bytes()));
    EXPECT_EQ(typeid(ZnModelApp), typeid(*Document().GetModel(0)));
    EXPECT_EQ(typeid(ZnModelAppBuild), typeid(*Document().GetModel(1)));
    EXPECT_EQ(typeid(ZnModelAppBuildConf), typeid(*Document().GetSubFormModel()));
    EXPECT_EQ(100001, m_app.m_nDocKindCode);
    EXPECT_EQ("100001", m_app.m_strDocKindCode);
    EXPECT_EQ(u8"確認申請書_建築物_", cp932::ToUtf8(m_app.m_strDocName.Bytes()));
    EXPECT_EQ(110, m_app.m_nFormNo);
    EXPECT_EQ(0, Frame().GetDataChanged());

    // A click on a row of the confirmation list changes nothing.
    ASSERT_TRUE(UserInput::ClickListItem(page.m_listDocuments, 2));
    EXPECT_EQ("U5", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ("2010", Text(page, IDC_FDP_EDIT_YEAR));
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());
}

TEST_F(FloppyOutputPage, NotificationsReadTheirOwnFileAndAMissingFileLeavesAnEmptyApplication)
{
    ZnModelApp app = Application(u8"通知", 2011, 12, 1);
    ZnModelAppBuild build;
    ZnModelAppBuildConf conf;
    Store("Ke001.110", {&app, &build, &conf});
    ZnDlgAppFDOut11& page = Open(1000, 32787);
    EXPECT_EQ(u8"通知書データ", cp932::ToUtf8(page.m_listDocuments.GetColumnHeading(0).Bytes()));
    EXPECT_EQ("2011", Text(page, IDC_FDP_EDIT_YEAR));
    CString first, second;
    page.m_comboFormat.GetLBText(0, first);
    page.m_comboFormat.GetLBText(1, second);
    EXPECT_EQ(u8"今回通知", cp932::ToUtf8(first.Bytes()));
    EXPECT_EQ(u8"修正通知", cp932::ToUtf8(second.Bytes()));
    EXPECT_EQ(u8"計画通知書_建築物_", cp932::ToUtf8(m_app.m_strDocName.Bytes()));

    // In the application set there is no Ka001.110: empty objects of the page's classes.
    Frame().SetDocMode(32786);
    Reopen();
    EXPECT_EQ(typeid(ZnModelApp), typeid(*Document().GetModel(0)));
    EXPECT_EQ(typeid(ZnModelAppBuild), typeid(*Document().GetModel(1)));
    EXPECT_EQ(typeid(ZnModelAppBuildConf), typeid(*Document().GetSubFormModel()));
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
}

TEST_F(FloppyOutputPage, PlanChangeHidesTheNoticeAndLoadsTheClickedRow)
{
    ZnModelApp app6 = Application(u8"六", 2011, 2, 3);
    ZnModelApp app8 = Application(u8"八", 2012, 4, 5);
    ZnModelAppBuild build;
    ZnModelAppBuildMod planChange;
    Store("mod006.410", {&app6, &build, &planChange});
    planChange.m_planChangeSummary = Cp932(u8"変更八");
    Store("mod008.410", {&app8, &build, &planChange});
    ZnDlgAppFDOut11& page = Open(1008);

    EXPECT_EQ((std::vector<std::string>{u8"計画変更六|2011/2/3|P6||", u8"計画変更八|2012/4/5||Z8|"}),
              ListRowTexts(page.m_listDocuments));
    EXPECT_EQ((std::vector<int>{76, 170, 100}),
              (std::vector<int>{page.m_listDocuments.GetColumnWidth(1), page.m_listDocuments.GetColumnWidth(2),
                                page.m_listDocuments.GetColumnWidth(3)}));
    EXPECT_FALSE(page.GetDlgItem(IDC_FD11_LABEL_NOTICE)->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(page.GetDlgItem(IDC_FD11_EDIT_NOTICE)->GetStyle() & WS_VISIBLE);
    EXPECT_EQ("2011", Text(page, IDC_FDP_EDIT_YEAR));
    EXPECT_EQ("P6", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());
    EXPECT_EQ(100301, m_app.m_nDocKindCode);
    EXPECT_EQ(410, m_app.m_nFormNo);

    Frame().SetDataChanged(1);
    ASSERT_TRUE(UserInput::ClickListItem(page.m_listDocuments, 1));
    EXPECT_EQ("2012", Text(page, IDC_FDP_EDIT_YEAR));
    EXPECT_EQ("04", Text(page, IDC_FDP_EDIT_MONTH));
    EXPECT_EQ("05", Text(page, IDC_FDP_EDIT_DAY));
    EXPECT_EQ("", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ(0, page.m_comboFormat.GetCurSel());
    auto* loaded = dynamic_cast<ZnModelAppBuildMod*>(Document().GetSubFormModel());
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(u8"変更八", cp932::ToUtf8(loaded->m_planChangeSummary.Bytes()));
    EXPECT_EQ(0, Frame().GetDataChanged());
}

TEST_F(FloppyOutputPage, BitmapsAndOutputFolderComeFromTheirPickersAndACancelChangesNothing)
{
    ZnDlgAppFDOut11& page = Open(1000);
    m_ui.AnswerFileDialog(CString("/maps/site.BMP"));
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_SITE_MAP));
    m_ui.AnswerFileDialog(CString("/maps/layout.bmp"));
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_LAYOUT));
    m_ui.AnswerFileDialog(std::nullopt);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_SITE_MAP));
    m_ui.AnswerFileDialog(std::nullopt);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_LAYOUT));
    EXPECT_EQ("/maps/site.BMP", Text(page, IDC_FDP_EDIT_SITE_MAP));
    EXPECT_EQ("/maps/layout.bmp", Text(page, IDC_FDP_EDIT_LAYOUT));
    ASSERT_EQ(4u, m_ui.fileRequests.size());
    for (const ScriptedUi::FileRequest& request : m_ui.fileRequests) {
        EXPECT_TRUE(request.open);
        EXPECT_EQ(u8"ｲﾒｰｼﾞ (*.bmp)|*.bmp||", cp932::ToUtf8(request.filter.Bytes()));
        EXPECT_EQ(DWORD(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY), request.flags);
        EXPECT_EQ("", request.defaultExtension);
        EXPECT_EQ("", request.fileName);
    }

    m_ui.AnswerFolder(Windows("out"));
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_BROWSE));
    m_ui.AnswerFolder(std::nullopt);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_BROWSE));
    EXPECT_EQ(std::string(Windows("out")), Text(page, IDC_FDP_EDIT_OUTPUT));
    EXPECT_EQ(Windows("out"), m_app.GetOutputFolder());
}

namespace {

// The page's road onto a drive A: of the test's own, with a stored application, its construction
// notice and the two maps.
class FloppyOutputRoad : public FloppyOutputPage {
protected:
    FloppyOutputRoad()
    {
        ZnModelApp app = Application(u8"", 2010, 9, 3);
        ZnModelAppBuild build;
        ZnModelAppBuildConf conf;
        Store("Ka001.110", {&app, &build, &conf});
        ZnModelApp notice;
        ZnModelAppConstNotif notification;
        Store("Ka001.240", {&notice, &notification});
        MakeFolders({"maps"});
        WriteFileBytes(m_folder.Path("maps/site.bmp"), ReadHexFixture("writers/bitmap_info40_1x1.hex"));
        WriteFileBytes(m_folder.Path("maps/layout.bmp"), ReadHexFixture("writers/bitmap_core12_4x4.hex"));
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:\\");
    }
    ~FloppyOutputRoad() override { ResetDriveTable(); }

    // Opens the page with the maps chosen and drive A: on a new folder of the work folder.
    ZnDlgAppFDOut11& OpenWithMaps(int docType)
    {
        ZnDlgAppFDOut11& page = Open(docType);
        page.SetDlgItemText(IDC_FDP_EDIT_SITE_MAP, Windows("maps/site.bmp"));
        page.SetDlgItemText(IDC_FDP_EDIT_LAYOUT, Windows("maps/layout.bmp"));
        return page;
    }
    void NewDrive(const std::string& name)
    {
        MakeFolders({name});
        m_drive = m_folder.Path(name);
        SetDriveFolder('A', m_drive);
    }
    bool OnDrive(const std::string& relative) const
    {
        struct stat info;
        return stat((m_drive + "/" + relative).c_str(), &info) == 0;
    }
    // The submission code of the information file: its sixth field.
    std::string SubmissionCode() const
    {
        std::string line = ReadFileBytes(m_drive + "/Info/filename.iba");
        line = line.substr(0, line.find('\r'));
        size_t field = 0;
        for (int comma = 0; comma < 5 && field != std::string::npos; ++comma)
            field = line.find(',', field + 1);
        return field == std::string::npos ? "" : line.substr(field + 1, line.find(',', field + 1) - field - 1);
    }
    void Confirm(int radio, int button)
    {
        m_ui.ScriptModal([radio, button](CDialog& dialog) {
            ASSERT_TRUE(UserInput::Click(dialog, radio));
            ASSERT_TRUE(UserInput::Click(dialog, button));
        });
    }

    std::string m_drive;
};

} // namespace

TEST_F(FloppyOutputRoad, CancelsWritesUncheckedOrAfterTheCheckAndTheFormatChoosesTheSubmissionCode)
{
    ZnDlgAppFDOut11& page = OpenWithMaps(1000);
    int windows = AfxGetWindowCount();

    // Cancel in the confirm dialog: nothing is written.
    NewDrive("cancelled");
    Confirm(IDC_RADIO_NO_CHECK, IDCANCEL);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_FALSE(OnDrive("Info"));

    // Without the check: the whole floppy, 修正 (the row has a reception number) as "3".
    NewDrive("unchecked");
    Confirm(IDC_RADIO_NO_CHECK, IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    for (const char* file : {u8"Keikaku/申請書データ.xml", "Keikaku/Ksq001.240", "Sinsei/filename", "Info/filename.iba",
                             "Mitori/Ksq310.bmp", "Haichi/Ksq330.bmp"})
        EXPECT_TRUE(OnDrive(file)) << file;
    EXPECT_EQ("\"3\"", SubmissionCode());
    EXPECT_EQ((std::vector<UINT>{IDD_FDOUT_CONFIRM, IDD_FDOUT_CONFIRM}), m_ui.modalTemplates);

    // With the check: the findings of the empty application; 出力しない writes nothing.
    NewDrive("not-written");
    Confirm(IDC_RADIO_CHECK, IDOK);
    m_ui.ScriptModal([](CDialog& dialog) {
        auto& result = static_cast<ZnDlgAppCheckResult&>(dialog);
        EXPECT_EQ(kEmptyConfirmationFindings, result.m_list.GetCount());
        EXPECT_EQ(u8"_建築物_", cp932::ToUtf8(result.m_strObjKindTitle.Bytes()));
        ASSERT_TRUE(UserInput::Click(dialog, IDCANCEL));
    });
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_FALSE(OnDrive("Info"));
    ASSERT_EQ(kEmptyConfirmationFindings, page.m_dlgCheckResult.m_messages.GetSize());
    EXPECT_EQ(u8"第二面：設計者の氏名が未入力です。", cp932::ToUtf8(page.m_dlgCheckResult.m_messages[0].Bytes()));
    for (size_t i = 0; i < kEmptyNoticeFindings.size(); ++i)
        EXPECT_EQ(kEmptyNoticeFindings[i],
                  cp932::ToUtf8(page.m_dlgCheckResult.m_messages[kEmptyApplicationFindings + i].Bytes()));

    // ＦＤ出力 after the check writes, 今回 as "1"; a second check starts from nothing.
    NewDrive("checked");
    ASSERT_TRUE(UserInput::SelectComboItem(page.m_comboFormat, 0));
    Confirm(IDC_RADIO_CHECK, IDOK);
    m_ui.ScriptModal([](CDialog& dialog) { ASSERT_TRUE(UserInput::Click(dialog, IDOK)); });
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    EXPECT_TRUE(OnDrive(u8"Keikaku/申請書データ.xml"));
    EXPECT_EQ("\"1\"", SubmissionCode());
    EXPECT_EQ(kEmptyConfirmationFindings, page.m_dlgCheckResult.m_messages.GetSize());

    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    EXPECT_EQ(windows, AfxGetWindowCount()); // no progress note is left open
}

TEST_F(FloppyOutputRoad, AFailingWriterLeavesNoNoteAndThePageAddsNoMessage)
{
    ZnDlgAppFDOut11& page = OpenWithMaps(1000);
    int windows = AfxGetWindowCount();
    NewDrive("blocked");
    WriteFileBytes(m_drive + "/Info", "a file where the folder must go");
    Confirm(IDC_RADIO_NO_CHECK, IDOK);
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    ASSERT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_EQ(UINT(MB_ICONSTOP), m_ui.messageBoxes[0].type & MB_ICONMASK);
    EXPECT_FALSE(OnDrive(u8"Keikaku/申請書データ.xml"));
    EXPECT_EQ(windows, AfxGetWindowCount());
}

TEST_F(FloppyOutputRoad, WithoutASelectedRowOrOutputFolderNothingStarts)
{
    ZnDlgAppFDOut11& page = OpenWithMaps(1000);
    NewDrive("untouched");
    page.m_editOutput.SetWindowText("");
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
    page.m_editOutput.SetWindowText("A:\\");
    page.m_listDocuments.SetItemState(0, 0, LVIS_SELECTED);
    m_ui.AnswerMessageBox(IDOK);
    ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));

    EXPECT_EQ((std::vector<std::string>{u8"出力先を選択してください。", u8"申請書を選択してください。"}),
              MessageTexts());
    for (const MessageBoxRequest& box : m_ui.messageBoxes)
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), box.type & MB_ICONMASK);
    EXPECT_TRUE(m_ui.modalTemplates.empty());
    EXPECT_FALSE(OnDrive("Info"));
}

TEST_F(FloppyOutputPage, AMissingOrDamagedRegisterLeavesAnEmptyListOnAFinishedPage)
{
    Open(1000, 32787);
    for (const char* bytes : {"", "not a database at all"}) {
        SCOPED_TRACE(bytes);
        std::string registerPath = m_folder.Path("obj/APP_BUKKEN.mdb");
        std::remove(registerPath.c_str());
        if (*bytes)
            WriteFileBytes(registerPath, bytes);
        m_ui.registerReports.clear();
        ZnDlgAppFDOut11& page = Reopen();
        EXPECT_FALSE(m_ui.registerReports.empty());
        EXPECT_EQ(0, page.m_listDocuments.GetItemCount());
        EXPECT_EQ(2, page.m_comboFormat.GetCount());
        EXPECT_EQ(0, page.m_comboFormat.GetCurSel());
        EXPECT_EQ(110, m_app.m_nFormNo);
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(page, IDC_FDP_BTN_OUTPUT));
        ASSERT_FALSE(m_ui.messageBoxes.empty());
        EXPECT_EQ(u8"通知書を選択してください。", MessageTexts().back());
        m_ui.messageBoxes.clear();
    }
}

TEST_F(FloppyOutputPage, ACorruptOrOtherFormFileIsToldAndCheckedAsAnEmptyApplication)
{
    ZnModelApp app;
    ZnModelAppLift lift;
    const std::string others[] = {"corrupt bytes", StoreToBytes([&](CArchive& ar) {
                                      app.Serialize(ar);
                                      lift.Serialize(ar);
                                  })};
    Open(1000);
    for (const std::string& bytes : others) {
        WriteFileBytes(m_folder.Path(u8"obj/南町の家/Ka001.110"), bytes);
        m_ui.AnswerMessageBox(IDOK);
        ZnDlgAppFDOut11& page = Reopen();
        ASSERT_EQ(1u, m_ui.messageBoxes.size());
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);
        EXPECT_EQ(typeid(ZnModelApp), typeid(*Document().GetModel(0)));
        EXPECT_EQ(typeid(ZnModelAppBuild), typeid(*Document().GetModel(1)));
        EXPECT_EQ(typeid(ZnModelAppBuildConf), typeid(*Document().GetSubFormModel()));
        // The empty application's findings, then the property's missing construction notice.
        std::vector<CString> findings = page.CheckInput();
        ASSERT_EQ(kEmptyApplicationFindings + 3, static_cast<int>(findings.size()));
        EXPECT_EQ((std::vector<CString>{"", Cp932(u8"建築工事届が入力されていません。"), ""}),
                  std::vector<CString>(findings.end() - 3, findings.end()));
        m_ui.messageBoxes.clear();
    }
}
