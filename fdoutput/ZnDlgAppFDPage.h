// The base of the floppy-output pages: modeless child dialogs inside their form views, which
// Enter and Escape do not close.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppFDPage : public CDialog {
protected:
    ZnDlgAppFDPage(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}
    void OnOK() override {}
    void OnCancel() override {}
};
