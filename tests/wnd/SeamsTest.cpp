#include "tests/wnd/WndTestSupport.h"

namespace {

// What the dialog asks of the host, a path with its extension and a printer: the display tests.
TEST(CFileDialog, TheChosenPathGetsTheDefaultExtensionWhenItHasNoneAndMyComputerHasNoPath)
{
    ScriptedUi ui;
    ui.AnswerFileDialog(CString("C:\\work\\report"));
    ui.AnswerFileDialog(std::nullopt);
    CFileDialog save(FALSE, "kpd", "layout", OFN_OVERWRITEPROMPT, "レイアウト (*.kpd)|*.kpd||");
    ASSERT_EQ(IDOK, save.DoModal());
    EXPECT_EQ((std::vector<CString>{"C:\\work\\report.kpd", "report.kpd", "kpd", "report"}),
              (std::vector<CString>{save.GetPathName(), save.GetFileName(), save.GetFileExt(), save.GetFileTitle()}));
    EXPECT_EQ(IDCANCEL, save.DoModal());
    EXPECT_EQ(CString(), save.GetPathName());

    // My Computer, the root of the folder browser, has no path.
    LPITEMIDLIST drives = nullptr;
    ASSERT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives));
    char buffer[MAX_PATH] = "x";
    EXPECT_FALSE(SHGetPathFromIDList(drives, buffer));
    EXPECT_STREQ("", buffer);
    CoTaskMemFree(drives);
}

TEST(CPrintDialog, PrintAndPrintSetupAskTheHostAndNestedWaitCursorsShowOnce)
{
    ScriptedUi ui;
    {
        CWaitCursor outer;
        CWinApp app("App");
        app.BeginWaitCursor();
        app.EndWaitCursor();
    }
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), ui.waitCursor);
    CWinApp app("App");
    ui.AnswerPrintDialog(std::nullopt);
    ui.AnswerPrintDialog(std::nullopt);
    EXPECT_EQ(IDCANCEL, CPrintDialog(FALSE).DoModal());
    app.OnFilePrintSetup();
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE}), ui.printRequests); // setup only: the second
}

TEST(UiHost, TheDefaultHostWithoutADisplayNeverWaits)
{
    UiHost* previous = UiHost::Install(nullptr);
    CWinApp app("App");
    EXPECT_EQ(IDNO, AfxMessageBox("続けますか？", MB_YESNO | MB_DEFBUTTON2));
    EXPECT_EQ(31, reinterpret_cast<INT_PTR>(ShellExecute(nullptr, "open", "App.htm", nullptr, nullptr, SW_SHOW)));
    CDialog dialog(IDD_ENTRY);
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    CFileDialog file(TRUE);
    EXPECT_EQ(IDCANCEL, file.DoModal());
    UiHost::Install(previous);
}

// An edit that takes the reading of what the input method delivers, before the text itself.
class ReadingEdit : public CEdit {
public:
    CString reading;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_IME_COMPOSITION && (lParam & GCS_RESULTCLAUSE)) {
            HIMC context = ImmGetContext(m_hWnd);
            char buffer[512];
            LONG length = ImmGetCompositionString(context, GCS_RESULTREADSTR, buffer, sizeof buffer);
            if (length > 0)
                reading += CString(buffer, length);
            ImmReleaseContext(m_hWnd, context);
        }
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

TEST(Imm, TheInputContextKeepsItsStateAndDeliversTextWithItsReading)
{
    AfxImmReset();
    CFrameWnd* parent = NewFrame();
    ReadingEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(0, 0, 100, 20), parent, 600));

    HIMC context = ImmGetContext(edit.m_hWnd);
    ASSERT_NE(nullptr, context);
    EXPECT_EQ(context, ImmGetContext(parent->m_hWnd)); // windows share the default context
    EXPECT_FALSE(ImmGetOpenStatus(context));
    EXPECT_FALSE(UserInput::ImeCommit(edit, "山田", "ﾔﾏﾀﾞ")); // a closed input method delivers nothing

    const DWORD katakana = IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE;
    ASSERT_TRUE(ImmSetOpenStatus(context, TRUE));
    ASSERT_TRUE(ImmSetConversionStatus(context, katakana, IME_SMODE_NONE));
    DWORD conversion = 0, sentence = 1;
    ASSERT_TRUE(ImmGetConversionStatus(context, &conversion, &sentence));
    EXPECT_EQ(katakana, conversion);
    EXPECT_EQ(static_cast<DWORD>(IME_SMODE_NONE), sentence);

    ASSERT_TRUE(UserInput::ImeCommit(edit, "山田", "ﾔﾏﾀﾞ"));
    EXPECT_EQ(CString("山田"), TextOf(edit));
    EXPECT_EQ(CString("ﾔﾏﾀﾞ"), edit.reading);

    // A window taken away from every context gets no input method.
    EXPECT_EQ(context, ImmAssociateContext(edit.m_hWnd, nullptr));
    EXPECT_EQ(nullptr, ImmGetContext(edit.m_hWnd));
    EXPECT_FALSE(UserInput::ImeCommit(edit, "x", "x"));
    EXPECT_EQ(nullptr, ImmAssociateContext(edit.m_hWnd, context));
    EXPECT_EQ(context, ImmGetContext(edit.m_hWnd));
    parent->DestroyWindow();
    AfxImmReset();
}

} // namespace
