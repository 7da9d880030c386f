// The dialog of what the floppy disk holds (6616), run modally from the document-type panel.
// Its controls and its work come with the floppy-output screens.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppFDContents : public CDialog {
public:
    explicit ZnDlgAppFDContents(CWnd* pParent = nullptr);
};
