// The status bar: a row of panes named by indicator ids, each showing its text. Every id
// other than ID_SEPARATOR takes its text from the string table.
#pragma once

#include "platform/wnd/CControlBar.h"

#include <vector>

class CStatusBar : public CControlBar {
public:
    DECLARE_DYNAMIC(CStatusBar)

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    // FALSE when an indicator has no string-table entry (its pane stays empty).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    CString GetPaneText(int nIndex) const;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override {}

private:
    struct Pane {
        UINT id;
        CString text;
    };
    std::vector<Pane> m_panes;
};
