// The application object: its start-up, the converter it runs, and the filter of its texts.
#include "tests/support/ShellTestSupport.h"
#include "tests/support/TabbedCases.h"

#include "model/ZnModelApp.h"
#include "platform/core/Cp932.h"
#include "platform/wnd/Afxwin.h"
#include "tools/sampledata/SampleCodeDatabases.h"
#include "writers/forms/ZnAppDocFDOut54.h"

#include <algorithm>
#include <sys/stat.h>

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

using StartUp = ShellTest;

// The templates in registration order as tests/data/app/doc_templates.txt lists them.
std::vector<std::string> TemplateLines(CZnAppProApp& app)
{
    std::vector<std::string> lines;
    for (POSITION pos = app.GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* t = app.GetNextDocTemplate(pos);
        std::string kept = "none";
        for (int i = 0; i < CZnAppProApp::kFormTemplateCountA; ++i)
            kept = app.m_pFormTemplatesA[i] == t ? "A" + std::to_string(i) : kept;
        for (int i = 0; i < CZnAppProApp::kFormTemplateCountB; ++i)
            kept = app.m_pFormTemplatesB[i] == t ? "B" + std::to_string(i) : kept;
        lines.push_back(std::to_string(t->m_nIDResource) + "\t" + t->m_pDocClass->m_lpszClassName + "\t" +
                        t->m_pFrameClass->m_lpszClassName + "\t" + t->m_pViewClass->m_lpszClassName + "\t" + kept);
    }
    return lines;
}

// An application whose memory probe fails.
class LowMemoryApp : public CZnAppProApp {
public:
    size_t probed = 0;

protected:
    void ProbeMemory(size_t bytes) override
    {
        probed = bytes;
        AfxThrowMemoryException();
    }
};

const char kLowMemory[] =
    u8"メモリが不足しています。\nこのまま続けるとプログラムが正常に動作しない可能性があります。\n\n"
    u8"プログラムを終了してよろしいですか？\n\t[はい]・・・・プログラムを終了する\n"
    u8"\t[いいえ]・・・プログラムを継続する";

// How many migration dialogs were destroyed.
long MigrationDialogsClosed(const ShellTestUi& ui)
{
    return std::count_if(ui.destroyed.begin(), ui.destroyed.end(), [](const ShellTestUi::DestroyedWindow& window) {
        return window.text == u8"Miravel (2010年09月03日リリース)";
    });
}

} // namespace

