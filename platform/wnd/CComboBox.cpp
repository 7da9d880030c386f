#include "platform/wnd/CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::Select(int nIndex)
{
    m_state.curSel = m_state.items.Valid(nIndex) ? nIndex : CB_ERR;
    SetWindowTextDirect(m_state.items.Text(m_state.curSel));
    NotifyChanged(WndSelection);
}

int CComboBox::SetCurSel(int nSelect)
{
    Select(nSelect);
    return m_state.curSel;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return m_state.items.SetData(nIndex, dwItemData); }

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const { return m_state.items.CopyText(nIndex, lpszText); }

void CComboBox::GetLBText(int nIndex, CString& rString) const { rString = m_state.items.Text(nIndex); }

int CComboBox::AddString(LPCTSTR lpszString)
{
    return InsertAt(m_state.items.Add(lpszString, (GetStyle() & CBS_SORT) != 0));
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString)
{
    return InsertAt(m_state.items.Insert(nIndex, lpszString));
}

int CComboBox::InsertAt(int nInserted)
{
    if (nInserted == CB_ERR)
        return CB_ERR;
    if (m_state.curSel >= nInserted)
        ++m_state.curSel;
    NotifyChanged(WndContent);
    return nInserted;
}

int CComboBox::DeleteString(UINT nIndex)
{
    int index = static_cast<int>(nIndex);
    int left = m_state.items.Delete(index);
    if (left == CB_ERR)
        return CB_ERR;
    if (m_state.curSel == index)
        Select(CB_ERR);
    else if (m_state.curSel > index)
        --m_state.curSel;
    NotifyChanged(WndContent);
    return left;
}

void CComboBox::ResetContent()
{
    m_state.items.Clear();
    Select(CB_ERR);
    NotifyChanged(WndContent);
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const
{
    return m_state.items.Find(nStartAfter, lpszString, false);
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return m_state.items.Find(nIndexStart, lpszFind, true);
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
    m_state.limit = nMaxChars;
    NotifyChanged(WndContent);
    return TRUE;
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    if (!HasEdit())
        return FALSE;
    int length = WindowText().GetLength();
    m_state.editStart = nStartChar < 0 ? length : std::min(nStartChar, length);
    m_state.editEnd = nEndChar < 0 ? length : std::min(nEndChar, length);
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
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_state.editStart);
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_state.editEnd);
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
    if (const CComboBox* combo = dynamic_cast<const CComboBox*>(&from))
        m_state = combo->m_state;
}
