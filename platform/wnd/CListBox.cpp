#include "platform/wnd/CListBox.h"

#include "platform/wnd/ItemSearch.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCurSel() const
{
    if (IsMultipleSelection())
        return LB_ERR;
    for (int i = 0; i < GetCount(); ++i)
        if (m_items[i].selected)
            return i;
    return LB_ERR;
}

int CListBox::SetCurSel(int nSelect)
{
    if (IsMultipleSelection())
        return LB_ERR;
    for (Item& item : m_items)
        item.selected = false;
    if (ValidIndex(nSelect))
        m_items[nSelect].selected = true;
    NotifyChanged(WndSelection);
    return ValidIndex(nSelect) ? nSelect : LB_ERR;
}

int CListBox::GetSel(int nIndex) const { return ValidIndex(nIndex) ? (m_items[nIndex].selected ? 1 : 0) : LB_ERR; }

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    if (!IsMultipleSelection())
        return LB_ERR;
    if (nIndex == -1) {
        for (Item& item : m_items)
            item.selected = bSelect != 0;
    } else if (ValidIndex(nIndex)) {
        m_items[nIndex].selected = bSelect != 0;
    } else {
        return LB_ERR;
    }
    NotifyChanged(WndSelection);
    return LB_OKAY;
}

int CListBox::GetSelCount() const
{
    if (!IsMultipleSelection())
        return LB_ERR;
    int count = 0;
    for (const Item& item : m_items)
        count += item.selected ? 1 : 0;
    return count;
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    if (!ValidIndex(nIndex) || !lpszBuffer)
        return LB_ERR;
    const CString& text = m_items[nIndex].text;
    std::memcpy(lpszBuffer, static_cast<LPCTSTR>(text), text.GetLength() + 1);
    return text.GetLength();
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    rString = ValidIndex(nIndex) ? m_items[nIndex].text : CString();
}

int CListBox::GetTextLen(int nIndex) const { return ValidIndex(nIndex) ? m_items[nIndex].text.GetLength() : LB_ERR; }

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return ValidIndex(nIndex) ? m_items[nIndex].data : static_cast<DWORD_PTR>(LB_ERR);
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    if (!ValidIndex(nIndex))
        return LB_ERR;
    m_items[nIndex].data = dwItemData;
    return LB_OKAY;
}

int CListBox::AddString(LPCTSTR lpszItem)
{
    int index = (GetStyle() & LBS_SORT) ? AfxSortedInsertIndex(m_items, lpszItem) : GetCount();
    return InsertString(index, lpszItem);
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    if (nIndex == -1)
        nIndex = GetCount();
    if (nIndex < 0 || nIndex > GetCount())
        return LB_ERR;
    m_items.insert(m_items.begin() + nIndex, Item{CString(lpszItem), 0, false});
    NotifyChanged(WndContent);
    return nIndex;
}

int CListBox::DeleteString(UINT nIndex)
{
    if (!ValidIndex(static_cast<int>(nIndex)))
        return LB_ERR;
    m_items.erase(m_items.begin() + nIndex);
    NotifyChanged(WndContent);
    return GetCount();
}

void CListBox::ResetContent()
{
    m_items.clear();
    NotifyChanged(WndContent | WndSelection);
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    return AfxFindItemText(m_items, nStartAfter, lpszItem, false);
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return AfxFindItemText(m_items, nIndexStart, lpszFind, true);
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    int index = FindString(nStartAfter, lpszItem);
    if (index != LB_ERR && !IsMultipleSelection())
        SetCurSel(index);
    return index;
}

void CListBox::CopyControlState(const CWnd& from)
{
    if (const CListBox* list = dynamic_cast<const CListBox*>(&from))
        m_items = list->m_items;
}
