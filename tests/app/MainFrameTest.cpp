#include "tests/support/ShellTestSupport.h"

#include "editors/ZnDlgAppTanbunPaste.h"
#include "model/ZnModelApp.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/UserInput.h"
#include "res/MainFrameIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppCheckoutTblDAO.h"
#include "storage/ZnAppRegRoot.h"
#include "storage/ZnAppTanbunTblDAO.h"
#include "tools/jetwriter/JetSqliteCopy.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <algorithm>

namespace {

// Asks a command's update handler whether it is enabled, as a menu item would.
BOOL IsEnabled(CCmdTarget& target, UINT nID)
{
    class Probe : public CCmdUI {
    public:
        void Enable(BOOL bOn) override
        {
            enabled = bOn;
            m_bEnableChanged = TRUE;
        }
        BOOL enabled = TRUE;
    } probe;
    probe.m_nID = nID;
    probe.DoUpdate(&target, TRUE);
    return probe.enabled;
}

// The frame's commands enabled (1) or not, in groups that share a rule.
const std::vector<std::vector<UINT>> ruleGroups = {
    {ID_NEW_ZADAZEZ, ID_NEW_KEIKAKU},
    {ID_SELECT_BUKKEN, ID_FD_LOAD, IDC_TOP_SELECTBUKKEN},
    {ID_SAVE},
    {ID_TANBUN_REGIST, ID_TANBUN_PASTE, ID_TANBUN_EDIT, ID_TANBUN_COPY},
    {ID_COMMON_DATA, ID_BUKKEN_DATA, ID_FD_CREATE, ID_PRINT_APPLICATION, ID_NUMBER_INPUT, IDC_TOP_COMMONDATA,
     IDC_TOP_BUKKENDATA, IDC_TOP_FDCREATE, IDC_TOP_PRINT},
    {IDC_TOP_MENUDISPLAY},
};

std::string Rules(CMainFrame& frame)
{
    std::string rules;
    for (const std::vector<UINT>& group : ruleGroups) {
        rules += rules.empty() ? "" : " ";
        for (UINT command : group)
            rules += IsEnabled(frame, command) ? '1' : '0';
    }
    return rules;
}

// The key names of the rows of AppCheckoutTbl in the register at a Windows path, in table order.
std::vector<std::string> CheckoutNames(const CString& registerPath)
{
    std::vector<std::string> names;
    ZnAppCheckoutTblDAO checkouts;
    checkouts.SetDBPath(registerPath);
    checkouts.Open(dbOpenDynaset, "SELECT * FROM AppCheckoutTbl", 0);
    for (; !checkouts.IsEOF(); checkouts.MoveNext())
        names.push_back(cp932::ToUtf8(checkouts.m_BukkenKeyName.Bytes()));
    checkouts.Close();
    return names;
}

const char kCheckoutRows[] = u8"INSERT INTO AppCheckoutTbl (BukkenKeyCode, BukkenKeyName) VALUES (0, 'Plant A');\n"
                             u8"INSERT INTO AppCheckoutTbl (BukkenKeyCode, BukkenKeyName) VALUES (0, '南町の家');\n"
                             u8"INSERT INTO AppCheckoutTbl (BukkenKeyCode, BukkenKeyName) VALUES (0, 'Plant A');\n";

class MainFrame : public ShellTest {
protected:
    MainFrame()
    {
        MakeFolders({"app", "com", "obj"});
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:\\");
    }

    // A focused edit control on the frame, with a text and a selection.
    CEdit& FocusedEdit(LPCTSTR text, int start, int end)
    {
        m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 100, 20), &Frame(), 4242);
        m_edit.SetWindowText(text);
        m_edit.SetSel(start, end);
        m_edit.SetFocus();
        return m_edit;
    }

    // The current panel, then the screen, floppy, common-data and property-data flags.
    std::string State() const
    {
        CMainFrame& f = Frame();
        return std::to_string(f.GetCurrentPanel()) + ":" + std::to_string(f.GetScreenFlag()) +
               std::to_string(f.GetFdFlag()) + std::to_string(f.GetCommonDataFlag()) +
               std::to_string(f.GetBukkenDataFlag());
    }

    CEdit m_edit;
};

} // namespace

TEST_F(MainFrame, CommandsAreEnabledByTheScreenAndPropertyFlags)
{
    Start();
    CMainFrame& frame = Frame();
    EXPECT_EQ("11 111 0 0000 000000000 0", Rules(frame));
    frame.SetBukkenSelected(1);
    frame.SetDataChanged(1);
    EXPECT_EQ("11 111 1 0000 111111111 0", Rules(frame));
    frame.SetScreenFlag(1);
    frame.SetDataChanged(0);
    EXPECT_EQ("00 000 0 1111 000000000 1", Rules(frame));
}

