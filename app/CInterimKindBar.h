// The object-kind panel (126) of the interim inspection: buildings on one form, the other kinds
// on another.
#pragma once

#include "app/CDialogBarBk.h"

class CInterimKindBar : public CDialogBarBk {
protected:
    afx_msg BOOL OnObjectKind(UINT nID);
    afx_msg void OnBack();
    DECLARE_MESSAGE_MAP()
};
