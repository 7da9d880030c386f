// The panel of the other applications and notifications (113): temporary use, construction,
// demolition and the safety plan (the last one only for application forms; the frame hides it).
#pragma once

#include "app/CDialogBarBk.h"

class COtherFormsBar : public CDialogBarBk {
protected:
    afx_msg BOOL OnObjectKind(UINT nID);
    afx_msg void OnBack();
    DECLARE_MESSAGE_MAP()
};
