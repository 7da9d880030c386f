// The floppy-output pages of the temporary-use approval applications and of the construction,
// demolition and safety-plan notices, each in its form view in a started program: what they list
// and load, their selection, their check and their output through the text-form writers.
#include "tests/fdoutput/FdOutputTestSupport.h"
#include "tests/support/ShellTestSupport.h"

#include "app/ZnFvAppCAFM51.h"
#include "app/ZnFvAppCAFM52.h"
#include "app/ZnFvAppCAFM53.h"
#include "app/ZnFvAppCAFM54.h"
#include "app/ZnFvAppCAFM55.h"
#include "fdoutput/ZnDlgAppCheckResult.h"
#include "fdoutput/ZnDlgAppFDPage.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyOutputIds.h"
#include "res/FloppyOutputStyles.h"
#include "res/FormViewIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <filesystem>
#include <sstream>
#include <sys/stat.h>

using testsupport::Cp932;
using testsupport::ReadFileBytes;
using testsupport::StoreToBytes;
using testsupport::Utf8;
using testsupport::WriteFileBytes;

namespace {

struct PageCase {
    CRuntimeClass* view;
    int code;
    int formNo;
    const char* title; // UTF-8: the kind's name, the form label and the check-result title
    ZnModel* (*makeForm)();
    const char* completion; // UTF-8
    int objKind;            // the frame's object-kind button that opens the page
};

const PageCase kPages[] = {
    {RUNTIME_CLASS(ZnFvAppCAFM51), 100401, 220, u8"仮使用承認申請書（特定行政庁）",
     MakeEmptyModel<ZnModelAppTempUseConf>, u8"仮使用承認申請書（特定行政庁）のFD出力が終了しました", 1028},
    {RUNTIME_CLASS(ZnFvAppCAFM52), 100411, 230, u8"仮使用承認申請書（建築主事）", MakeEmptyModel<ZnModelAppTempUseConf>,
     u8"仮使用承認申請書（建築主事）のFD出力が終了しました", 1024},
    {RUNTIME_CLASS(ZnFvAppCAFM53), 100801, 240, u8"建築工事届", MakeEmptyModel<ZnModelAppConstNotif>,
     u8"建築工事届のFD出力が終了しました", 1009},
    {RUNTIME_CLASS(ZnFvAppCAFM54), 100802, 250, u8"建築物除却届", MakeEmptyModel<ZnModelAppDemNotif>,
     u8"建築物除却届のFD出力が終了しました", 0},
    {RUNTIME_CLASS(ZnFvAppCAFM55), 100803, 260, u8"安全上の措置等に関する計画届", MakeEmptyModel<ZnModelAppSafeNotif>,
     u8"安全上の措置等に関する計画届のFD出力が終了しました", 0},
};

// Per kind two documents of property 5, the older (the lower index) with a reception number, and
// one of property 6; the code is the page's.
std::string Register()
{
    std::string rows;
    int index = 1;
    for (const PageCase& page : kPages) {
        std::string code = std::to_string(page.code);
        std::string older = std::to_string(index), newer = std::to_string(index + 1);
        rows += u8"INSERT INTO AppBukkenShousaiTbl VALUES (" + newer + u8", 5, '新" + code + "', " + code +
                u8", 0, 1, '2012-03-09 00:00:00', '', '', 'G" + newer + "', 'n" + newer + "', NULL);\n";
        rows += u8"INSERT INTO AppBukkenShousaiTbl VALUES (" + older + u8", 5, '旧" + code + "', " + code +
                u8", 0, 1, '2010-09-03 10:00:00', 'U" + older + "', 'Z" + older + "', '', 'o" + older + "', NULL);\n";
        rows += u8"INSERT INTO AppBukkenShousaiTbl VALUES (" + std::to_string(index + 2) + u8", 6, '他" + code + "', " +
                code + u8", 0, 1, '2010-01-01 00:00:00', 'X', '', '', 'x', NULL);\n";
        index += 3;
    }
    return rows;
}

// Records each start of the converter: its two arguments, one line each.
const char kConverter[] = "#!/bin/sh\nprintf '%s\\n%s\\n' \"$1\" \"$2\" >> \"$(dirname \"$0\")/runs.txt\"\n";

class NoticePages : public ShellTest {
protected:
    NoticePages()
    {
        MakeFolders({"app", "com", "obj", u8"obj/南町の家", "out"});
        WriteFileBytes(m_folder.Path("app/txt2xml"), kConverter);
        chmod(m_folder.Path("app/txt2xml").c_str(), 0755);
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + Register());
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), nullptr);
    }

    // Starts the program on the property in the mode with the document type selected.
    void StartOn(int mode, int docType = 0)
    {
        Start();
        m_app.SetObjFolder(Windows("obj"));
        m_app.SetBukkenName(Cp932(u8"南町の家"));
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(mode);
        Frame().SetDocType(docType);
    }

    // Opens the page's form view and gives the page that it shows.
    ZnDlgAppFDPage& Open(const PageCase& page)
    {
        Frame().SetObjKind(page.objKind);
        m_app.ChangeView(m_app.GetFormTemplate(page.view));
        return ShownPage<ZnDlgAppFDPage>();
    }

    // Stores the form file of the page: an application dated 3 April 2010 and the form object.
    void StoreFormFile(const std::string& name, ZnModel& form)
    {
        WriteFileBytes(m_folder.Path(u8"obj/南町の家/" + name), fdtest::FormFileBytes("02220403", form));
    }

    static std::string Text(CWnd& page, int id)
    {
        CString text;
        page.GetDlgItemText(id, text);
        return Utf8(text);
    }

    // "FD出力" with the confirm dialog's choice (0 check first, 1 output without the check), then the
    // check-result dialog's script when the check runs.
    void PressOutput(ZnDlgAppFDPage& page, int radio, std::function<void(CDialog&)> checkResult = {})
    {
        m_ui.ScriptModal([radio](CDialog& confirm) {
            ASSERT_TRUE(UserInput::Click(confirm, radio == 0 ? IDC_RADIO_CHECK : IDC_RADIO_NO_CHECK));
            ASSERT_TRUE(UserInput::Click(confirm, IDOK));
        });
        if (checkResult)
            m_ui.ScriptModal(checkResult);
        page.SendMessage(WM_COMMAND, IDC_FDP_BTN_OUTPUT, 0);
    }

    std::string Out(const std::string& relative) const { return m_folder.Path("out/" + relative); }
};