TEST_F(MainFrame, ScreenCommandsLeaveTheScreenAndShowTheirPanel)
{
    Start();
    CMainFrame& frame = Frame();
    // A command that its rule disables does nothing.
    Command(ID_FD_CREATE);
    EXPECT_EQ("0:0000", State());
    frame.SetBukkenSelected(1);
    Command(ID_FD_CREATE);
    EXPECT_EQ(std::to_string(IDD_DOCTYPEBAR) + ":1100", State());
    EXPECT_EQ(IDD_DOCTYPEBAR, frame.GetShownPanel());
    ASSERT_NE(nullptr, frame.GetDlgItem(IDD_DOCTYPEBAR));

    frame.SetScreenFlag(0);
    Command(ID_COMMON_DATA);
    EXPECT_EQ(nullptr, frame.GetDlgItem(IDD_DOCTYPEBAR));
    EXPECT_EQ(std::to_string(IDD_COMMONDATABAR) + ":1010", State());
    CString caption;
    frame.GetDlgItem(IDD_COMMONDATABAR)->GetDlgItemText(IDC_PANEL_CAPTION, caption);
    EXPECT_EQ("共通データの作成・編集", caption);

    // The property-data screen has no bar.
    frame.SetScreenFlag(0);
    Command(ID_BUKKEN_DATA);
    EXPECT_EQ(nullptr, frame.GetDlgItem(IDD_COMMONDATABAR));
    EXPECT_EQ(std::to_string(PANEL_BUKKENDATA) + ":1001", State());
    // Printing does nothing.
    frame.SwitchMenu(IDC_TOP_PRINT);
    EXPECT_EQ(std::to_string(PANEL_BUKKENDATA) + ":1001", State());

    // Property selection: the migration dialog closes without a choice, so no panel follows.
    size_t destroyed = m_ui.destroyed.size();
    frame.SetScreenFlag(0);
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    Command(ID_SELECT_BUKKEN);
    EXPECT_EQ("0:0000", State());
    EXPECT_EQ(1, std::count_if(m_ui.destroyed.begin() + destroyed, m_ui.destroyed.end(),
                               [](const ShellTestUi::DestroyedWindow& window) {
                                   return window.text == u8"Miravel (2010年09月03日リリース)";
                               }));
}

TEST_F(MainFrame, ANewPropertyAcceptedShowsThePropertyDataInItsMode)
{
    // The dialog lists the regions of the application folder's COM_CHIIKI.mdb when shown.
    MakeSampleComChiiki(m_folder.Path("app/COM_CHIIKI.mdb"));
    Start();
    CMainFrame& frame = Frame();
    m_ui.ScriptModal([&](CDialog& dialog) {
        EXPECT_EQ("計画通知書", frame.GetKindCaption());
        frame.SetBukkenDataFlag(1);
        frame.SetBukkenSelected(1);
        dialog.EndDialog(IDOK);
    });
    Command(ID_NEW_KEIKAKU);
    EXPECT_EQ(std::vector<UINT>{IDD_BUKKEN_INPUT}, m_ui.modalTemplates);
    EXPECT_EQ(DOCMODE_KEIKAKU, frame.GetDocMode(0));
    EXPECT_EQ(PANEL_BUKKENDATA, frame.GetCurrentPanel());

    // Cancelled: the flags that leaving the screen cleared stay clear; the mode stays.
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    Command(ID_NEW_ZADAZEZ);
    EXPECT_EQ("確認申請書", frame.GetKindCaption());
    EXPECT_EQ(DOCMODE_KEIKAKU, frame.GetDocMode(0));
    EXPECT_EQ(0, frame.GetCurrentPanel());

    // The floppy import chooses no property either.
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDOK); });
    Command(ID_FD_LOAD);
    EXPECT_EQ((std::vector<UINT>{IDD_BUKKEN_INPUT, IDD_BUKKEN_INPUT, IDD_FD_IMPORT}), m_ui.modalTemplates);
    EXPECT_EQ(0, frame.GetCurrentPanel());
}

