// An edit control. Besides its text it keeps the selection (byte offsets), the length limit,
// one level of undo and the modified flag. What the user enters (typed characters, pastes,
// input-method results) replaces the selection, is cut to the limit without splitting a
// double-byte character, and is announced with EN_UPDATE then EN_CHANGE; a read-only edit
// refuses it with a beep.
#pragma once

#include "platform/wnd/CWnd.h"

class CEdit : public CWnd {
public:
    DECLARE_DYNAMIC(CEdit)
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // 0 removes the limit.
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0); }
    void SetLimitText(UINT nMax) { LimitText(static_cast<int>(nMax)); }
    UINT GetLimitText() const { return m_state.limit; }
    // A start of -1 removes the selection; an end of -1 means the end of the text.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    DWORD GetSel() const { return MAKELONG(m_state.selStart, m_state.selEnd); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL CanUndo() const { return m_state.canUndo; }
    BOOL Undo();
    void EmptyUndoBuffer() { m_state.canUndo = false; }
    BOOL GetModify() const { return m_state.modified; }
    void SetModify(BOOL bModified = TRUE) { m_state.modified = bModified != 0; }
    void Clear() { SendMessage(WM_CLEAR, 0, 0); }
    void Copy() { SendMessage(WM_COPY, 0, 0); }
    void Cut() { SendMessage(WM_CUT, 0, 0); }
    void Paste() { SendMessage(WM_PASTE, 0, 0); }

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CopyControlState(const CWnd& from) override;

private:
    friend class UserInput; // a person's edits replace the selection as typed text does
    // Replaces the selection with text; returns whether anything changed.
    bool ReplaceSelection(const CString& text, bool byUser, bool canUndo);
    void Typed(UINT character);
    CString SelectedText() const;
    void ChangeText(const CString& text);

    struct State {
        int selStart = 0;
        int selEnd = 0;
        UINT limit = 30000;
        CString undoText;
        bool canUndo = false;
        bool modified = false;
    } m_state;
};
