// The object-kind panel (111) of the confirmation application: each kind opens its floppy-output
// form view.
#pragma once

#include "app/CDialogBarBk.h"

class CConfirmKindBar : public CDialogBarBk {
protected:
    afx_msg BOOL OnObjectKind(UINT nID);
    afx_msg void OnBack();
    DECLARE_MESSAGE_MAP()
};
