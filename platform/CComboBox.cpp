#include "platform/CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CObject)

int CComboBox::AddString(LPCTSTR text) { return InsertString(-1, text); }

int CComboBox::InsertString(int index, LPCTSTR text)
{
    if (index == -1)
        index = GetCount();
    if (index < 0 || index > GetCount())
        return CB_ERR;
    m_items.insert(m_items.begin() + index, Item{CString(text), 0});
    return index;
}

void CComboBox::ResetContent()
{
    m_items.clear();
    m_selection = CB_ERR;
}

void CComboBox::GetLBText(int index, CString& text) const
{
    if (IsItem(index))
        text = m_items[index].text;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    return IsItem(index) ? m_items[index].data : static_cast<DWORD_PTR>(CB_ERR);
}

int CComboBox::SetItemData(int index, DWORD_PTR data)
{
    if (!IsItem(index))
        return CB_ERR;
    m_items[index].data = data;
    return 0;
}

int CComboBox::SetCurSel(int select)
{
    m_selection = IsItem(select) ? select : CB_ERR;
    return m_selection;
}
