#include "platform/wnd/CListCtrl.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SysListView32", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int)
{
    if (nCol < 0)
        return -1;
    nCol = std::min(nCol, GetColumnCount());
    m_columns.insert(m_columns.begin() + nCol, Column{CString(lpszColumnHeading), nFormat, nWidth < 0 ? 0 : nWidth});
    // The first column holds the item texts; a new column gets empty texts.
    if (m_columns.size() > 1)
        for (Item& item : m_items)
            item.texts.insert(item.texts.begin() + nCol, CString());
    NotifyChanged(WndContent);
    return nCol;
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    m_columns.erase(m_columns.begin() + nCol);
    for (Item& item : m_items)
        if (item.texts.size() > 1 && static_cast<size_t>(nCol) < item.texts.size())
            item.texts.erase(item.texts.begin() + nCol);
    NotifyChanged(WndContent);
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount() ? m_columns[nCol].width : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    if (nCol < 0 || nCol >= GetColumnCount())
        return FALSE;
    m_columns[nCol].width = cx;
    NotifyChanged(WndContent);
    return TRUE;
}

CString CListCtrl::GetColumnHeading(int nCol) const
{
    return nCol >= 0 && nCol < GetColumnCount() ? m_columns[nCol].heading : CString();
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int, LPARAM lParam)
{
    if (nItem < 0)
        return -1;
    nItem = std::min(nItem, GetItemCount());
    Item item{std::vector<CString>(TextSlots()), 0, 0};
    if (nMask & LVIF_TEXT)
        item.texts[0] = lpszItem;
    if (nMask & LVIF_PARAM)
        item.data = static_cast<DWORD_PTR>(lParam);
    m_items.insert(m_items.begin() + nItem, item);
    NotifyChanged(WndContent);
    if (nMask & LVIF_STATE)
        SetItemState(nItem, nState, nStateMask);
    return nItem;
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    if (!ValidItem(nItem))
        return FALSE;
    m_items.erase(m_items.begin() + nItem);
    NotifyChanged(WndContent);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    m_items.clear();
    NotifyChanged(WndContent);
    return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    if (!ValidItem(nItem) || nSubItem < 0 || static_cast<size_t>(nSubItem) >= TextSlots())
        return FALSE;
    m_items[nItem].texts[nSubItem] = lpszText;
    NotifyChanged(WndContent);
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    if (!ValidItem(nItem) || nSubItem < 0 || static_cast<size_t>(nSubItem) >= m_items[nItem].texts.size())
        return CString();
    return m_items[nItem].texts[nSubItem];
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    if (!lpszText || nLen <= 0)
        return 0;
    CString text = GetItemText(nItem, nSubItem);
    int count = std::min(nLen - 1, text.GetLength());
    std::memcpy(lpszText, static_cast<LPCTSTR>(text), count);
    lpszText[count] = 0;
    return count;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    if (!ValidItem(nItem))
        return FALSE;
    m_items[nItem].data = dwData;
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const { return ValidItem(nItem) ? m_items[nItem].data : 0; }

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return ValidItem(nItem) ? m_items[nItem].state & nMask : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    // Index -1 applies the state to every row.
    if (nItem != -1 && !ValidItem(nItem))
        return FALSE;
    bool exclusive = (GetStyle() & LVS_SINGLESEL) && (nMask & nState & LVIS_SELECTED);
    for (int i = 0; i < GetItemCount(); ++i) {
        UINT& state = m_items[i].state;
        if (nItem == -1 || i == nItem)
            state = (state & ~nMask) | (nState & nMask);
        else if (exclusive)
            state &= ~LVIS_SELECTED;
        if ((nMask & nState & LVIS_FOCUSED) && nItem != -1 && i != nItem)
            state &= ~LVIS_FOCUSED;
    }
    NotifyChanged(WndSelection);
    return TRUE;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    UINT wanted = static_cast<UINT>(nFlags) & (LVNI_SELECTED | LVNI_FOCUSED);
    UINT states = ((wanted & LVNI_SELECTED) ? LVIS_SELECTED : 0) | ((wanted & LVNI_FOCUSED) ? LVIS_FOCUSED : 0);
    for (int i = nItem < 0 ? 0 : nItem + 1; i < GetItemCount(); ++i)
        if ((m_items[i].state & states) == states)
            return i;
    return -1;
}

UINT CListCtrl::GetSelectedCount() const
{
    UINT count = 0;
    for (const Item& item : m_items)
        count += (item.state & LVIS_SELECTED) ? 1 : 0;
    return count;
}

void CListCtrl::CopyControlState(const CWnd& from)
{
    if (const CListCtrl* list = dynamic_cast<const CListCtrl*>(&from)) {
        m_columns = list->m_columns;
        m_items = list->m_items;
    }
}
