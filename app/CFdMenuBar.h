// The floppy panel (124) of number entry. The application list writes its choice here; the two
// buttons pass it on to the dialog that reads the accepted floppy's numbers and the dialog that
// takes typed ones.
#pragma once

#include "fdimport/ZnFdMenuChoice.h"
#include "shell/CDialogBarBk.h"

class ZnDlgAppShinseishoList;

class CFdMenuBar : public CDialogBarBk, public ZnFdMenuChoice {
public:
    // The application list that the dialogs refresh after they stored numbers (none: no refresh).
    ZnDlgAppShinseishoList* m_pShinseishoList = nullptr;

protected:
    afx_msg void OnFDRead();
    afx_msg void OnNumberInput();
    DECLARE_MESSAGE_MAP()
};
