// The MDI main frame: an MDI client window holds the child frames. Commands go first to the
// active child (its view, its document, the child itself), then to this frame, then to the
// application. The menu shown is the active child's shared menu, or the frame's own.
#pragma once

#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CMDIClientWnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
public:
    DECLARE_DYNCREATE(CMDIFrameWnd)

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDINext();
    CFrameWnd* GetActiveFrame() override;
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    HWND m_hWndMDIClient = nullptr;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

private:
    CMDIClientWnd m_wndMDIClient;
};
