#include "tests/wnd/WndTestSupport.h"

namespace {

std::vector<std::string> commands; // the commands handled, in order, and "destroyed" for the frame's end

class TestPanel : public CDialogBar {
protected:
    afx_msg void OnOwn() { commands.push_back("panel own"); }
    afx_msg void OnUpdateOwn(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestPanel, CDialogBar)
ON_BN_CLICKED(IDC_PANEL_OWN, OnOwn)
ON_UPDATE_COMMAND_UI(IDC_PANEL_OWN, OnUpdateOwn)
END_MESSAGE_MAP()

// A main frame with a status bar, a panel, command handlers and update rules.
class TestMainFrame : public CMDIFrameWnd {
public:
    TestPanel m_panel;
    CStatusBar m_status;
    BOOL dataChanged = FALSE;
    BOOL panelFrameEnabled = FALSE;
    ~TestMainFrame() override { commands.push_back("destroyed"); }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                          ID_INDICATOR_SCRL};
        return CMDIFrameWnd::OnCreate(lpCreateStruct) == -1 || !m_status.Create(this) ||
                       !m_status.SetIndicators(indicators, 5) ||
                       !m_panel.Create(this, IDD_PANEL, CBRS_LEFT | CBRS_TOOLTIPS | CBRS_FLYBY, IDD_PANEL)
                   ? -1
                   : 0;
    }
    afx_msg void OnSelect() { commands.push_back("select"); }
    afx_msg void OnSave() { commands.push_back("save"); }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(dataChanged); }
    afx_msg void OnPanelFrame() { commands.push_back("panel frame"); }
    afx_msg void OnUpdatePanelFrame(CCmdUI* pCmdUI) { pCmdUI->Enable(panelFrameEnabled); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_COMMAND(32772, OnSelect)
ON_COMMAND(32788, OnSave)
ON_UPDATE_COMMAND_UI(32788, OnUpdateSave)
ON_BN_CLICKED(IDC_PANEL_FRAME, OnPanelFrame)
ON_UPDATE_COMMAND_UI(IDC_PANEL_FRAME, OnUpdatePanelFrame)
END_MESSAGE_MAP()

BOOL Enabled(CWnd& parent, int nID) { return parent.GetDlgItem(nID)->IsWindowEnabled(); }

// The grey and disabled flags of the frame's menu items after its File menu opened.
std::vector<UINT> FileMenuFlags(CFrameWnd& frame, std::initializer_list<UINT> items)
{
    CMenu* file = frame.GetMenu()->GetSubMenu(0);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file->m_hMenu), MAKELPARAM(0, FALSE));
    std::vector<UINT> flags;
    for (UINT item : items)
        flags.push_back(frame.GetMenu()->GetMenuState(item, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    return flags;
}

// An application whose main window is a TestMainFrame.
class CommandUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        commands.clear();
        ASSERT_TRUE(frame->LoadFrame(100));
        app.m_pMainWnd = frame;
    }

    ScriptedUi ui;
    CWinApp app{"App"};
    TestMainFrame* frame = new TestMainFrame;
};

TEST_F(CommandUpdate, UpdateHandlersEnableAndDisableThePanelsButtonsOfAVisibleFrame)
{
    TestPanel& panel = frame->m_panel;
    EXPECT_EQ(static_cast<CWnd*>(&panel), frame->GetDlgItem(IDD_PANEL));
    app.OnIdle(0); // a hidden main window updates nothing
    EXPECT_TRUE(Enabled(panel, IDC_PANEL_NONE));

    frame->ShowWindow(SW_SHOW);
    app.OnIdle(0);
    EXPECT_TRUE(Enabled(panel, IDC_PANEL_OWN));    // the panel's own handler enables it
    EXPECT_FALSE(Enabled(panel, IDC_PANEL_NONE));  // nobody handles its command
    EXPECT_FALSE(Enabled(panel, IDC_PANEL_FRAME)); // the frame's rule says no
    EXPECT_TRUE(Enabled(panel, IDC_PANEL_RADIO));  // automatic radio buttons keep their state
    EXPECT_FALSE(UserInput::Click(panel, IDC_PANEL_FRAME));
    frame->panelFrameEnabled = TRUE;
    app.OnIdle(0);
    EXPECT_TRUE(Enabled(panel, IDC_PANEL_FRAME));
    // The panel handles its own button and hands the other to its frame.
    ASSERT_TRUE(UserInput::Click(panel, IDC_PANEL_OWN));
    ASSERT_TRUE(UserInput::Click(panel, IDC_PANEL_FRAME));

    ASSERT_TRUE(frame->m_status.SetPaneText(0, "準備完了"));
    EXPECT_EQ(CString("準備完了"), frame->m_status.GetPaneText(0));
    EXPECT_EQ(CString(), frame->m_status.GetPaneText(5)); // past the last pane
    frame->DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ((std::vector<std::string>{"panel own", "panel frame", "destroyed"}), commands);
}

TEST_F(CommandUpdate, MenuItemsFollowTheUpdateRulesAndADisabledCommandDoesNothing)
{
    // Select: the frame's; save: refused by its rule; 32783: nobody's; exit: the application's.
    const UINT off = MF_DISABLED | MF_GRAYED;
    EXPECT_EQ((std::vector<UINT>{0, off, off, 0}), FileMenuFlags(*frame, {32772, 32788, 32783, ID_APP_EXIT}));
    // A popup keeps the state its menu gave it: 短文 stays grey, 新規物件作成 stays enabled.
    CMenu* edit = frame->GetMenu()->GetSubMenu(1);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit->m_hMenu), MAKELPARAM(1, FALSE));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), edit->GetMenuState(4, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(0u, frame->GetMenu()->GetSubMenu(0)->GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);

    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 32788));
    frame->dataChanged = TRUE;
    EXPECT_EQ(std::vector<UINT>{0}, FileMenuFlags(*frame, {32788}));
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 32788));
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 32772));
    // The exit command closes the main window, which deletes the frame.
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, ID_APP_EXIT));
    EXPECT_EQ((std::vector<std::string>{"save", "select", "destroyed"}), commands);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
}

// A frame's placement gives its show state and normal position; a frame whose creation fails is gone.
TEST(CFrameWnd, ThePlacementGivesTheShowStateAndTheNormalPositionAndAFailedCreationDeletesTheFrame)
{
    CFrameWnd* frame = NewFrame();
    frame->MoveWindow(10, 20, 800, 600);
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    WINDOWPLACEMENT placement{};
    ASSERT_TRUE(frame->GetWindowPlacement(&placement));
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), placement.showCmd);
    EXPECT_EQ(CRect(10, 20, 810, 620), CRect(placement.rcNormalPosition));
    frame->DestroyWindow();

    ScriptedUi ui;
    struct FailingFrame : CFrameWnd {
        ~FailingFrame() override { commands.push_back("destroyed"); }
        BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
    };
    commands.clear();
    EXPECT_FALSE((new FailingFrame)->LoadFrame(100));
    EXPECT_EQ(std::vector<std::string>{"destroyed"}, commands);
}

} // namespace
