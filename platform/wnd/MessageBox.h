// Message boxes, beeps and the report of a framework exception, through the user-interface host.
#pragma once

#include "platform/core/CException.h"
#include "platform/wnd/WinUser.h"

// The framework's message box (declared in the core) shows through here once an application
// object or a user-interface host is installed: captioned with the application's name, owned by
// the running modal dialog or else the main window, and given the exclamation icon when the type
// names no icon and has OK or Yes and No buttons.
void AfxInstallWindowMessageBox();
// The framework's message box with the text of a string-table entry.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
// The system's message box; a null caption shows as "エラー", as Windows shows it.
int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType);
BOOL MessageBeep(UINT uType);

// The window that owns the framework's message boxes: the innermost running modal dialog,
// else the main window.
HWND AfxGetSafeOwner();
// Shows a message box exactly as given.
int AfxShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);
// The framework's report of an exception that left a message handler: its message with the
// exclamation icon.
void AfxReportException(CException* e);
// The application's name, or "" without an application object.
LPCTSTR AfxGetAppName();
