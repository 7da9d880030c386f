// A combo box as the system's code fills and reads it: its items, each with a value attached,
// and its selection. The object holds this state itself, so it can be filled and read without a
// window.
#pragma once

#include "platform/CObject.h"
#include "platform/CString.h"

#include <vector>

typedef uintptr_t DWORD_PTR;

#define CB_ERR (-1)

class CComboBox : public CObject {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    int GetCount() const { return static_cast<int>(m_items.size()); }

    // Appends an item and returns its index. Items keep the order in which they were added.
    int AddString(LPCTSTR text);
    // Inserts an item before index (-1: at the end) and returns its index; CB_ERR for an index
    // past the end. The selection keeps its index.
    int InsertString(int index, LPCTSTR text);
    // Removes every item and the selection.
    void ResetContent();

    // The text of an item; an index out of range leaves text unchanged.
    void GetLBText(int index, CString& text) const;

    // The value attached to an item (0 until set), or CB_ERR for an index out of range.
    DWORD_PTR GetItemData(int index) const;
    // CB_ERR for an index out of range, else 0.
    int SetItemData(int index, DWORD_PTR data);

    // The selected index, or CB_ERR for none.
    int GetCurSel() const { return m_selection; }
    // Selects an item and returns its index; -1 or an index out of range clears the selection
    // and returns CB_ERR.
    int SetCurSel(int select);

private:
    struct Item {
        CString text;
        DWORD_PTR data = 0;
    };

    bool IsItem(int index) const { return index >= 0 && index < GetCount(); }

    std::vector<Item> m_items;
    int m_selection = CB_ERR;
};
