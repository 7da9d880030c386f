// The base of the object-kind panels (111, 112, 113 and 126): a kind button stores its id as the
// frame's object kind and opens the form view that the panel chooses for it; 戻る goes back to
// the document-type panel and closes the form view. The buttons act only while their panel is
// the current one.
#pragma once

#include "shell/CDialogBarBk.h"

class CObjectKindBar : public CDialogBarBk {
protected:
    explicit CObjectKindBar(int panel) : m_nPanel(panel) {}
    // The form view of a kind button, or null when the button opens none.
    virtual CRuntimeClass* FormOf(UINT nID) const = 0;

    afx_msg BOOL OnObjectKind(UINT nID);
    afx_msg void OnBack();
    DECLARE_MESSAGE_MAP()

private:
    int m_nPanel;
};
