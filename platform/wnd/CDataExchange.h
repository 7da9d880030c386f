// Dialog data exchange: DoDataExchange calls the DDX_ functions, which move values between the
// members of a window object and its controls in the direction m_bSaveAndValidate says. A
// value that does not convert is reported with a message box, the control gets the focus and
// the exchange ends (UpdateData returns FALSE).
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control with that id, which becomes the one a failure points at. A missing control
    // is a fault of the program and throws std::logic_error.
    CWnd* PrepareCtrl(int nIDC);
    CWnd* PrepareEditCtrl(int nIDC);
    // Ends the exchange after the user has been told: focus to the last control (its text
    // selected when it is an edit) and a CUserException.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// A check box: 0, 1 or 2.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The radio group that starts at nIDC: the index of the checked button, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// A combo box's selected index.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// A combo box's text: loading selects the first item that begins with the value, or else
// sets the edit text.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
// Binds a member control object to the dialog's control (once; later calls do nothing).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
