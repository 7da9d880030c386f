// What a person does to the windows, as the window objects see it: clicks, typing, choosing
// items, keys and the input method. The user-interface half turns real input into these
// calls; tests script a person with them. Each acts only on a live control that is shown
// (its own visible style) and enabled along with every window above it, as a person could;
// it returns FALSE otherwise. Messages posted meanwhile are dispatched before it returns.
#pragma once

#include "platform/wnd/WinUser.h"

#include <vector>

class CComboBox;
class CDialog;
class CListBox;
class CListCtrl;
class CWnd;

class UserInput {
public:
    // Focus to the button, then a click (BM_CLICK).
    static BOOL Click(CWnd& button);
    static BOOL Click(CWnd& parent, int nID);
    // Focus to the edit, then one WM_CHAR per character (a double-byte one whole).
    static BOOL Type(CWnd& edit, LPCTSTR text);
    static BOOL Type(CWnd& parent, int nID, LPCTSTR text);
    // Focus to the edit, all its text selected, then typed over.
    static BOOL ReplaceText(CWnd& parent, int nID, LPCTSTR text);
    // The person changed the edit's text into newText (by typing, deleting, pasting or through
    // an input method): the run of characters that differs is selected and replaced as the
    // person's input (one typed character or line end as WM_CHAR, a longer text at once, as a
    // paste or an input method delivers it), or deleted with Backspace, so that the edit
    // applies its limit, its read-only state and its notifications. Line ends are "\r\n".
    static BOOL EditText(CWnd& edit, LPCTSTR newText);
    // The person typed the edit field of a combo box into text (CBN_EDITUPDATE, CBN_EDITCHANGE).
    static BOOL EditComboText(CComboBox& combo, LPCTSTR text);
    // Picks an item from the list of a combo box (CBN_SELCHANGE).
    static BOOL SelectComboItem(CComboBox& combo, int nIndex);
    // Clicks a row (or, with -1, the empty part) of a list view: selection, focus, NM_CLICK.
    static BOOL ClickListItem(CListCtrl& list, int nItem);
    // A click with Ctrl or Shift on row nClicked of a list view that lets several rows be
    // selected (no LVS_SINGLESEL), after which exactly these rows are selected: selection, focus
    // on the clicked row, NM_CLICK.
    static BOOL SelectListItems(CListCtrl& list, const std::vector<int>& rows, int nClicked);
    // Clicks an item of a list box (LBN_SELCHANGE for LBS_NOTIFY).
    static BOOL SelectListBoxItem(CListBox& list, int nIndex);
    static BOOL Focus(CWnd& wnd);
    // Enter presses the default button (a beep when it is disabled); Escape is IDCANCEL.
    static BOOL PressEnter(CDialog& dialog);
    static BOOL PressEscape(CDialog& dialog);
    // A menu or accelerator command of a frame.
    static BOOL ChooseCommand(CWnd& frame, UINT nID);
    // A right click at a point on the screen (WM_CONTEXTMENU).
    static BOOL RightClick(CWnd& wnd, POINT screen);
    // The input method delivers text with its reading to the focused edit: FALSE when the
    // edit has no input context or its input method is closed.
    static BOOL ImeCommit(CWnd& edit, LPCTSTR result, LPCTSTR reading);

    // Whether a person could act on the window now.
    static BOOL CanReach(const CWnd& wnd);
};
