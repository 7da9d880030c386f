// The application object: its names, its document templates (through the document manager),
// its main window, the command line, and the framework's start (AfxWinMain). One exists at a
// time; AfxGetApp finds it.
//
// The names are C strings that the application may replace: each is freed with free() when
// replaced or when the application ends, so a replacement must come from malloc (_tcsdup).
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/CCmdTarget.h"
#include "platform/wnd/WinUser.h"

#include <string>
#include <vector>

class CCommandLineInfo;
class CDC;
struct PRINTDLG;
class CDocManager;
class CDocTemplate;
class CDocument;
class CWnd;

class CWinApp : public CCmdTarget {
public:
    DECLARE_DYNAMIC(CWinApp)
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    // Deletes the document manager with its templates and frees the names.
    ~CWinApp() override;

    virtual BOOL InitApplication() { return TRUE; }
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // Without a display there is no message loop: the posted messages are dispatched and the
    // application ends.
    virtual int Run();
    // At lCount 0 the bars of a visible main window update their controls. Returns FALSE.
    virtual BOOL OnIdle(LONG lCount);
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

    // The application's printer, the default printer: its DEVMODE (paper and orientation as the
    // printer's defaults, one copy) and DEVNAMES (driver, device, port) in new blocks that the
    // caller frees (GlobalFree). FALSE, with neither made, when there is no printer.
    BOOL GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg);
    // A device context on the application's printer with its settings, which the caller owns;
    // null when there is no printer.
    CDC* CreatePrinterDC();

    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // FALSE when the command could not be carried out (or, after printing, to end the program).
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // Sets the arguments of the command line (AfxWinMain does).
    void SetCommandLine(int argc, char* argv[]);

    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }
    // The background and text colour of every dialog, form view and dialog bar.
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));

    // The framework's standard commands.
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();

    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    CDocManager* m_pDocManager = nullptr;

protected:
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string> m_arguments;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The framework's start: InitInstance, then Run; when InitInstance fails, the main window is
// destroyed and ExitInstance ends the program.
int AfxWinMain(int argc, char* argv[]);
// Reads the command line before anything starts: "--help" prints the usage of the framework's
// standard command line on standard output and gives 0; an argument that starts with "-" and is no
// standard flag is named on standard error with the usage and gives 2. -1 when the program goes on.
int AfxCheckCommandLine(int argc, char* argv[]);
void AfxEnableControlContainer();
// The dialog colours set with SetDialogBkColor, or CLR_INVALID for the system's own.
COLORREF AfxGetDialogBkColor();
COLORREF AfxGetDialogTextColor();
