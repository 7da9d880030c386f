// A tool bar. This system declares one in its main frame but never creates it; without tool
// bar resources LoadToolBar always fails.
#pragma once

#include "platform/wnd/CControlBar.h"

class CToolBar : public CControlBar {
public:
    DECLARE_DYNAMIC(CToolBar)

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL LoadToolBar(UINT nIDResource) { return FALSE; }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {}
};