std::string Columns(CListCtrl& list)
{
    std::string columns;
    for (int column = 0; column < list.GetColumnCount(); ++column)
        columns += Utf8(list.GetColumnHeading(column)) + ":" + std::to_string(list.GetColumnWidth(column)) + "|";
    return columns;
}

// The fields of the first line of an index file, unquoted.
std::vector<std::string> HeadFields(const std::string& file)
{
    std::string line = file.substr(0, file.find('\r'));
    std::vector<std::string> fields;
    for (size_t start = 0; start != std::string::npos;) {
        size_t comma = line.find(',', start);
        std::string field = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (field.size() >= 2 && field.front() == '"')
            field = field.substr(1, field.size() - 2);
        fields.push_back(field);
        start = comma == std::string::npos ? comma : comma + 1;
    }
    return fields;
}

} // namespace

// Whatever document type is selected, each page lists its kind oldest first with the 修正 choice
// that the oldest one's reception number makes, loads Ka001.<form number> into an empty form object
// of its class with the third slot cleared, and makes its kind the current document.
TEST_F(NoticePages, EachPageListsItsKindAndLoadsItsFormFile)
{
    StartOn(32786, 1008);
    int older = 1;
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.title);
        std::unique_ptr<ZnModel> stored(c.makeForm());
        StoreFormFile("Ka001." + std::to_string(c.formNo), *stored);
        ZnDlgAppFDPage& page = Open(c);

        std::string code = std::to_string(c.code), newer = std::to_string(older + 1);
        EXPECT_EQ((std::vector<std::string>{u8"旧" + code + "|2010/9/3|U" + std::to_string(older) + "|Z" +
                                                std::to_string(older) + "|",
                                            u8"新" + code + "|2012/3/9||G" + newer + "|"}),
                  ListRowTexts(page.m_listDocuments));
        CRect client;
        page.m_listDocuments.GetClientRect(&client);
        EXPECT_EQ(u8"申請書データ:" + std::to_string(client.Width() - GetSystemMetrics(SM_CXHTHUMB) - 346) +
                      u8"|更新日:76|受付番号:170|確認済証番号:100|",
                  Columns(page.m_listDocuments));
        EXPECT_EQ(0, page.GetSelectedRow());
        EXPECT_EQ("U" + std::to_string(older), Text(page, IDC_FDP_EDIT_RECEPTION));
        EXPECT_EQ(2, page.m_comboFormat.GetCount());
        EXPECT_EQ(1, page.m_comboFormat.GetCurSel());
        CString choice;
        page.m_comboFormat.GetLBText(1, choice);
        EXPECT_EQ(u8"修正申請", Utf8(choice));
        EXPECT_EQ("2010|04|03", Text(page, IDC_FDP_EDIT_YEAR) + "|" + Text(page, IDC_FDP_EDIT_MONTH) + "|" +
                                    Text(page, IDC_FDP_EDIT_DAY));

        ASSERT_NE(nullptr, Document().GetFormModel());
        EXPECT_EQ(stored->GetRuntimeClass(), Document().GetFormModel()->GetRuntimeClass());
        EXPECT_EQ(nullptr, Document().GetSubFormModel());
        EXPECT_EQ(c.code, m_app.m_nDocKindCode);
        EXPECT_EQ(code, Utf8(m_app.m_strDocKindCode));
        EXPECT_EQ(c.title, Utf8(m_app.m_strDocName));
        EXPECT_EQ(c.formNo, m_app.m_nFormNo);
        EXPECT_EQ(0, Frame().GetDataChanged());
        older += 3;
    }
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
}

