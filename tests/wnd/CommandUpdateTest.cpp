#include "tests/wnd/WndTestSupport.h"

namespace {

class TestPanel : public CDialogBar {
public:
    int ownClicks = 0;

protected:
    afx_msg void OnOwn() { ++ownClicks; }
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
    int selects = 0;
    int saves = 0;
    int panelFrameClicks = 0;
    bool* destroyed = nullptr;

    ~TestMainFrame() override
    {
        if (destroyed)
            *destroyed = true;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                          ID_INDICATOR_SCRL};
        if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_status.Create(this) || !m_status.SetIndicators(indicators, 5))
            return -1;
        if (!m_panel.Create(this, IDD_PANEL, CBRS_LEFT | CBRS_TOOLTIPS | CBRS_FLYBY, IDD_PANEL))
            return -1;
        return 0;
    }
    afx_msg void OnSelect() { ++selects; }
    afx_msg void OnSave() { ++saves; }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(dataChanged); }
    afx_msg void OnPanelFrame() { ++panelFrameClicks; }
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

UINT MenuFlags(CFrameWnd& frame, UINT nID)
{
    return frame.GetMenu()->GetMenuState(nID, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED);
}

void OpenFilePopup(CFrameWnd& frame)
{
    CMenu* file = frame.GetMenu()->GetSubMenu(0);
    frame.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file->m_hMenu), MAKELPARAM(0, FALSE));
}

// An application whose main window is a TestMainFrame.
class CommandUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame->destroyed = &destroyed;
        ASSERT_TRUE(frame->LoadFrame(100));
        app.m_pMainWnd = frame;
    }

    ScriptedUi ui;
    CWinApp app{"App"};
    TestMainFrame* frame = new TestMainFrame;
    bool destroyed = false;
};

TEST_F(CommandUpdate, UpdateHandlersEnableAndDisableThePanelsButtonsOfAVisibleFrame)
{
    TestPanel& panel = frame->m_panel;
    EXPECT_EQ(static_cast<CWnd*>(&panel), frame->GetDlgItem(IDD_PANEL));

    // A hidden main window updates nothing.
    app.OnIdle(0);
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
    EXPECT_EQ(1, panel.ownClicks);
    EXPECT_EQ(1, frame->panelFrameClicks);

    ASSERT_TRUE(frame->m_status.SetPaneText(0, "準備完了"));
    EXPECT_EQ(CString("準備完了"), frame->m_status.GetPaneText(0));
    EXPECT_EQ(CString(), frame->m_status.GetPaneText(5)); // past the last pane
    frame->DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pMainWnd);
}

TEST_F(CommandUpdate, MenuItemsFollowTheUpdateRulesAndADisabledCommandDoesNothing)
{
    OpenFilePopup(*frame);
    EXPECT_EQ(0u, MenuFlags(*frame, 32772));                                         // handled by the frame
    EXPECT_EQ(static_cast<UINT>(MF_DISABLED | MF_GRAYED), MenuFlags(*frame, 32788)); // its rule says no
    EXPECT_EQ(static_cast<UINT>(MF_DISABLED | MF_GRAYED), MenuFlags(*frame, 32783)); // nobody handles it
    EXPECT_EQ(0u, MenuFlags(*frame, ID_APP_EXIT));                                   // the application's exit command
    // A popup keeps the state its menu gave it: 短文 stays grey, 新規物件作成 stays enabled.
    CMenu* edit = frame->GetMenu()->GetSubMenu(1);
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit->m_hMenu), MAKELPARAM(1, FALSE));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), edit->GetMenuState(4, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(0u, frame->GetMenu()->GetSubMenu(0)->GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);

    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 32788));
    EXPECT_EQ(0, frame->saves);
    frame->dataChanged = TRUE;
    OpenFilePopup(*frame);
    EXPECT_EQ(0u, MenuFlags(*frame, 32788));
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 32788));
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 32772));
    EXPECT_EQ(1, frame->saves);
    EXPECT_EQ(1, frame->selects);

    // The exit command closes the main window, which deletes the frame.
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, ID_APP_EXIT));
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
}

TEST(CWnd, ThePlacementGivesTheShowStateAndTheNormalPosition)
{
    CFrameWnd* frame = NewFrame();
    frame->MoveWindow(10, 20, 800, 600);
    WINDOWPLACEMENT placement{};
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(frame->GetWindowPlacement(&placement));
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), placement.showCmd);
    EXPECT_EQ(CRect(10, 20, 810, 620), CRect(placement.rcNormalPosition));
    frame->DestroyWindow();
}

TEST(CFrameWnd, AFrameWhoseCreationFailsIsGone)
{
    ScriptedUi ui;
    class FailingFrame : public CFrameWnd {
    public:
        explicit FailingFrame(bool* destroyed) : m_destroyed(destroyed) {}
        ~FailingFrame() override { *m_destroyed = true; }
        BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }

    private:
        bool* m_destroyed;
    };
    bool destroyed = false;
    CFrameWnd* frame = new FailingFrame(&destroyed);
    EXPECT_FALSE(frame->LoadFrame(100));
    EXPECT_TRUE(destroyed);
}

} // namespace
