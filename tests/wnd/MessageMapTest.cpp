#include "tests/wnd/WndTestSupport.h"

namespace {

// A frame whose handlers write down what they were given.
class RecordingFrame : public CFrameWnd {
public:
    std::vector<std::string> calls;
    CEdit m_edit;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        calls.push_back("create " + std::string(lpCreateStruct->lpszName));
        return CFrameWnd::OnCreate(lpCreateStruct) == -1 || !m_edit.Create(WS_VISIBLE, CRect(0, 0, 50, 20), this, 700)
                   ? -1
                   : 0;
    }
    afx_msg void OnClose() { calls.push_back("close"); }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point)
    {
        calls.push_back("context " + std::to_string(pWnd ? pWnd->GetDlgCtrlID() : 0) + " " + std::to_string(point.x) +
                        "," + std::to_string(point.y));
    }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd* pWnd, UINT nCtlColor)
    {
        calls.push_back("color " + std::to_string(pWnd->GetDlgCtrlID()) + " " + std::to_string(nCtlColor));
        return reinterpret_cast<HBRUSH>(0x40);
    }
    afx_msg void OnCopy() { calls.push_back("copy"); }
    afx_msg void OnRange(UINT nID) { calls.push_back("range " + std::to_string(nID)); }
    afx_msg BOOL OnMaybe(UINT nID)
    {
        calls.push_back("maybe " + std::to_string(nID));
        return FALSE; // let the route go on
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) { return static_cast<LRESULT>(wParam + lParam); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_CONTEXTMENU()
ON_WM_CTLCOLOR()
ON_COMMAND(ID_EDIT_COPY, OnCopy)
ON_COMMAND_RANGE(1000, 1003, OnRange)
ON_COMMAND_EX(1010, OnMaybe)
ON_MESSAGE(WM_APP + 1, OnPrivate)
END_MESSAGE_MAP()

class RecordingApp : public CWinApp {
public:
    RecordingApp() : CWinApp("App") {}
    int appCommands = 0;

protected:
    afx_msg void OnAppCommand() { ++appCommands; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingApp, CWinApp)
ON_COMMAND(1010, OnAppCommand)
END_MESSAGE_MAP()

TEST(MessageMaps, WindowMessagesReachTheirHandlersWithTheirParameters)
{
    ScriptedUi ui;
    RecordingApp app;
    RecordingFrame* frame = new RecordingFrame;
    ASSERT_TRUE(frame->Create(nullptr, "frame"));
    app.m_pMainWnd = frame;

    // A right click on a child goes up to its parent; the coordinates are signed.
    ASSERT_TRUE(UserInput::RightClick(frame->m_edit, POINT{-5, 7}));
    AFX_CTLCOLOR color{frame->m_edit.m_hWnd, CTLCOLOR_EDIT};
    EXPECT_EQ(0x40, frame->SendMessage(WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&color)));
    EXPECT_EQ(12, frame->SendMessage(WM_APP + 1, 5, 7));
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 1002));
    // The frame's handler passes the command on: the application's handler runs too.
    ASSERT_TRUE(UserInput::ChooseCommand(*frame, 1010));
    EXPECT_EQ(1, app.appCommands);
    // The handler of WM_CLOSE keeps the window.
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(IsWindow(frame->m_hWnd));

    std::vector<std::string> calls = frame->calls;
    frame->DestroyWindow();
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ((std::vector<std::string>{"create frame", "context 700 -5,7", "color 700 1", "range 1002", "maybe 1010",
                                        "close"}),
              calls);
}

// The popup's items follow the frame's handlers: copy is handled, cut is not.
TEST(CMenu, APopupMenuIsUpdatedByItsOwnerAndItsChoiceIsPostedToIt)
{
    ScriptedUi ui;
    RecordingFrame* frame = new RecordingFrame;
    ASSERT_TRUE(frame->Create(nullptr, "frame"));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(101));
    CMenu* edit = menu.GetSubMenu(1);
    ASSERT_NE(nullptr, edit);
    ui.AnswerPopupMenu(ID_EDIT_COPY);
    ui.AnswerPopupMenu(ID_EDIT_COPY);
    EXPECT_TRUE(edit->TrackPopupMenu(TPM_RIGHTBUTTON, 10, 20, frame));
    EXPECT_EQ(std::vector<std::string>{"create frame"}, frame->calls); // posted, not yet handled
    AfxPumpPostedMessages();
    EXPECT_EQ(static_cast<BOOL>(ID_EDIT_COPY), edit->TrackPopupMenu(TPM_RETURNCMD, 10, 20, frame));
    EXPECT_EQ(0, AfxPumpPostedMessages());
    EXPECT_EQ((std::vector<std::string>{"create frame", "copy"}), frame->calls);
    EXPECT_EQ((std::vector<UINT>{ID_EDIT_UNDO, ID_EDIT_UNDO}), ui.popupMenus);
    EXPECT_EQ(0u, edit->GetMenuState(ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), edit->GetMenuState(ID_EDIT_CUT, MF_BYCOMMAND) & MF_GRAYED);
    frame->DestroyWindow();
}

} // namespace
