#include "platform/wnd/CStatusBar.h"

#include "platform/wnd/Resources.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateBar(pParentWnd, "msctls_statusbar32", dwStyle, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.clear();
    BOOL allFound = TRUE;
    for (int i = 0; i < nIDCount; ++i) {
        Pane pane{lpIDArray[i], CString()};
        if (pane.id != ID_SEPARATOR && !AfxLoadString(pane.id, pane.text))
            allFound = FALSE;
        m_panes.push_back(pane);
    }
    NotifyChanged(WndContent);
    return allFound;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[i].id == nIDFind)
            return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const { return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].id : 0; }

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    m_panes[nIndex].text = lpszNewText;
    NotifyChanged(WndContent);
    return TRUE;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[nIndex].text : CString();
}
