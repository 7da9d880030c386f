// The application list of number entry (7611): a modeless child dialog that the list's form view
// creates inside itself; the main frame keeps the object. Enter and Escape do not close it. Its
// controls and its work come with the floppy-import screens.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppShinseishoList : public CDialog {
public:
    explicit ZnDlgAppShinseishoList(CWnd* pParent = nullptr);

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
