// The confirmation 5606: a property cannot be made in a drive root; asks whether to create App_Doc1 there.
// The new-property dialog shows it when the chosen property folder is a drive root; ＯＫ (or
// Enter) ends it with IDOK, ｷｬﾝｾﾙ (or Esc) with IDCANCEL.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppRootDirConfirm : public CDialog {
public:
    explicit ZnDlgAppRootDirConfirm(CWnd* pParent = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};
