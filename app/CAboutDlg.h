// The about box: the program's name and version, and an OK button.
#pragma once

#include "platform/wnd/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
