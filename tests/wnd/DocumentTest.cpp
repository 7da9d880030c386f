#include "tests/support/TempFolder.h"
#include "tests/wnd/WndTestSupport.h"

#include "platform/files/WinPath.h"

#include <filesystem>

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

// A hidden MDI main frame and the neutral view's template (101: a new-file name, menu 101). Another
// template's frame on the same document (the screen switch): the application's form-view tests.
class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new CMDIFrameWnd;
        ASSERT_TRUE(frame->LoadFrame(100));
        app.m_pMainWnd = frame;
        neutral =
            new CMultiDocTemplate(101, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(TestView));
        app.AddDocTemplate(neutral);
    }
    void TearDown() override
    {
        if (app.m_pMainWnd)
            app.m_pMainWnd->DestroyWindow();
    }
    CString WindowsPath(const char* name) const { return CString(LinuxPathToWin(folder + name)); }
    TestDoc* NewDocument() { return dynamic_cast<TestDoc*>(neutral->OpenDocumentFile(nullptr)); }
    // A document's value and text, whether it is modified, and its title.
    static std::string State(TestDoc& doc)
    {
        return std::to_string(doc.m_value) + " " + doc.m_text.Bytes() + (doc.IsModified() ? " modified " : " saved ") +
               doc.GetTitle().Bytes();
    }

    ScriptedUi ui;
    CWinApp app{"App"};
    testsupport::TempFolder temp;
    std::string folder = temp.Path();
    CMDIFrameWnd* frame = nullptr;
    CMultiDocTemplate* neutral = nullptr;
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
    TestView* view = dynamic_cast<TestView*>(child->GetActiveView());
    ASSERT_TRUE(doc && view);
    EXPECT_EQ(neutral, doc->GetDocTemplate());
    EXPECT_EQ("0  saved ZnAppP1", State(*doc));
    EXPECT_EQ(1, view->initialUpdates);
    EXPECT_TRUE(child->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(neutral->m_hMenuShared, frame->GetMenu()->m_hMenu); // the template's menu while a document is open
    EXPECT_EQ(CString("ZnAppP2"), NewDocument()->GetTitle());     // new documents are counted
}

// A failed save leaves the previous file as it was; a file of length zero opens without reading.
TEST_F(DocumentTest, StoresAndLoadsThroughTheArchiveWithTheModifiedFlagAndAFailedSaveKeepsTheFile)
{
    TestDoc* doc = NewDocument();
    ASSERT_NE(nullptr, doc);
    doc->m_value = 0x01020304;
    doc->m_text = "物件";
    doc->SetModifiedFlag();
    EXPECT_EQ("16909060 物件 modified ZnAppP1", State(*doc));
    CString path = WindowsPath("/doc.110");
    const std::string stored = testsupport::ReadHexFixture("wnd/TestDocument.hex");
    ASSERT_TRUE(doc->OnSaveDocument(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(stored, testsupport::ReadFileBytes(folder + "/doc.110"));
    doc->m_value = 99;
    doc->failAfterValue = true;
    doc->SetModifiedFlag();
    ui.AnswerMessageBox(IDOK);
    EXPECT_FALSE(doc->OnSaveDocument(path));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(stored, testsupport::ReadFileBytes(folder + "/doc.110"));
    EXPECT_FALSE(std::filesystem::exists(folder + "/doc.110.~sav"));
    EXPECT_EQ(std::vector<std::string>{Box("ディスクがいっぱいです。", "App", MB_OK | MB_ICONEXCLAMATION)}, Boxes(ui));

    TestDoc* loaded = dynamic_cast<TestDoc*>(neutral->OpenDocumentFile(path));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ("16909060 物件 saved doc.110", State(*loaded));
    EXPECT_EQ(path, loaded->GetPathName());
    EXPECT_EQ(2, TestDoc::alive);
    testsupport::WriteFileBytes(folder + "/short.110", "");
    loaded->m_value = 7;
    loaded->SetModifiedFlag();
    EXPECT_TRUE(loaded->OnOpenDocument(WindowsPath("/short.110")));
    EXPECT_EQ("7 物件 saved doc.110", State(*loaded));
}

// Loading into an open document keeps what was read, and the modified flag.
TEST_F(DocumentTest, AFileOfAnotherFormatIsReportedAndLeavesNoDocumentBehind)
{
    testsupport::WriteFileBytes(folder + "/short.110",
                                testsupport::ReadHexFixture("wnd/TestDocument.hex").substr(0, 6));
    ui.AnswerMessageBox(IDOK);
    EXPECT_EQ(nullptr, neutral->OpenDocumentFile(WindowsPath("/short.110")));
    EXPECT_EQ(0, TestDoc::alive);
    EXPECT_EQ(nullptr, frame->MDIGetActive());
    TestDoc* doc = NewDocument();
    ui.AnswerMessageBox(IDOK);
    EXPECT_FALSE(doc->OnOpenDocument(WindowsPath("/short.110")));
    EXPECT_EQ("16909060  modified ZnAppP1", State(*doc));
    EXPECT_EQ(std::vector<std::string>(2, Box("予期しないファイル形式です。", "App", MB_OK | MB_ICONEXCLAMATION)),
              Boxes(ui));
}

TEST_F(DocumentTest, AModifiedDocumentAsksBeforeItsFrameCloses)
{
    NewDocument()->SetModifiedFlag();
    CMDIChildWnd* child = frame->MDIGetActive();
    ui.AnswerMessageBox(IDCANCEL);
    child->SendMessage(WM_CLOSE);
    EXPECT_EQ(child, frame->MDIGetActive());
    ui.AnswerMessageBox(IDNO);
    child->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, frame->MDIGetActive());
    EXPECT_EQ(0, TestDoc::alive);
    EXPECT_EQ(
        std::vector<std::string>(2, Box("ZnAppP1 への変更を保存しますか?", "App", MB_YESNOCANCEL | MB_ICONEXCLAMATION)),
        Boxes(ui));
}

// An application that declines to run (documents at the end of a run: the start-up tests).
class DecliningApp : public CWinApp {
public:
    DecliningApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override
    {
        m_pMainWnd = new CMDIFrameWnd;
        EXPECT_TRUE(static_cast<CMDIFrameWnd*>(m_pMainWnd)->LoadFrame(100));
        return FALSE;
    }
    int ExitInstance() override
    {
        exited = true;
        return 0;
    }
    bool exited = false;
};

TEST(AfxWinMain, AnApplicationWhoseInitInstanceFailsEndsWithItsWindowGone)
{
    ScriptedUi ui;
    DecliningApp app;
    char program[] = "/opt/zadazez/App.exe";
    char* argv[] = {program};
    EXPECT_EQ(0, AfxWinMain(1, argv));
    EXPECT_TRUE(app.exited);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    EXPECT_STREQ("App", app.m_pszExeName);
    EXPECT_STREQ("App", app.m_pszAppName);
    free(const_cast<char*>(app.m_pszAppName)); // the application replaces its names as the system does
    app.m_pszAppName = _tcsdup("App");
}

} // namespace
