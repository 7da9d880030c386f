// The base of the bars a frame holds (dialog bars, the status bar, tool bars). A bar hands the
// commands and notifications of its controls that it does not handle itself to its owner (the
// frame), and updates its controls on WM_IDLEUPDATECMDUI.
#pragma once

#include "platform/wnd/CWnd.h"

class CFrameWnd;

class CControlBar : public CWnd {
public:
    DECLARE_DYNAMIC(CControlBar)

    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    DWORD GetBarStyle() const { return m_dwBarStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwBarStyle = dwStyle; }

protected:
    // Creates the bar as a child of pParentWnd: the CBRS_ styles are the bar's, the rest the window's.
    BOOL CreateBar(CWnd* pParentWnd, LPCTSTR lpszClassName, DWORD dwStyle, UINT nID);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    DWORD m_dwBarStyle = 0; // CBRS_ styles
};
