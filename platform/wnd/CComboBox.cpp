#include "platform/wnd/CComboBox.h"

#include "platform/wnd/ItemSearch.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::Select(int nIndex)
{
    m_nCurSel = ValidIndex(nIndex) ? nIndex : CB_ERR;
    SetWindowTextDirect(m_nCurSel == CB_ERR ? CString() : m_items[m_nCurSel].text);
    NotifyChanged(WndSelection);
}

int CComboBox::SetCurSel(int nSelect)
{
    Select(nSelect);
    return ValidIndex(nSelect) ? nSelect : CB_ERR;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return ValidIndex(nIndex) ? m_items[nIndex].data : static_cast<DWORD_PTR>(CB_ERR);
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    if (!ValidIndex(nIndex))
        return CB_ERR;
    m_items[nIndex].data = dwItemData;
    return CB_OKAY;
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
    if (!ValidIndex(nIndex) || !lpszText)
        return CB_ERR;
    const CString& text = m_items[nIndex].text;
    std::memcpy(lpszText, static_cast<LPCTSTR>(text), text.GetLength() + 1);
    return text.GetLength();
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    rString = ValidIndex(nIndex) ? m_items[nIndex].text : CString();
}

int CComboBox::GetLBTextLen(int nIndex) const { return ValidIndex(nIndex) ? m_items[nIndex].text.GetLength() : CB_ERR; }

int CComboBox::AddString(LPCTSTR lpszString)
{
    int index = (GetStyle() & CBS_SORT) ? AfxSortedInsertIndex(m_items, lpszString) : GetCount();
    return InsertString(index, lpszString);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    if (nIndex == -1)
        nIndex = GetCount();
    if (nIndex < 0 || nIndex > GetCount())
        return CB_ERR;
    m_items.insert(m_items.begin() + nIndex, Item{CString(lpszString), 0});
    if (m_nCurSel >= nIndex)
        ++m_nCurSel;
    NotifyChanged(WndContent);
    return nIndex;
}

int CComboBox::DeleteString(UINT nIndex)
{
    int index = static_cast<int>(nIndex);
    if (!ValidIndex(index))
        return CB_ERR;
    m_items.erase(m_items.begin() + index);
    if (m_nCurSel == index)
        Select(CB_ERR);
    else if (m_nCurSel > index)
        --m_nCurSel;
    NotifyChanged(WndContent);
    return GetCount();
}

void CComboBox::ResetContent()
{
    m_items.clear();
    m_nCurSel = CB_ERR;
    SetWindowTextDirect(CString());
    NotifyChanged(WndContent | WndSelection);
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return AfxFindItemText(m_items, nStartAfter, lpszString, false);
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return AfxFindItemText(m_items, nIndexStart, lpszFind, true);
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString)
{
    int index = FindString(nStartAfter, lpszString);
    if (index != CB_ERR)
        Select(index);
    return index;
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    if (!HasEdit())
        return FALSE;
    m_nLimit = nMaxChars;
    NotifyChanged(WndContent);
    return TRUE;
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    if (!HasEdit())
        return FALSE;
    int length = WindowText().GetLength();
    m_nEditStart = nStartChar < 0 ? length : std::min(nStartChar, length);
    m_nEditEnd = nEndChar < 0 ? length : std::min(nEndChar, length);
    NotifyChanged(WndSelection);
    return TRUE;
}

LRESULT CComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LPCTSTR text = reinterpret_cast<LPCTSTR>(lParam);
    int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (message) {
    case CB_ADDSTRING:
        return AddString(text);
    case CB_INSERTSTRING:
        return InsertString(index, text);
    case CB_DELETESTRING:
        return DeleteString(static_cast<UINT>(wParam));
    case CB_RESETCONTENT:
        ResetContent();
        return CB_OKAY;
    case CB_GETCOUNT:
        return GetCount();
    case CB_GETCURSEL:
        return GetCurSel();
    case CB_SETCURSEL:
        return SetCurSel(index);
    case CB_GETLBTEXT:
        return GetLBText(index, reinterpret_cast<LPTSTR>(lParam));
    case CB_GETLBTEXTLEN:
        return GetLBTextLen(index);
    case CB_GETITEMDATA:
        return static_cast<LRESULT>(GetItemData(index));
    case CB_SETITEMDATA:
        return SetItemData(index, static_cast<DWORD_PTR>(lParam));
    case CB_FINDSTRING:
        return FindString(index, text);
    case CB_FINDSTRINGEXACT:
        return FindStringExact(index, text);
    case CB_SELECTSTRING:
        return SelectString(index, text);
    case CB_LIMITTEXT:
        return LimitText(index);
    case CB_SETEDITSEL:
        return SetEditSel(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    case CB_GETEDITSEL:
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_nEditStart);
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_nEditEnd);
        return GetEditSel();
    case WM_SETTEXT:
        if (!HasEdit()) {
            // A drop-down list shows only its items: the text selects the item it names.
            int found = FindStringExact(-1, text);
            if (found == CB_ERR)
                return CB_ERR;
            Select(found);
            return TRUE;
        }
        return CWnd::DefWindowProc(message, wParam, lParam);
    case WM_SETFOCUS:
        NotifyParent(CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyParent(CBN_KILLFOCUS);
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CComboBox::CopyControlState(const CWnd& from)
{
    if (const CComboBox* combo = dynamic_cast<const CComboBox*>(&from)) {
        m_items = combo->m_items;
        m_nCurSel = combo->m_nCurSel;
        m_nLimit = combo->m_nLimit;
        m_nEditStart = combo->m_nEditStart;
        m_nEditEnd = combo->m_nEditEnd;
    }
}
