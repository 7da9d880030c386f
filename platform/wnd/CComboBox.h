// A combo box: a list of items (text and item data) with one selection, and for the drop-down
// and simple styles an edit field. It works as well without a window: a recordset can fill a
// combo box object that no dialog shows. Its CB_ messages and its member functions act alike.
// CBS_SORT keeps AddString in order; InsertString puts an item where it is told.
#pragma once

#include "platform/wnd/CWnd.h"

#include <vector>

class CComboBox : public CWnd {
public:
    DECLARE_DYNAMIC(CComboBox)
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return static_cast<int>(m_items.size()); }
    int GetCurSel() const { return m_nCurSel; }
    // An index out of range removes the selection and gives CB_ERR.
    int SetCurSel(int nSelect);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int AddString(LPCTSTR lpszString);
    // Index -1 appends; an index beyond the end gives CB_ERR.
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    // The first item after nStartAfter (-1: from the top, wrapping round) that begins with the
    // text, or equals it; letters compare without case. CB_ERR when none.
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    BOOL LimitText(int nMaxChars);
    DWORD GetEditSel() const { return MAKELONG(m_nEditStart, m_nEditEnd); }
    BOOL SetEditSel(int nStartChar, int nEndChar);
    BOOL HasEdit() const { return (GetStyle() & 0x3) != CBS_DROPDOWNLIST; }

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyControlState(const CWnd& from) override;

private:
    struct Item {
        CString text;
        DWORD_PTR data;
    };
    bool ValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }
    void Select(int nIndex);

    std::vector<Item> m_items;
    int m_nCurSel = CB_ERR;
    int m_nLimit = 0;
    int m_nEditStart = 0;
    int m_nEditEnd = 0;
};
