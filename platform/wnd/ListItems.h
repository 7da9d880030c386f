// The items of a list box or a combo box (text, item data, a selected mark) and what the two
// controls do alike with them. Indexes out of range give -1 (LB_ERR, CB_ERR); letters compare
// without case.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

#include <vector>

struct ListItem {
    CString text;
    DWORD_PTR data = 0;
    bool selected = false;
};

class ListItems {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    ListItem& operator[](int index) { return m_items[index]; }
    const ListItem& operator[](int index) const { return m_items[index]; }

    // Index -1 appends; returns the item's index, or -1 for an index beyond the end.
    int Insert(int index, LPCTSTR text);
    // Appends, or in a sorted list puts the text after every item that does not sort after it.
    int Add(LPCTSTR text, bool sorted);
    // Returns the number of items left, or -1.
    int Delete(int index);
    void Clear() { m_items.clear(); }

    CString Text(int index) const { return Valid(index) ? m_items[index].text : CString(); }
    int TextLength(int index) const { return Valid(index) ? m_items[index].text.GetLength() : -1; }
    // Copies the text with its terminator; returns its length, or -1.
    int CopyText(int index, LPTSTR buffer) const;
    DWORD_PTR Data(int index) const { return Valid(index) ? m_items[index].data : static_cast<DWORD_PTR>(-1); }
    // 0, or -1.
    int SetData(int index, DWORD_PTR data);
    // The first item after startAfter (from the top when startAfter is no index), wrapping
    // round, whose text begins with text, or equals it when exact; -1 when none.
    int Find(int startAfter, LPCTSTR text, bool exact) const;

    std::vector<ListItem>::iterator begin() { return m_items.begin(); }
    std::vector<ListItem>::iterator end() { return m_items.end(); }
    std::vector<ListItem>::const_iterator begin() const { return m_items.begin(); }
    std::vector<ListItem>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<ListItem> m_items;
};
