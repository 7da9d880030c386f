// The floppy-import dialog (7608), run modally by the main frame. Its controls and its work come
// with the floppy-import screens.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppFDImport : public CDialog {
public:
    explicit ZnDlgAppFDImport(CWnd* pParent = nullptr);
};
