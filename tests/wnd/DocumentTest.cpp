#include "tests/support/TempFolder.h"
#include "tests/wnd/WndTestSupport.h"

#include "platform/files/WinPath.h"

#include <unistd.h>

namespace {

class TestDoc : public CDocument {
public:
    DECLARE_DYNCREATE(TestDoc)
    TestDoc() { ++alive; }
    ~TestDoc() override { --alive; }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_value;
            if (failAfterValue)
                AfxThrowFileException(CFileException::diskFull);
            ar << m_text;
        } else {
            ar >> m_value >> m_text;
        }
    }

    LONG m_value = 0;
    CString m_text;
    bool failAfterValue = false;
    static int alive;
};
int TestDoc::alive = 0;
IMPLEMENT_DYNCREATE(TestDoc, CDocument)

class TestView : public CView {
public:
    DECLARE_DYNCREATE(TestView)
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override
    {
        CView::OnInitialUpdate();
        ++initialUpdates;
    }
    int initialUpdates = 0;
};
IMPLEMENT_DYNCREATE(TestView, CView)

// A form view that hides one of its two titles when first shown.
class TestFormView : public CFormView {
public:
    DECLARE_DYNCREATE(TestFormView)
    TestFormView() : CFormView(IDD_FORM) { ++alive; }
    ~TestFormView() override { --alive; }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_TITLE_A, m_titleA);
        DDX_Control(pDX, IDC_TITLE_B, m_titleB);
    }
    void OnInitialUpdate() override
    {
        CFormView::OnInitialUpdate();
        m_titleA.ShowWindow(SW_HIDE);
        GetParentFrame()->ShowWindow(SW_SHOWMAXIMIZED);
    }
    CStatic m_titleA;
    CStatic m_titleB;
    static int alive;
};
int TestFormView::alive = 0;
IMPLEMENT_DYNCREATE(TestFormView, CFormView)

class TestChild : public CMDIChildWnd {
public:
    DECLARE_DYNCREATE(TestChild)
};
IMPLEMENT_DYNCREATE(TestChild, CMDIChildWnd)

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

// An application with a hidden MDI main frame and the two kinds of template the system has:
// 101 (the neutral view, with a new-file name and menu 101) and 102 (a form view).
class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->LoadFrame(100));
        app.m_pMainWnd = frame;
        neutral = new CMultiDocTemplate(101, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestChild), RUNTIME_CLASS(TestView));
        forms =
            new CMultiDocTemplate(102, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestChild), RUNTIME_CLASS(TestFormView));
        app.AddDocTemplate(neutral);
        app.AddDocTemplate(forms);
    }
    void TearDown() override
    {
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
    }
    CString WindowsPath(const char* name) const { return CString(LinuxPathToWin(folder + name)); }
    TestDoc* NewDocument() { return dynamic_cast<TestDoc*>(neutral->OpenDocumentFile(nullptr)); }

    ScriptedUi ui;
    CWinApp app{"App"};
    testsupport::TempFolder temp;
    std::string folder = temp.Path();
    CMDIFrameWnd* frame = nullptr;
    CMultiDocTemplate* neutral = nullptr;
    CMultiDocTemplate* forms = nullptr;
};

TEST_F(DocumentTest, TheCommandLineOpensANewDocumentOfTheTemplateThatNamesNewFiles)
{
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_EQ(CCommandLineInfo::FileNew, info.m_nShellCommand);
    ASSERT_TRUE(app.ProcessShellCommand(info));

    CMDIChildWnd* child = frame->MDIGetActive();
    ASSERT_NE(nullptr, child);
    TestDoc* doc = dynamic_cast<TestDoc*>(child->GetActiveDocument());
    ASSERT_NE(nullptr, doc);
    EXPECT_EQ(neutral, doc->GetDocTemplate());
    EXPECT_EQ(CString("ZnAppP1"), doc->GetTitle());
    EXPECT_FALSE(doc->IsModified());
    TestView* view = dynamic_cast<TestView*>(child->GetActiveView());
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(doc, view->GetDocument());
    EXPECT_EQ(1, view->initialUpdates);
    EXPECT_TRUE(child->GetStyle() & WS_VISIBLE);
    // While a document is open the frame shows the template's menu.
    EXPECT_EQ(neutral->m_hMenuShared, frame->GetMenu()->m_hMenu);
    EXPECT_EQ(CString("ZnAppP2"), NewDocument()->GetTitle()); // new documents are counted
}

