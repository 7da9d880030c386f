// The document-type panel (110) of the floppy-output screen: each type stores itself as the
// frame's document type and shows the panel of its object kinds; one button shows the recorded
// floppy contents. The four type labels follow the document mode (the frame writes them).
#pragma once

#include "shell/CDialogBarBk.h"

class CDocTypeBar : public CDialogBarBk {
protected:
    afx_msg BOOL OnDocType(UINT nID);
    afx_msg void OnFDContents();
    DECLARE_MESSAGE_MAP()
};