TEST_F(StartUp, WithoutSettingsBuildsTheHiddenFrameWithItsTemplatesAndRunsTheMigrationDialog)
{
    Start();
    EXPECT_EQ("App App App", std::string(m_app.m_pszAppName) + " " + m_app.m_pszExeName + " " + m_app.m_pszProfileName);
    EXPECT_EQ(RGB(0, 0, 0), AfxGetDialogTextColor());

    std::vector<std::string> templates;
    for (const auto& row : testsupport::ReadTabbedCases("app/doc_templates.txt"))
        templates.push_back(
            (row.at(0) + "\t" + row.at(1) + "\t" + row.at(2) + "\t" + row.at(3) + "\t" + row.at(4)).Bytes());
    EXPECT_EQ(templates, TemplateLines(m_app));

    // Without the settings key every folder is empty.
    EXPECT_EQ("||||", m_app.GetAppFolder() + "|" + m_app.GetComFolder() + "|" + m_app.GetObjFolder() + "|" +
                          m_app.GetDstFolder() + "|" + m_app.GetOutputFolder());

    // The frame is hidden; its status bar and top bar are there.
    CMainFrame& frame = Frame();
    EXPECT_FALSE(frame.IsWindowVisible());
    CString panes;
    for (int i = 0; i < frame.GetStatusBar().GetCount(); ++i)
        panes += frame.GetStatusBar().GetPaneText(i) + "|";
    EXPECT_EQ("|ｶﾅ|CAP|NUM|SCRL|", panes);
    EXPECT_EQ(frame.GetPanelById(118), frame.GetDlgItem(118));

    // The command line opened one document with the neutral view (kept out of sight: FormViewsTest).
    EXPECT_STREQ("ZnModelApp", Document().GetAppModel()->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(nullptr, Document().GetFormModel());
    EXPECT_EQ("CZnAppProView", ActiveViewClass());

    // Command 1013 ran the migration dialog, which has closed.
    EXPECT_EQ(1, MigrationDialogsClosed(m_ui));
    EXPECT_TRUE(m_ui.messageBoxes.empty());
}

TEST_F(StartUp, ReadsTheFoldersAsTheRegistryHoldsThem)
{
    // A missing output folder is the first drive present.
    StoreFolders("C:\\Zadazez", "C:\\共通\\", "D:\\物件", "C:\\移行", nullptr);
    Start();
    EXPECT_EQ("C:\\Zadazez|C:\\共通\\|D:\\物件|C:\\移行|C:\\", m_app.GetAppFolder() + "|" + m_app.GetComFolder() + "|" +
                                                                   m_app.GetObjFolder() + "|" + m_app.GetDstFolder() +
                                                                   "|" + m_app.GetOutputFolder());
    // The shell state of the subsystems below gives the same folders.
    EXPECT_EQ("D:\\物件", ZnShellState::Current()->GetObjFolder());
}

TEST_F(StartUp, TheCodeTablesOfTheApplicationFolderAreOpenWhileTheFrameLives)
{
    MakeFolders({"app"});
    MakeSampleComCode(m_folder.Path("app/COM_CODE.mdb"));
    StoreFolders(Windows("app"), nullptr, nullptr, nullptr, nullptr);
    Start();
    ZnAppComTblAccess* codes = ZnShellState::Current()->GetComTblAccess();
    ASSERT_EQ(m_app.GetComTblAccess(), codes);
    EXPECT_EQ("平成", ZnAppComTblAccess::GetNameByCode(codes->m_pRset[ZnAppComTblAccess::slotGengou], "02"));
    Frame().DestroyWindow();
    for (ZnRsetComCodeTbl* recordset : codes->m_pRset)
        EXPECT_EQ(nullptr, recordset);
}

TEST_F(StartUp, TheProgramRunsToItsEndWithNothingLeft)
{
    StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "C:\\");
    char program[] = "zadazez";
    char* argv[] = {program};
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    EXPECT_EQ(0, AfxWinMain(1, argv));
    EXPECT_EQ(nullptr, m_app.m_pMainWnd);
    EXPECT_EQ(0, AfxGetWindowCount());
    EXPECT_EQ(Windows("obj"), m_app.GetObjFolder());
    // The migration dialog goes first (after its controls), the frame with everything in it last.
    auto control = [](const ShellTestUi::DestroyedWindow& w) {
        return w.className == "CButton" || w.className == "CEdit" || w.className == "CStatic" ||
               w.className == "CListCtrl";
    };
    ASSERT_EQ(1, MigrationDialogsClosed(m_ui));
    EXPECT_EQ(u8"Miravel (2010年09月03日リリース)",
              std::find_if_not(m_ui.destroyed.begin(), m_ui.destroyed.end(), control)->text);
    EXPECT_EQ("CMainFrame", m_ui.destroyed.back().className);
    EXPECT_EQ(" Orvane for Windows Ver6.10", m_ui.destroyed.back().text);
}

