// The migration dialog (5604), run modally by the main frame's start-up command. Until its
// screen is built it closes as soon as it opens, with IDCANCEL, so that start-up runs through.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppSelectObjDialog : public CDialog {
public:
    explicit ZnDlgAppSelectObjDialog(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
