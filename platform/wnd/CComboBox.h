// A combo box: a list of items (text and item data) with one selection, and for the drop-down
// and simple styles an edit field. It works as well without a window: a recordset can fill a
// combo box object that no dialog shows, through its ChoiceList side. Its CB_ messages and its member functions act
// alike. CBS_SORT keeps AddString in order; InsertString puts an item where it is told.
#pragma once

#include "platform/core/ChoiceList.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/ListItems.h"

class CComboBox : public CWnd, public ChoiceList {
public:
    DECLARE_DYNAMIC(CComboBox)
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return m_state.items.Count(); }
    int GetCurSel() const { return m_state.curSel; }
    // An index out of range removes the selection and gives CB_ERR.
    int SetCurSel(int nSelect);
    DWORD_PTR GetItemData(int nIndex) const { return m_state.items.Data(nIndex); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData) override;
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return m_state.items.TextLength(nIndex); }
    int AddString(LPCTSTR lpszString);
    // Index -1 appends; an index beyond the end gives CB_ERR.
    int InsertString(int nIndex, LPCTSTR lpszString) override;
    int DeleteString(UINT nIndex);
    void ResetContent() override;
    // The first item after nStartAfter (-1: from the top, wrapping round) that begins with the
    // text, or equals it; letters compare without case. CB_ERR when none.
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    BOOL LimitText(int nMaxChars);
    // The edit field's byte limit (its EM_GETLIMITTEXT); 0 when none was set.
    int GetLimitText() const { return m_state.limit; }
    DWORD GetEditSel() const { return MAKELONG(m_state.editStart, m_state.editEnd); }
    BOOL SetEditSel(int nStartChar, int nEndChar);
    BOOL HasEdit() const { return (GetStyle() & 0x3) != CBS_DROPDOWNLIST; }

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyControlState(const CWnd& from) override;

private:
    // Adjusts the selection to an item inserted at nInserted (or passes CB_ERR on).
    int InsertAt(int nInserted);
    void Select(int nIndex);

    struct State {
        ListItems items;
        int curSel = CB_ERR;
        int limit = 0;
        int editStart = 0;
        int editEnd = 0;
    } m_state;
};