// Yes ends start-up before anything is built; no goes on with the whole start-up.
TEST(LowMemoryStartUpAnswers, YesEndsStartUpAndNoGoesOn)
{
    for (int answer : {IDYES, IDNO}) {
        SCOPED_TRACE(answer);
        testsupport::TempRegistry registry;
        ShellTestUi ui;
        LowMemoryApp app;
        ui.AnswerMessageBox(answer);
        if (answer == IDNO)
            ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
        char program[] = "zadazez";
        char* argv[] = {program};
        app.SetCommandLine(1, argv);
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(24576000u, app.probed);
        ASSERT_EQ(1u, ui.messageBoxes.size());
        EXPECT_EQ(kLowMemory, cp932::ToUtf8(ui.messageBoxes[0].text.Bytes()));
        EXPECT_EQ("App", ui.messageBoxes[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), ui.messageBoxes[0].type);
        if (answer == IDYES) {
            EXPECT_EQ(nullptr, app.m_pMainWnd);
            EXPECT_EQ(nullptr, app.GetFirstDocTemplatePosition());
            EXPECT_TRUE(ui.destroyed.empty());
        } else {
            ASSERT_NE(nullptr, app.GetMainFrame());
            EXPECT_NE(nullptr, app.GetActiveDocument());
            EXPECT_EQ(1, MigrationDialogsClosed(ui));
            app.m_pMainWnd->DestroyWindow();
        }
        EXPECT_EQ(0, AfxGetWindowCount());
    }
}

namespace {

// A converter that writes its two arguments, one per line, beside itself.
const char kConverter[] = "#!/bin/sh\nprintf '%s\\n%s\\n' \"$1\" \"$2\" >> \"$(dirname \"$0\")/runs.txt\"\n";

using RunTxt2Xml = ShellTest;

} // namespace

TEST_F(RunTxt2Xml, RunsTheConverterOnTheFileTwiceAndWaitsForIt)
{
    MakeFolders({"app dir", "out dir"});
    WriteFileBytes(m_folder.Path("app dir/txt2xml"), kConverter);
    chmod(m_folder.Path("app dir/txt2xml").c_str(), 0755);
    m_app.SetAppFolder(Windows("app dir"));
    m_app.RunTxt2Xml(Windows("out dir") + "\\申請書データ.xml");
    std::string file = m_folder.Path(u8"out dir/申請書データ.xml");
    EXPECT_EQ(file + "\n" + file + "\n", ReadFileBytes(m_folder.Path("app dir/runs.txt")));

    // Through the shell state, with a file name that is not a full path.
    ZnShellState::Current()->RunTxt2Xml("Keikaku\\~002.xml");
    EXPECT_EQ(file + "\n" + file + "\nKeikaku\\~002.xml\nKeikaku\\~002.xml\n",
              ReadFileBytes(m_folder.Path("app dir/runs.txt")));
}

// A form output runs the converter on its root once the form file is whole: the stand-in sees
// the form's full size. A root that ends in a backslash, as a drive root does, reaches it
// without that backslash, which would otherwise escape the closing quote.
TEST_F(RunTxt2Xml, AFormOutputRunsItOnTheRootAfterTheFormIsWritten)
{
    const char converter[] = "#!/bin/sh\nprintf '%s\\n%s\\n' \"$1\" \"$2\" >> \"$(dirname \"$0\")/runs.txt\"\n"
                             "wc -c < \"$1/Keikaku/Ksq001.250\" >> \"$(dirname \"$0\")/runs.txt\"\n";
    MakeFolders({"app", "root"});
    WriteFileBytes(m_folder.Path("app/txt2xml"), converter);
    chmod(m_folder.Path("app/txt2xml").c_str(), 0755);
    m_app.SetAppFolder(Windows("app"));
    m_ui.AnswerMessageBox(IDOK);
    ZnAppDocFDOut54().OutputFD(Windows("root") + "\\", 0);
    std::string root = m_folder.Path("root");
    std::string form = ReadFileBytes(root + "/Keikaku/Ksq001.250");
    EXPECT_EQ(root + "\n" + root + "\n" + std::to_string(form.size()) + "\n",
              ReadFileBytes(m_folder.Path("app/runs.txt")));
    EXPECT_EQ(std::vector<std::string>{u8"建築物除却届のFD出力が終了しました"}, MessageTexts());
}

TEST_F(RunTxt2Xml, AMissingConverterChangesNothing)
{
    MakeFolders({"app"});
    m_app.SetAppFolder(Windows("app"));
    m_app.RunTxt2Xml(Windows("out.xml"));
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    struct stat status;
    EXPECT_NE(0, stat(m_folder.Path("app/runs.txt").c_str(), &status));
}
