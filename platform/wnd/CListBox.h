// A list box: items with text and item data, one selection (or several with LBS_MULTIPLESEL or
// LBS_EXTENDEDSEL). LBS_SORT keeps AddString in order.
#pragma once

#include "platform/wnd/CWnd.h"

#include <vector>

class CListBox : public CWnd {
public:
    DECLARE_DYNAMIC(CListBox)
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return static_cast<int>(m_items.size()); }
    // The selected item of a single-selection list, or LB_ERR.
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetSel(int nIndex) const;
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    int GetText(int nIndex, LPTSTR lpszBuffer) const;
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int AddString(LPCTSTR lpszItem);
    int InsertString(int nIndex, LPCTSTR lpszItem);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int FindString(int nStartAfter, LPCTSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszItem);
    BOOL IsMultipleSelection() const { return (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

protected:
    void CopyControlState(const CWnd& from) override;

private:
    struct Item {
        CString text;
        DWORD_PTR data;
        bool selected;
    };
    bool ValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }

    std::vector<Item> m_items;
};
