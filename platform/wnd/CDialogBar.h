// A bar made from a dialog template: its controls are built as a dialog's are, and their update
// handlers run through UpdateDialogControls (the bar's own handlers first, then the frame's
// route, which disables a control whose command nobody handles).
#pragma once

#include "platform/wnd/CControlBar.h"
#include "platform/wnd/Resources.h"

class CDialogBar : public CControlBar {
public:
    DECLARE_DYNAMIC(CDialogBar)

    // A visible child of pParentWnd with the template's size and controls; FALSE when the
    // template is missing.
    virtual BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    const DialogResource* GetTemplate() const { return m_pTemplate; }

private:
    const DialogResource* m_pTemplate = nullptr;
};