// In the notification mode a page loads Ke001.<form number>; a property without a document of the
// kind lists nothing and stays on 今回通知, and "FD出力" asks for a document.
TEST_F(NoticePages, TheNotificationModeLoadsTheKeFileAndAnEmptyListAsksForADocument)
{
    const PageCase& safety = kPages[4];
    ZnModelAppSafeNotif notification, application;
    notification.m_remarks = "Ke";
    application.m_remarks = "Ka";
    StoreFormFile("Ke001.260", notification);
    StoreFormFile("Ka001.260", application);
    StartOn(32787);
    Frame().SetBukkenIndex(7);
    ZnDlgAppFDPage& page = Open(safety);

    EXPECT_EQ(0, page.m_listDocuments.GetItemCount());
    EXPECT_EQ(0u, Columns(page.m_listDocuments).find(u8"通知書データ:"));
    EXPECT_EQ("", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ(0, page.m_comboFormat.GetCurSel());
    CString choice;
    page.m_comboFormat.GetLBText(0, choice);
    EXPECT_EQ(u8"今回通知", Utf8(choice));
    auto* loaded = dynamic_cast<ZnModelAppSafeNotif*>(Document().GetFormModel());
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ("Ke", loaded->m_remarks);

    m_ui.AnswerMessageBox(IDOK);
    page.SendMessage(WM_COMMAND, IDC_FDP_BTN_OUTPUT, 0);
    ASSERT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_EQ(u8"通知書を選択してください。", Utf8(m_ui.messageBoxes[0].text));
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);
}

