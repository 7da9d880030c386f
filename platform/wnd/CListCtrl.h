// A list view as the system uses it, in report view: columns (heading, format, width in
// pixels) and rows of texts, one per column, with item data and a state (LVIS_SELECTED,
// LVIS_FOCUSED). With LVS_SINGLESEL, selecting a row clears the selection of the others.
#pragma once

#include "platform/wnd/CWnd.h"

#include <vector>

class CListCtrl : public CWnd {
public:
    DECLARE_DYNAMIC(CListCtrl)
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Returns the column's index, or -1.
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                     int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    CString GetColumnHeading(int nCol) const;

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    // Inserts a row at nItem (the end when nItem is past it); returns its index, or -1.
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    CString GetItemText(int nItem, int nSubItem) const;
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    // The next row after nItem (-1: from the first) that has every state of nFlags; -1 when none.
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return nItem >= 0 && nItem < GetItemCount(); }

protected:
    void CopyControlState(const CWnd& from) override;

private:
    struct Column {
        CString heading;
        int format;
        int width;
    };
    struct Item {
        std::vector<CString> texts;
        DWORD_PTR data;
        UINT state;
    };
    bool ValidItem(int nItem) const { return nItem >= 0 && nItem < GetItemCount(); }
    size_t TextSlots() const { return m_columns.empty() ? 1 : m_columns.size(); }

    std::vector<Column> m_columns;
    std::vector<Item> m_items;
};
