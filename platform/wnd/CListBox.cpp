#include "platform/wnd/CListBox.h"

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
    for (ListItem& item : m_items)
        item.selected = false;
    if (m_items.Valid(nSelect))
        m_items[nSelect].selected = true;
    NotifyChanged(WndSelection);
    return m_items.Valid(nSelect) ? nSelect : LB_ERR;
}

int CListBox::GetSel(int nIndex) const { return m_items.Valid(nIndex) ? (m_items[nIndex].selected ? 1 : 0) : LB_ERR; }

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    if (!IsMultipleSelection() || (nIndex != -1 && !m_items.Valid(nIndex)))
        return LB_ERR;
    for (int i = 0; i < GetCount(); ++i)
        if (nIndex == -1 || i == nIndex)
            m_items[i].selected = bSelect != 0;
    NotifyChanged(WndSelection);
    return LB_OKAY;
}

int CListBox::GetSelCount() const
{
    if (!IsMultipleSelection())
        return LB_ERR;
    int count = 0;
    for (const ListItem& item : m_items)
        count += item.selected ? 1 : 0;
    return count;
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const { return m_items.CopyText(nIndex, lpszBuffer); }

void CListBox::GetText(int nIndex, CString& rString) const { rString = m_items.Text(nIndex); }

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return m_items.SetData(nIndex, dwItemData); }

int CListBox::AddString(LPCTSTR lpszItem) { return Inserted(m_items.Add(lpszItem, (GetStyle() & LBS_SORT) != 0)); }

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) { return Inserted(m_items.Insert(nIndex, lpszItem)); }

int CListBox::Inserted(int nIndex)
{
    if (nIndex != LB_ERR)
        NotifyChanged(WndContent);
    return nIndex;
}

int CListBox::DeleteString(UINT nIndex)
{
    int left = m_items.Delete(static_cast<int>(nIndex));
    if (left != LB_ERR)
        NotifyChanged(WndContent);
    return left;
}

void CListBox::ResetContent()
{
    m_items.Clear();
    NotifyChanged(WndContent | WndSelection);
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const { return m_items.Find(nStartAfter, lpszItem, false); }

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return m_items.Find(nIndexStart, lpszFind, true);
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