// Several rows may be selected and the first counts; a click on a row changes nothing on the page,
// and the output writes the form loaded at opening whichever row is selected.
TEST_F(NoticePages, AClickOnARowChangesNothingAndTheFirstSelectedRowCounts)
{
    const PageCase& demolition = kPages[3];
    ZnModelAppDemNotif stored;
    stored.m_mainUse.m_usage.SetCode("08030");
    StoreFormFile("Ka001.250", stored);
    StartOn(32786, 1000);
    ZnDlgAppFDPage& page = Open(demolition);
    const ZnModel* loaded = Document().GetFormModel();

    ASSERT_TRUE(UserInput::ClickListItem(page.m_listDocuments, 1));
    EXPECT_EQ(1, page.GetSelectedRow());
    ASSERT_TRUE(UserInput::SelectListItems(page.m_listDocuments, {0, 1}, 0));
    EXPECT_EQ(0, page.GetSelectedRow());
    ASSERT_TRUE(UserInput::SelectListItems(page.m_listDocuments, {1}, 0));
    EXPECT_EQ(1, page.GetSelectedRow());
    EXPECT_EQ(loaded, Document().GetFormModel());
    EXPECT_EQ("U10", Text(page, IDC_FDP_EDIT_RECEPTION));
    EXPECT_EQ(1, page.m_comboFormat.GetCurSel());
    EXPECT_EQ("2010|04|03", Text(page, IDC_FDP_EDIT_YEAR) + "|" + Text(page, IDC_FDP_EDIT_MONTH) + "|" +
                                Text(page, IDC_FDP_EDIT_DAY));

    // The 書式種類 choice is made once, at opening: the user's choice stays when the page shows again.
    ASSERT_TRUE(UserInput::SelectComboItem(page.m_comboFormat, 0));
    page.ShowWindow(SW_HIDE);
    page.ShowWindow(SW_SHOW);
    EXPECT_EQ(0, page.m_comboFormat.GetCurSel());
    ASSERT_TRUE(UserInput::SelectComboItem(page.m_comboFormat, 1));

    // An empty 出力先 is refused before anything is asked.
    page.m_editOutput.SetWindowText("");
    m_ui.AnswerMessageBox(IDOK);
    page.SendMessage(WM_COMMAND, IDC_FDP_BTN_OUTPUT, 0);
    EXPECT_EQ(std::vector<std::string>{u8"出力先を選択してください。"}, MessageTexts());
    m_ui.messageBoxes.clear();

    page.m_editOutput.SetWindowText(Windows("out"));
    m_app.SetAppFolder(Windows("app"));
    m_ui.AnswerMessageBox(IDOK);
    PressOutput(page, 1);
    EXPECT_EQ(std::vector<std::string>{u8"建築物除却届のFD出力が終了しました"}, MessageTexts());
    EXPECT_NE(std::string::npos, ReadFileBytes(Out("Keikaku/Ksq001.250")).find("08030"));
}

// Without the check, each page writes its form file and the index files with the 書式種類 choice
// (修正 for the listed reception number, 今回 when chosen), runs the converter once on the output
// folder and tells its completion.
TEST_F(NoticePages, EachPageWritesItsFormThroughItsWriterAndRunsTheConverter)
{
    StartOn(32786);
    m_app.SetAppFolder(Windows("app"));
    int pageIndex = 0;
    for (const PageCase& c : kPages) {
        SCOPED_TRACE(c.title);
        std::unique_ptr<ZnModel> stored(c.makeForm());
        StoreFormFile("Ka001." + std::to_string(c.formNo), *stored);
        ZnDlgAppFDPage& page = Open(c);
        page.m_editOutput.SetWindowText(Windows("out"));
        bool first = pageIndex % 2 == 1;
        if (first)
            page.m_comboFormat.SetCurSel(0);
        std::filesystem::remove(m_folder.Path("app/runs.txt"));
        m_ui.messageBoxes.clear();

        m_ui.AnswerMessageBox(IDOK);
        PressOutput(page, 1);
        EXPECT_EQ(std::vector<std::string>{c.completion}, MessageTexts());
        EXPECT_TRUE(std::filesystem::is_regular_file(Out("Keikaku/Ksq001." + std::to_string(c.formNo))));
        std::vector<std::string> head = HeadFields(ReadFileBytes(Out("Info/filename.iba")));
        ASSERT_LT(5u, head.size());
        EXPECT_EQ(u8"南町の家", cp932::ToUtf8(head[1]));
        EXPECT_EQ(first ? "1" : "3", head[5]);
        EXPECT_EQ(m_folder.Path("out") + "\n" + m_folder.Path("out") + "\n",
                  ReadFileBytes(m_folder.Path("app/runs.txt")));
        ++pageIndex;
    }
}