TEST_F(DocumentTest, AScreenIsAnotherFrameOnTheSameDocumentAndClosingItsLastViewDeletesIt)
{
    TestDoc* doc = NewDocument();
    ASSERT_NE(nullptr, doc);
    CMDIChildWnd* neutralFrame = frame->MDIGetActive();

    // What the system's screen switch does: a new frame of another template on the same document.
    CFrameWnd* screen = forms->CreateNewFrame(doc, nullptr);
    ASSERT_NE(nullptr, screen);
    forms->InitialUpdateFrame(screen, doc);
    ::SendMessage(frame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(screen->m_hWnd), 0);
    EXPECT_EQ(screen, frame->MDIGetActive());
    BOOL maximized = FALSE;
    frame->MDIGetActive(&maximized);
    EXPECT_TRUE(maximized);
    TestFormView* form = dynamic_cast<TestFormView*>(screen->GetActiveView());
    ASSERT_NE(nullptr, form);
    EXPECT_EQ(doc, form->GetDocument());
    CString title;
    form->GetDlgItemText(IDC_TITLE_B, title);
    EXPECT_EQ(CString("建築物"), title);
    EXPECT_FALSE(form->m_titleA.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(form->m_titleB.GetStyle() & WS_VISIBLE);

    ::SendMessage(frame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(screen->m_hWnd), 0);
    EXPECT_EQ(0, TestFormView::alive);
    EXPECT_EQ(1, TestDoc::alive);
    EXPECT_EQ(neutralFrame, frame->MDIGetActive());

    neutralFrame->MDIDestroy();
    EXPECT_EQ(0, TestDoc::alive);
    EXPECT_EQ(nullptr, frame->MDIGetActive());
    EXPECT_EQ(frame->m_hMenuDefault, frame->GetMenu()->m_hMenu);
}

TEST_F(DocumentTest, StoresAndLoadsThroughTheArchiveWithTheModifiedFlagAndAFailedSaveKeepsTheFile)
{
    TestDoc* doc = NewDocument();
    ASSERT_NE(nullptr, doc);
    doc->m_value = 0x01020304;
    doc->m_text = "物件";
    doc->SetModifiedFlag();
    EXPECT_TRUE(doc->IsModified());
    CString path = WindowsPath("/doc.110");
    ASSERT_TRUE(doc->OnSaveDocument(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(testsupport::ReadHexFixture("wnd/TestDocument.hex"), ReadFileBytes(folder + "/doc.110"));
    EXPECT_FALSE(Exists(folder + "/doc.110.~sav"));

    // A failed save leaves the previous file as it was.
    doc->m_value = 99;
    doc->failAfterValue = true;
    doc->SetModifiedFlag();
    ui.AnswerMessageBox(IDOK);
    EXPECT_FALSE(doc->OnSaveDocument(path));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(testsupport::ReadHexFixture("wnd/TestDocument.hex"), ReadFileBytes(folder + "/doc.110"));
    EXPECT_FALSE(Exists(folder + "/doc.110.~sav"));
    EXPECT_EQ(std::vector<std::string>{Box("ディスクがいっぱいです。", "App", MB_OK | MB_ICONEXCLAMATION)}, Boxes(ui));

    TestDoc* loaded = dynamic_cast<TestDoc*>(neutral->OpenDocumentFile(path));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(0x01020304, loaded->m_value);
    EXPECT_EQ(CString("物件"), loaded->m_text);
    EXPECT_FALSE(loaded->IsModified());
    EXPECT_EQ(path, loaded->GetPathName());
    EXPECT_EQ(CString("doc.110"), loaded->GetTitle());
    EXPECT_EQ(2, TestDoc::alive);

    // A file of length zero opens without reading anything.
    WriteFileBytes(folder + "/short.110", "");
    loaded->m_value = 7;
    loaded->SetModifiedFlag();
    EXPECT_TRUE(loaded->OnOpenDocument(WindowsPath("/short.110")));
    EXPECT_EQ(7, loaded->m_value);
    EXPECT_FALSE(loaded->IsModified());
}

TEST_F(DocumentTest, AFileOfAnotherFormatIsReportedAndLeavesNoDocumentBehind)
{
    std::string bytes = testsupport::ReadHexFixture("wnd/TestDocument.hex");
    WriteFileBytes(folder + "/short.110", bytes.substr(0, 6));
    ui.AnswerMessageBox(IDOK);
    EXPECT_EQ(nullptr, neutral->OpenDocumentFile(WindowsPath("/short.110")));
    EXPECT_EQ(0, TestDoc::alive);
    EXPECT_EQ(nullptr, frame->MDIGetActive());
    EXPECT_EQ(std::vector<std::string>{Box("予期しないファイル形式です。", "App", MB_OK | MB_ICONEXCLAMATION)}, Boxes(ui));

    // Loading into an open document: what was read stays, and so does the modified flag.
    TestDoc* doc = NewDocument();
    ui.AnswerMessageBox(IDOK);
    EXPECT_FALSE(doc->OnOpenDocument(WindowsPath("/short.110")));
    EXPECT_EQ(0x01020304, doc->m_value);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DocumentTest, AModifiedDocumentAsksBeforeItsFrameCloses)
{
    TestDoc* doc = NewDocument();
    CMDIChildWnd* child = frame->MDIGetActive();
    doc->SetModifiedFlag();
    ui.AnswerMessageBox(IDCANCEL);
    child->SendMessage(WM_CLOSE);
    EXPECT_EQ(child, frame->MDIGetActive());
    ui.AnswerMessageBox(IDNO);
    child->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, frame->MDIGetActive());
    EXPECT_EQ(0, TestDoc::alive);
    EXPECT_EQ(std::vector<std::string>(2, Box("ZnAppP1 への変更を保存しますか?", "App", MB_YESNOCANCEL | MB_ICONEXCLAMATION)),
              Boxes(ui));
}

// An application that builds its window and a document, then declines to run.
class DecliningApp : public CWinApp {
public:
    DecliningApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override
    {
        Enable3dControls();
        SetDialogBkColor(RGB(231, 236, 249), RGB(0, 0, 0));
        AddDocTemplate(
            new CMultiDocTemplate(101, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestChild), RUNTIME_CLASS(TestView)));
        CMDIFrameWnd* mainFrame = new CMDIFrameWnd;
        if (!mainFrame->LoadFrame(100))
            return FALSE;
        m_pMainWnd = mainFrame;
        CCommandLineInfo info;
        ParseCommandLine(info);
        if (ProcessShellCommand(info)) {
            mainFrame->SetWindowText(" Title");
            mainFrame->ShowWindow(SW_HIDE);
        }
        return FALSE;
    }
    int ExitInstance() override
    {
        exited = true;
        dialogColour = AfxGetDialogBkColor();
        return 0;
    }
    COLORREF dialogColour = CLR_INVALID;
    bool exited = false;
};

TEST(AfxWinMain, AnApplicationWhoseInitInstanceFailsEndsWithItsWindowsAndDocumentsGone)
{
    ScriptedUi ui;
    DecliningApp app;
    char program[] = "/opt/zadazez/App.exe";
    char* argv[] = {program};
    EXPECT_EQ(0, AfxWinMain(1, argv));
    EXPECT_TRUE(app.exited);
    // The dialog background colour of every dialog, as red, green and blue bytes.
    EXPECT_EQ(0xF9ECE7u, app.dialogColour);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_EQ(0, TestDoc::alive);
    EXPECT_STREQ("App", app.m_pszExeName);
    EXPECT_STREQ("App", app.m_pszAppName);
    // The application replaces its names as the system does.
    free(const_cast<char*>(app.m_pszAppName));
    app.m_pszAppName = _tcsdup("App");
}

} // namespace
