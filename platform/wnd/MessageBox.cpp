#include "platform/wnd/MessageBox.h"

#include "platform/wnd/CCmdTarget.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/Resources.h"
#include "platform/wnd/UiHost.h"

HWND AfxGetSafeOwner()
{
    if (CDialog* modal = AfxGetRunningModal())
        return modal->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    return main ? main->m_hWnd : nullptr;
}

LPCTSTR AfxGetAppName()
{
    CWinApp* app = AfxGetApp();
    return app && app->m_pszAppName ? app->m_pszAppName : "";
}

int AfxShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type)
{
    // Keys pressed and clicks made while the program was busy were not taken, as the wait cursor
    // showed: they must not answer a box that shows before the work ends.
    if (AfxIsWaitCursorShown())
        AfxDiscardPendingInput();
    MessageBoxRequest request{owner, CString(text), CString(caption), type};
    return UiHost::Current().MessageBox(request);
}

namespace {

int WindowMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* app = AfxGetApp())
        return app->DoMessageBox(lpszText, nType, nIDHelp);
    return AfxShowMessageBox(AfxGetSafeOwner(), lpszText, "", nType);
}

} // namespace

void AfxInstallWindowMessageBox() { AfxSetMessageBoxHandler(WindowMessageBox); }

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    AfxLoadString(nIDPrompt, text);
    return AfxMessageBox(text, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType)
{
    return AfxShowMessageBox(hWnd, lpText, lpCaption ? lpCaption : "エラー", uType);
}

BOOL MessageBeep(UINT uType)
{
    UiHost::Current().MessageBeep(uType);
    return TRUE;
}

void AfxReportException(CException* e)
{
    char message[512];
    if (e && e->GetErrorMessage(message, sizeof message))
        AfxMessageBox(message, MB_ICONEXCLAMATION);
    else
        AfxMessageBox("エラーの詳細はありません。", MB_ICONEXCLAMATION);
}
