// The object-kind panel (112) of the completion inspection and of the plan change: each kind
// opens the form view that the document type chooses; other document types open nothing.
#pragma once

#include "app/CDialogBarBk.h"

class CCompletionKindBar : public CDialogBarBk {
protected:
    afx_msg BOOL OnObjectKind(UINT nID);
    afx_msg void OnBack();
    DECLARE_MESSAGE_MAP()
};
