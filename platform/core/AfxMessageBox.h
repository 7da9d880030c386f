// The framework's message box as code without windows calls it, with the Win32 message-box
// types and answers. The window layer installs the box that the user sees (captioned with the
// application's name and owned by the running dialog or main window); until it does, a message
// box is written to standard error and answered with its default button, as nobody can answer.
#pragma once

#include "platform/core/WinTypes.h"

#include <vector>

// Message boxes.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONMASK 0x000000F0L
#define MB_DEFMASK 0x00000F00L

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

// What shows a message box and returns the button pressed (IDOK, IDCANCEL, IDYES ...).
typedef int (*AfxMessageBoxHandler)(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
// Installs the handler (null: the unattended default again).
void AfxSetMessageBoxHandler(AfxMessageBoxHandler handler);

// The buttons of a message box type, in order, and the one that Enter presses.
std::vector<int> AfxMessageBoxButtons(UINT type);
int AfxDefaultMessageBoxButton(UINT type);
