// The entry of the reception and confirmation numbers (7607), run modally by the floppy panel
// with the application list's choice. Its controls and its work come with the floppy-import
// screens.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppBangouInput : public CDialog {
public:
    explicit ZnDlgAppBangouInput(CWnd* pParent = nullptr);

    int m_nSelectedRow = -1;
    CString m_strName;
    int m_nNumber = 0;
    int m_nSelectedDoc = -1;
    int m_nDocKindCode = 0;
};