TEST_F(MainFrame, TheMenuActionClosesTheFormAndEndsTheScreenUnlessDataChangedOrASaveRuns)
{
    Start();
    CMainFrame& frame = Frame();
    frame.SetDocMode(DOCMODE_ZADAZEZ);
    frame.SetBukkenSelected(1);
    Command(ID_FD_CREATE);
    Click(IDD_DOCTYPEBAR, IDC_DOC_CONFIRM);
    Click(IDD_CONFIRMKINDBAR, IDC_OBJ_LIFT);
    ASSERT_EQ("ZnFvAppCAFM12", ActiveViewClass());

    // A save runs the action with the flag set: nothing closes.
    Command(ID_SAVE);
    EXPECT_EQ(0, frame.GetSaving());
    EXPECT_EQ("ZnFvAppCAFM12", ActiveViewClass());
    EXPECT_EQ(IDD_CONFIRMKINDBAR, frame.GetCurrentPanel());

    // With changed data the form closes but the screen stays.
    frame.SetDataChanged(1);
    Click(IDD_MAINMENUBAR, IDC_TOP_MENUDISPLAY);
    EXPECT_EQ("CZnAppProView", ActiveViewClass());
    EXPECT_EQ(IDD_CONFIRMKINDBAR, frame.GetCurrentPanel());

    frame.SetDataChanged(0);
    frame.SetBukkenDataFlag(1);
    Click(IDD_MAINMENUBAR, IDC_TOP_MENUDISPLAY);
    EXPECT_EQ("0:0000", State());
    EXPECT_EQ(nullptr, frame.GetDlgItem(IDD_CONFIRMKINDBAR));
    CString title;
    frame.GetWindowText(title);
    EXPECT_EQ(" Orvane for Windows Ver6.10", title);
}

TEST_F(MainFrame, EditCommandsGoToAFocusedEditOnly)
{
    Start();
    CEdit& edit = FocusedEdit("abcdef", 0, 0);
    struct Step {
        UINT command;
        int selStart, selEnd; // -1: the selection as the step before left it
        const char* text;
        const char* clipboard;
    };
    const Step steps[] = {{ID_EDIT_CUT, 1, 3, "adef", "bc"},
                          {ID_EDIT_COPY, 0, 1, "adef", "a"},
                          {ID_EDIT_PASTE, 4, 4, "adefa", "a"},
                          {ID_EDIT_DELETE, 0, 2, "efa", "a"},
                          {ID_EDIT_UNDO, -1, -1, "adefa", "a"}};
    CString text;
    for (const Step& step : steps) {
        if (step.selStart >= 0)
            edit.SetSel(step.selStart, step.selEnd);
        Command(step.command);
        edit.GetWindowText(text);
        EXPECT_EQ(step.text, text) << step.command;
        EXPECT_EQ(step.clipboard, UiHost::Current().GetClipboardText()) << step.command;
    }

    // On a button nothing happens.
    Frame().GetPanelById(IDD_MAINMENUBAR)->GetDlgItem(IDC_TOP_COMMONDATA)->SetFocus();
    for (UINT command : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE, ID_EDIT_UNDO})
        Command(command);
    edit.GetWindowText(text);
    EXPECT_EQ("adefa", text);
    EXPECT_EQ("a", UiHost::Current().GetClipboardText());
}

// The short-text dialogs run from the menu; registering takes the selection without its bars.
TEST_F(MainFrame, TheShortTextDialogsRunFromTheMenu)
{
    DaoCreateDatabase(Windows("com/APP_USER_REGIST.mdb"), appUserRegistSchema);
    Start();
    Frame().SetBukkenSelected(1);
    Frame().SetScreenFlag(1);
    // ポ ends in the byte of "|" and stays whole.
    CEdit& edit = FocusedEdit("xa|b|yポ", 1, 5);
    m_ui.ScriptModal([](CDialog& dialog) {
        // The notice comes after the row is stored.
        ZnAppTanbunTblDAO stored;
        stored.Open(dbOpenDynaset, nullptr, 0);
        EXPECT_EQ("ab", stored.m_Tanbun);
        stored.Close();
        CString notice;
        dialog.GetWindow(GW_CHILD)->GetWindowText(notice);
        EXPECT_EQ(u8"短文を登録しました。", cp932::ToUtf8(notice.Bytes()));
        EXPECT_TRUE(UserInput::PressEnter(dialog));
    });
    Command(ID_TANBUN_REGIST);
    // Nothing selected: the whole text.
    m_edit.SetSel(3, 3);
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDOK); });
    Command(ID_TANBUN_REGIST);
    // An empty text registers nothing.
    m_edit.SetWindowText("");
    Command(ID_TANBUN_REGIST);
    std::vector<std::string> texts;
    ZnAppTanbunTblDAO tanbun;
    tanbun.Open(dbOpenDynaset, "SELECT * FROM AppTanbunTbl", 0);
    for (; !tanbun.IsEOF(); tanbun.MoveNext())
        texts.push_back(tanbun.m_Tanbun.Bytes());
    tanbun.Close();
    EXPECT_EQ((std::vector<std::string>{"ab", "xabyポ"}), texts);

    m_ui.ScriptModal([&](CDialog& dialog) {
        EXPECT_EQ(&edit, static_cast<ZnDlgAppTanbunPaste&>(dialog).m_pTarget);
        dialog.EndDialog(IDOK);
    });
    Command(ID_TANBUN_PASTE);
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDOK); });
    Command(ID_TANBUN_EDIT);
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDOK); });
    Command(ID_TANBUN_COPY);
    // Pasting needs an edit with the focus; registering needs an edit or a combo box.
    Frame().GetPanelById(IDD_MAINMENUBAR)->GetDlgItem(IDC_TOP_COMMONDATA)->SetFocus();
    Command(ID_TANBUN_PASTE);
    Command(ID_TANBUN_REGIST);
    EXPECT_EQ(
        (std::vector<UINT>{IDD_TANBUN_REGIST, IDD_TANBUN_REGIST, IDD_TANBUN_PASTE, IDD_TANBUN_EDIT, IDD_TANBUN_COPY}),
        m_ui.modalTemplates);
}

