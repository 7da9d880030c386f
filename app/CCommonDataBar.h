// The common-data panel (109): one button per reference-data editor, each opening the editor's
// form view.
#pragma once

#include "shell/CDialogBarBk.h"

class CCommonDataBar : public CDialogBarBk {
protected:
    afx_msg BOOL OnEditor(UINT nID);
    DECLARE_MESSAGE_MAP()
};
