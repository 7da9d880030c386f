// The question before a short text is deleted (7604): OK confirms, ｷｬﾝｾﾙ declines.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppTanbunDelete : public CDialog {
public:
    explicit ZnDlgAppTanbunDelete(CWnd* pParent = nullptr);
};
