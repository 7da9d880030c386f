// The screen of the application list for number entry. Its page is the main frame's application
// list, which outlives the view: each view creates the list's window at (10, 0) and destroys it
// again. The view leaves the document's model objects alone.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCAHJ0100 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCAHJ0100)
public:
    void OnInitialUpdate() override;

protected:
    ZnFvAppCAHJ0100();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