TEST_F(MainFrame, HelpAndAboutOpenFromTheMenu)
{
    Start();
    m_ui.AnswerShellExecute(2); // no such file: nothing is said
    Command(ID_HELP_HTML);
    ASSERT_EQ(1u, m_ui.shellRequests.size());
    const auto& request = m_ui.shellRequests[0];
    EXPECT_EQ("open|" + Windows("app") + "\\App.htm|",
              request.operation + "|" + request.file + "|" + request.parameters);
    EXPECT_EQ(SW_SHOWDEFAULT, request.showCommand);
    EXPECT_TRUE(m_ui.messageBoxes.empty());

    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDOK); });
    Command(ID_APP_ABOUT);
    EXPECT_EQ(std::vector<UINT>{IDD_ABOUTBOX}, m_ui.modalTemplates);
}

TEST_F(MainFrame, ClosingWritesThePlacementAndDropsTheFormModels)
{
    Start();
    CMainFrame& frame = Frame();
    Document().ReplaceModel(CZnAppProDoc::formModel, new ZnModelApp);
    Document().ReplaceModel(CZnAppProDoc::subFormModel, new ZnModelApp);
    frame.MoveWindow(10, 20, 800, 600);
    frame.SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, m_app.m_pMainWnd);

    ZnAppRegRoot root("Norva\\Zadazez\\App\\6.00.0.1", "StartUp");
    ASSERT_EQ(1, root.Read());
    EXPECT_EQ("0,9,10,20,0,0,10,20,810,620", root.m_strStartUp);
}

// The run releases only its own check-out, and never throws (none taken, no register, an Access file).
TEST_F(MainFrame, OnlyTheCheckOutOfThisRunIsReleasedAtTheEndAndReleasingNeverThrows)
{
    Start();
    CMainFrame& frame = Frame();
    EXPECT_FALSE(frame.ReleaseCheckout());
    frame.NoteCheckout(Windows("obj"), "Plant A");
    EXPECT_FALSE(frame.ReleaseCheckout());

    DaoCreateDatabase(Windows("source.mdb"), std::string(appBukkenSchema) + kCheckoutRows);
    JetDatabase jet(JetVersion::Jet4);
    AddSqliteTables(jet, m_folder.Path("source.mdb"));
    WriteJetFile(jet, m_folder.Path("obj/APP_BUKKEN.mdb"));
    frame.NoteCheckout(Windows("obj"), "Plant A");
    EXPECT_FALSE(frame.ReleaseCheckout());

    // The last property name of the run is not one that the run checked out.
    MakeFolders({"sqlite"});
    DaoCreateDatabase(Windows("sqlite/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + kCheckoutRows);
    m_app.SetBukkenName("南町の家");
    frame.NoteCheckout(Windows("sqlite"), "Plant A");
    frame.DestroyWindow();
    EXPECT_EQ((std::vector<std::string>{u8"南町の家", "Plant A"}), CheckoutNames(Windows("sqlite/APP_BUKKEN.mdb")));
    EXPECT_EQ((std::vector<std::string>{"Plant A", u8"南町の家", "Plant A"}),
              CheckoutNames(Windows("obj/APP_BUKKEN.mdb")));
}
