// The confirmation 5607: asks whether to make the property in the App_Doc1 folder that the drive has.
// The new-property dialog shows it when the chosen property folder is a drive root; ＯＫ (or
// Enter) ends it with IDOK, ｷｬﾝｾﾙ (or Esc) with IDCANCEL.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppDocDirConfirm : public CDialog {
public:
    explicit ZnDlgAppDocDirConfirm(CWnd* pParent = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};
