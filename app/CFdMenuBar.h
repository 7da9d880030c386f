// The floppy panel (124) of number entry. The application list writes the chosen row, name,
// number and document here; the two buttons pass them on to the dialog of reading the floppy's
// numbers and the dialog of typing them.
#pragma once

#include "shell/CDialogBarBk.h"

class CFdMenuBar : public CDialogBarBk {
public:
    static const int kNoSelection = -9999;

    int m_nSelectedRow = kNoSelection; // negative: none
    CString m_strName;
    int m_nNumber = 0;
    int m_nSelectedDoc = kNoSelection; // negative: none

protected:
    afx_msg void OnFDRead();
    afx_msg void OnNumberInput();
    DECLARE_MESSAGE_MAP()
};
