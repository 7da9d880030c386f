// The client window of an MDI frame: it holds the MDI child frames, knows which one is active
// (the one activated last) and answers the WM_MDI… messages that the frame and the system send
// it. When the active child changes it lets the frame show that child's menu.
#pragma once

#include "platform/wnd/CWnd.h"

#include <vector>

class CMDIFrameWnd;

class CMDIClientWnd : public CWnd {
public:
    DECLARE_DYNAMIC(CMDIClientWnd)
    // The active child, or null; *pbMaximized (when given) tells whether it is maximised.
    CWnd* GetActive(BOOL* pbMaximized = nullptr);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Activate(HWND hWndChild);
    void Forget(HWND hWndChild);
    void FrameMenuChanged();

    std::vector<HWND> m_activation; // children, the active one last
};
