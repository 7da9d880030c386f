// The confirmation of the numbers read from the floppy disk (7606), run modally by the floppy
// panel with the application list's choice. Its controls and its work come with the
// floppy-import screens.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppUketukeConfirm : public CDialog {
public:
    explicit ZnDlgAppUketukeConfirm(CWnd* pParent = nullptr);

    CString m_strName;
    int m_nNumber = 0;
    int m_nSelectedDoc = -1;
    int m_nDocKindCode = 0;
};
