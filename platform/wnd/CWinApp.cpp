#include "platform/wnd/CWinApp.h"

#include "platform/wnd/AfxRes.h"
#include "platform/wnd/CCommandLineInfo.h"
#include "platform/wnd/CDocManager.h"
#include "platform/wnd/CPrintDialog.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/WinSpool.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace {
CWinApp* theApp = nullptr;
COLORREF dialogBkColor = CLR_INVALID;
COLORREF dialogTextColor = CLR_INVALID;

void FreeName(LPCTSTR& name)
{
    std::free(const_cast<char*>(name));
    name = nullptr;
}

// The usage of the framework's standard command line, under the program's file name.
void PrintUsage(FILE* stream, const char* program)
{
    const char* name = std::strrchr(program, '/') ? std::strrchr(program, '/') + 1 : program;
    std::fprintf(stream,
                 "usage: %s [FILE | /p FILE | /pt FILE PRINTER DRIVER PORT]\n"
                 "Starts the program on the desktop (DISPLAY or WAYLAND_DISPLAY). FILE is a document to open;\n"
                 "/p (or -p) prints it, /pt on the printer named. --help shows this text.\n",
                 name);
}
} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName)
        m_pszAppName = _tcsdup(lpszAppName);
    theApp = this;
    AfxInstallWindowMessageBox();
}

CWinApp::~CWinApp()
{
    delete m_pDocManager;
    FreeName(m_pszAppName);
    FreeName(m_pszExeName);
    FreeName(m_pszProfileName);
    FreeName(m_pszHelpFilePath);
    std::free(m_lpCmdLine);
    if (theApp == this) {
        theApp = nullptr;
        dialogBkColor = dialogTextColor = CLR_INVALID;
    }
}

CWinApp* AfxGetApp() { return theApp; }

CWnd* AfxGetMainWnd() { return theApp ? theApp->m_pMainWnd : nullptr; }

void AfxEnableControlContainer() {}

COLORREF AfxGetDialogBkColor() { return dialogBkColor; }

COLORREF AfxGetDialogTextColor() { return dialogTextColor; }

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText)
{
    dialogBkColor = clrCtlBk;
    dialogTextColor = clrCtlText;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    // The framework's boxes with OK or Yes and No buttons carry the exclamation icon unless given one.
    if ((nType & MB_ICONMASK) == 0) {
        UINT buttons = nType & MB_TYPEMASK;
        if (buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO || buttons == MB_YESNOCANCEL)
            nType |= MB_ICONEXCLAMATION;
    }
    return AfxShowMessageBox(AfxGetSafeOwner(), lpszPrompt, m_pszAppName ? m_pszAppName : "", nType);
}

int CWinApp::Run()
{
    AfxPumpPostedMessages();
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount == 0 && m_pMainWnd && m_pMainWnd->IsWindowVisible())
        m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    return FALSE;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (!m_pDocManager)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const { return m_pDocManager->GetNextDocTemplate(pos); }

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return m_pDocManager ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::SaveAllModified() { return m_pDocManager ? m_pDocManager->SaveAllModified() : TRUE; }

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager)
        m_pDocManager->OnFileOpen();
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg)
{
    PrinterInfo printer;
    PrinterBackend* backend = GetPrinterBackend();
    if (!pPrintDlg || !backend || !FindPrinter(backend->DefaultPrinter(), printer))
        return FALSE;
    HGLOBAL mode = GlobalAlloc(GHND, sizeof(DEVMODE));
    auto* devMode = static_cast<DEVMODE*>(GlobalLock(mode));
    if (!devMode)
        return FALSE;
    *devMode = AfxPrinterDevMode(printer, 1);
    GlobalUnlock(mode);
    pPrintDlg->hDevMode = mode;
    pPrintDlg->hDevNames = AfxMakeDevNames("CUPS", printer.name, printer.port);
    return TRUE;
}

CDC* CWinApp::CreatePrinterDC()
{
    PrinterInfo printer;
    PrinterBackend* backend = GetPrinterBackend();
    if (!backend || !FindPrinter(backend->DefaultPrinter(), printer))
        return nullptr;
    return backend->CreatePrinterDC(printer.name, AfxPrinterDevMode(printer, 1));
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dialog(TRUE);
    dialog.DoModal();
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::SetCommandLine(int argc, char* argv[])
{
    m_arguments.assign(argv, argv + argc);
    std::string line;
    for (size_t i = 1; i < m_arguments.size(); ++i)
        line += (i > 1 ? " " : "") + m_arguments[i];
    std::free(m_lpCmdLine);
    m_lpCmdLine = _tcsdup(line.c_str());
    if (!m_pszExeName && !m_arguments.empty()) {
        // The program's file name without its folder and extension.
        std::string name = m_arguments.front();
        name = name.substr(name.find_last_of("/\\") + 1);
        name = name.substr(0, name.find('.'));
        m_pszExeName = _tcsdup(name.c_str());
    }
    if (!m_pszAppName && m_pszExeName)
        m_pszAppName = _tcsdup(m_pszExeName);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (size_t i = 1; i < m_arguments.size(); ++i) {
        const std::string& argument = m_arguments[i];
        BOOL flag = !argument.empty() && (argument[0] == '-' || argument[0] == '/');
        rCmdInfo.ParseParam(argument.c_str() + (flag ? 1 : 0), flag, i + 1 == m_arguments.size());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Print the document, then end the program.
        if (OpenDocumentFile(rCmdInfo.m_strFileName) && m_pMainWnd)
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
        return FALSE;
    default:
        return TRUE;
    }
}

int AfxCheckCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintUsage(stdout, argv[0]);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' && !CCommandLineInfo::IsStandardFlag(argv[i] + 1)) {
            std::fprintf(stderr, "%s: unknown option %s\n", argv[0], argv[i]);
            PrintUsage(stderr, argv[0]);
            return 2;
        }
    }
    return -1;
}

int AfxWinMain(int argc, char* argv[])
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->SetCommandLine(argc, argv);
    if (!app->InitApplication() || !app->InitInstance()) {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