// "チェックする" runs the page's check on the loaded form into the check-result dialog, titled by the
// page's kind (no document-type title: the type is none of the four); "出力しない" writes nothing.
TEST_F(NoticePages, TheCheckReportsTheLoadedFormUnderTheKindsTitle)
{
    const std::vector<std::vector<std::string>> expected = {
        {u8"工事着手予定年月日の日付が正しくありません。"},     {},
        {u8"建築工事届の第二面：主要用途の区分が未入力です。"}, {u8"主要用途の区分が未入力です。"},
        {u8"工事着手予定年月日の日付が正しくありません。"},
    };
    StartOn(32786);
    for (size_t i = 0; i < std::size(kPages); ++i) {
        const PageCase& c = kPages[i];
        SCOPED_TRACE(c.title);
        // A planned start of works in month 13 where the form has one; the official's form has none
        // to check.
        ZnModelAppTempUseConf tempUse;
        tempUse.m_plannedStart.SetDateString("02221301");
        ZnModelAppSafeNotif safety;
        safety.m_plannedStart.SetDateString("02221301");
        if (c.formNo == 220 || c.formNo == 230)
            StoreFormFile("Ka001." + std::to_string(c.formNo), tempUse);
        if (c.formNo == 260)
            StoreFormFile("Ka001.260", safety);
        ZnDlgAppFDPage& page = Open(c);
        page.m_editOutput.SetWindowText(Windows("out"));

        std::vector<std::string> messages;
        std::string printTitle, kindTitle;
        PressOutput(page, 0, [&](CDialog& dialog) {
            auto& result = dynamic_cast<ZnDlgAppCheckResult&>(dialog);
            for (int m = 0; m < result.m_messages.GetSize(); ++m)
                messages.push_back(Utf8(result.m_messages[m]));
            kindTitle = Utf8(result.m_strObjKindTitle);
            printTitle = Utf8(result.GetPrintTitle());
            dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(expected[i], messages);
        EXPECT_EQ(c.title, kindTitle);
        EXPECT_EQ(std::string(c.title) + u8"エラーリスト", printTitle);
        EXPECT_FALSE(std::filesystem::exists(Out("Keikaku")));
        EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    }
}

// A missing or damaged register gives the database layer's message and an empty list, and the
// page finishes its set-up; a form file of another kind gives the framework's message and leaves empty objects,
// which the check then reports.
TEST_F(NoticePages, AMissingRegisterOrAFormOfAnotherKindLeavesEmptyObjects)
{
    std::filesystem::remove(m_folder.Path("obj/APP_BUKKEN.mdb"));
    ZnModelAppDemNotif other;
    other.m_mainUse.m_usage.SetCode("08030");
    StoreFormFile("Ka001.240", other);
    StartOn(32786);
    m_ui.registerReports.clear();
    m_ui.AnswerMessageBox(IDOK);
    ZnDlgAppFDPage& page = Open(kPages[2]);

    EXPECT_EQ(1u, m_ui.registerReports.size());
    EXPECT_EQ(0, page.m_listDocuments.GetItemCount());
    EXPECT_EQ(2, page.m_comboFormat.GetCount());
    EXPECT_EQ(0, page.m_comboFormat.GetCurSel());
    ASSERT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);
    EXPECT_NE(nullptr, dynamic_cast<ZnModelAppConstNotif*>(Document().GetFormModel()));
    EXPECT_EQ(nullptr, Document().GetSubFormModel());
    EXPECT_EQ(std::vector<CString>{"建築工事届の第二面：主要用途の区分が未入力です。"}, page.CheckInput());

    // A damaged file of the page's own kind: the same.
    WriteFileBytes(m_folder.Path(u8"obj/南町の家/Ka001.250"), "not an archive");
    m_ui.AnswerMessageBox(IDOK);
    ZnDlgAppFDPage& demolition = Open(kPages[3]);
    EXPECT_EQ(2u, m_ui.messageBoxes.size());
    EXPECT_EQ(std::vector<CString>{"主要用途の区分が未入力です。"}, demolition.CheckInput());

    // A damaged register: the database layer's message and an empty list again.
    WriteFileBytes(m_folder.Path("obj/APP_BUKKEN.mdb"), "not a database");
    ZnDlgAppFDPage& safety = Open(kPages[4]);
    EXPECT_EQ(3u, m_ui.registerReports.size());
    EXPECT_EQ(0, safety.m_listDocuments.GetItemCount());
    EXPECT_EQ(2, safety.m_comboFormat.GetCount());
    EXPECT_EQ(std::vector<CString>{}, safety.CheckInput());
}

// The page templates hold the controls at the positions of the forms, 6604 and 6618 in full, the
// notices' date and reception row.
TEST(NoticePageTemplates, TheControlsStandWhereTheFormsPutThem)
{
    const std::string rule = std::string("-1:") + fdstyle::kRule + ":";
    EXPECT_EQ(u8"14015::40,5,60,40\n"
              u8"-1:申請内容：:5,5,35,10\n"
              u8"-1:出力先：:110,5,25,10\n"
              u8"14054::139,5,122,12:readonly\n"
              u8"14055:参照:261,5,20,15\n"
              u8"14017:FD出力:286,5,34,15\n" +
                  rule + u8"5,25,315,8\n" +
                  u8"-1:書式種類:15,45,32,10\n"
                  u8"-1:申請年月日:115,45,40,10\n"
                  u8"-1:受付番号:193,45,40,10\n"
                  u8"-1:仮使用承認申請書（特定行政庁）:5,60,106,10\n"
                  u8"14003::113,60,20,12:readonly\n"
                  u8"-1:年:134,62,8,10\n"
                  u8"14004::143,60,15,12:readonly\n"
                  u8"-1:月:159,62,8,10\n"
                  u8"14005::168,60,15,12:readonly\n"
                  u8"-1:日:184,62,8,10\n"
                  u8"14006::193,60,127,12:readonly\n" +
                  rule + u8"5,76,315,8\n" + u8"14041::5,95,315,90:multiselect\n",
              TemplateControls(IDD_FDOUT51));
    // The rows that differ: the form label, the dates with their units, the reception number and the
    // second rule.
    auto row = [](UINT id) {
        std::istringstream lines(TemplateControls(id));
        std::string picked;
        int index = 0;
        for (std::string line; std::getline(lines, line); ++index) {
            size_t position = line.find(':', line.find(':') + 1) + 1;
            if (index >= 8 && index <= 18)
                picked += line.substr(position, line.find(':', position) - position) + " ";
        }
        return picked;
    };
    EXPECT_EQ("107,45,40,10 185,45,40,10 5,60,99,10 104,60,20,12 126,62,8,10 135,60,15,12 151,62,8,10 "
              "160,60,15,12 176,62,8,10 185,60,135,12 5,75,315,8 ",
              row(IDD_FDOUT52));
    EXPECT_EQ("107,45,40,10 186,45,40,10 5,60,99,10 105,60,20,12 126,62,8,10 135,60,15,12 151,62,8,10 "
              "160,60,15,12 176,62,8,10 186,60,134,12 5,75,315,8 ",
              row(IDD_FDOUT53));
    EXPECT_EQ("107,45,40,10 185,45,40,10 5,60,99,10 105,60,20,12 126,63,8,10 135,60,15,12 151,63,8,10 "
              "160,60,15,12 176,63,8,10 185,60,106,12 5,75,315,8 ",
              row(IDD_FDOUT54));
    EXPECT_EQ("113,45,40,10 192,45,40,10 5,60,107,10 110,60,20,12 132,62,8,10 141,60,15,12 157,62,8,10 "
              "166,60,15,12 182,62,8,10 192,60,128,12 5,75,315,8 ",
              row(IDD_FDOUT55));
}
