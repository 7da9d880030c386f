// A list box: items with text and item data, one selection (or several with LBS_MULTIPLESEL or
// LBS_EXTENDEDSEL). LBS_SORT keeps AddString in order.
#pragma once

#include "platform/wnd/CWnd.h"
#include "platform/wnd/ListItems.h"

class CListBox : public CWnd {
public:
    DECLARE_DYNAMIC(CListBox)
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return m_items.Count(); }
    // The selected item of a single-selection list, or LB_ERR.
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetSel(int nIndex) const;
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    int GetText(int nIndex, LPTSTR lpszBuffer) const;
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return m_items.TextLength(nIndex); }
    DWORD_PTR GetItemData(int nIndex) const { return m_items.Data(nIndex); }
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
    // Tells the host of an inserted item (or passes LB_ERR on).
    int Inserted(int nIndex);

    ListItems m_items;
};
