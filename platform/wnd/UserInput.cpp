#include "platform/wnd/UserInput.h"

#include "platform/core/Cp932.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CListBox.h"
#include "platform/wnd/CListCtrl.h"
#include "platform/wnd/Imm.h"
#include "platform/wnd/MessageBox.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
// Tells the list view's parent of a click on it (NM_CLICK).
BOOL NotifyListClick(CListCtrl& list)
{
    NMHDR header{list.m_hWnd, static_cast<UINT_PTR>(list.GetDlgCtrlID()), NM_CLICK};
    list.GetParent()->SendMessage(WM_NOTIFY, list.GetDlgCtrlID(), reinterpret_cast<LPARAM>(&header));
    return TRUE;
}

// Dispatches what the action posted and passes its result on.
BOOL Done(BOOL result)
{
    AfxPumpPostedMessages();
    return result;
}

// The characters of a text as WM_CHAR values: a double-byte character as (lead << 8) | trail,
// and a line end "\r\n" as the one Enter that makes it.
void SendCharacters(CWnd& wnd, LPCTSTR text)
{
    size_t length = std::strlen(text);
    for (size_t i = 0; i < length;) {
        size_t size = cp932::CharLength(text, i, length);
        UINT character = static_cast<unsigned char>(text[i]);
        if (size == 2)
            character = (character << 8) | static_cast<unsigned char>(text[i + 1]);
        else if (character == '\r' && i + 1 < length && text[i + 1] == '\n')
            size = 2;
        wnd.SendMessage(WM_CHAR, character, 0);
        i += size;
    }
}

// The byte offsets at which the characters of a CP932 text start, and the text's length last.
std::vector<size_t> CharacterStarts(const std::string& text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); i += cp932::CharLength(text.data(), i, text.size()))
        starts.push_back(i);
    starts.push_back(text.size());
    return starts;
}

// Whether character a of one text and character b of another are the same bytes.
bool SameCharacter(const std::string& one, const std::vector<size_t>& oneStarts, size_t a, const std::string& other,
                   const std::vector<size_t>& otherStarts, size_t b)
{
    size_t length = oneStarts[a + 1] - oneStarts[a];
    return length == otherStarts[b + 1] - otherStarts[b] &&
           one.compare(oneStarts[a], length, other, otherStarts[b], length) == 0;
}
} // namespace

BOOL UserInput::CanReach(const CWnd& wnd)
{
    if (!wnd.m_hWnd || !(wnd.GetStyle() & WS_VISIBLE))
        return FALSE;
    // The window and its parents up to its top-level window (not that window's owner).
    for (const CWnd* level = &wnd; level; level = (level->GetStyle() & WS_CHILD) ? level->GetParent() : nullptr)
        if (!level->IsWindowEnabled())
            return FALSE;
    return TRUE;
}

BOOL UserInput::Click(CWnd& button)
{
    if (!CanReach(button))
        return FALSE;
    button.SetFocus();
    button.SendMessage(BM_CLICK, 0, 0);
    return Done(TRUE);
}

BOOL UserInput::Click(CWnd& parent, int nID)
{
    CWnd* button = parent.GetDlgItem(nID);
    return button && Click(*button);
}

BOOL UserInput::Type(CWnd& edit, LPCTSTR text)
{
    if (!CanReach(edit) || !edit.IsKindOf(RUNTIME_CLASS(CEdit)))
        return FALSE;
    edit.SetFocus();
    SendCharacters(edit, text);
    return Done(TRUE);
}

BOOL UserInput::Type(CWnd& parent, int nID, LPCTSTR text)
{
    CWnd* edit = parent.GetDlgItem(nID);
    return edit && Type(*edit, text);
}

BOOL UserInput::ReplaceText(CWnd& parent, int nID, LPCTSTR text)
{
    CWnd* edit = parent.GetDlgItem(nID);
    if (!edit || !CanReach(*edit) || !edit->IsKindOf(RUNTIME_CLASS(CEdit)))
        return FALSE;
    edit->SetFocus();
    edit->SendMessage(EM_SETSEL, 0, -1);
    if (*text)
        SendCharacters(*edit, text);
    else
        edit->SendMessage(WM_CHAR, '\b', 0);
    return Done(TRUE);
}

BOOL UserInput::EditText(CWnd& edit, LPCTSTR newText)
{
    if (!CanReach(edit) || !edit.IsKindOf(RUNTIME_CLASS(CEdit)))
        return FALSE;
    CString current;
    edit.GetWindowText(current);
    const std::string& from = current.Bytes();
    const std::string to = newText ? newText : "";
    if (from == to)
        return TRUE;
    // The characters that both texts begin with and end with stay; the run between them changed.
    std::vector<size_t> fromStarts = CharacterStarts(from);
    std::vector<size_t> toStarts = CharacterStarts(to);
    size_t fromCount = fromStarts.size() - 1;
    size_t toCount = toStarts.size() - 1;
    size_t lead = 0;
    while (lead < fromCount && lead < toCount && SameCharacter(from, fromStarts, lead, to, toStarts, lead))
        ++lead;
    size_t trail = 0;
    while (lead + trail < fromCount && lead + trail < toCount &&
           SameCharacter(from, fromStarts, fromCount - 1 - trail, to, toStarts, toCount - 1 - trail))
        ++trail;
    std::string inserted = to.substr(toStarts[lead], toStarts[toCount - trail] - toStarts[lead]);
    edit.SetFocus();
    edit.SendMessage(EM_SETSEL, fromStarts[lead], static_cast<LPARAM>(fromStarts[fromCount - trail]));
    if (inserted.empty())
        edit.SendMessage(WM_CHAR, '\b', 0);
    else if (inserted == "\r\n" || cp932::CharLength(inserted.data(), 0, inserted.size()) == inserted.size())
        SendCharacters(edit, inserted.c_str());
    else // a paste or an input method's result: one replacement
        static_cast<CEdit&>(edit).ReplaceSelection(CString(inserted), true, true);
    return Done(TRUE);
}

BOOL UserInput::EditComboText(CComboBox& combo, LPCTSTR text)
{
    if (!CanReach(combo) || !combo.HasEdit())
        return FALSE;
    combo.SetFocus();
    combo.SetWindowText(text);
    for (UINT code : {CBN_EDITUPDATE, CBN_EDITCHANGE})
        combo.GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(combo.GetDlgCtrlID(), code),
                                       reinterpret_cast<LPARAM>(combo.m_hWnd));
    return Done(TRUE);
}

BOOL UserInput::SelectComboItem(CComboBox& combo, int nIndex)
{
    if (!CanReach(combo) || nIndex < 0 || nIndex >= combo.GetCount())
        return FALSE;
    combo.SetFocus();
    combo.SetCurSel(nIndex);
    combo.GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(combo.GetDlgCtrlID(), CBN_SELCHANGE),
                                   reinterpret_cast<LPARAM>(combo.m_hWnd));
    return Done(TRUE);
}

BOOL UserInput::ClickListItem(CListCtrl& list, int nItem)
{
    if (!CanReach(list) || nItem < -1 || nItem >= list.GetItemCount())
        return FALSE;
    list.SetFocus();
    if (nItem == -1) {
        list.SetItemState(-1, 0, LVIS_SELECTED);
    } else {
        // A plain click selects this row alone.
        list.SetItemState(-1, 0, LVIS_SELECTED);
        list.SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    return Done(NotifyListClick(list));
}

BOOL UserInput::SelectListItems(CListCtrl& list, const std::vector<int>& rows, int nClicked)
{
    if (!CanReach(list) || (list.GetStyle() & LVS_SINGLESEL) || nClicked < 0 || nClicked >= list.GetItemCount())
        return FALSE;
    for (int row : rows)
        if (row < 0 || row >= list.GetItemCount())
            return FALSE;
    list.SetFocus();
    list.SetItemState(-1, 0, LVIS_SELECTED);
    for (int row : rows)
        list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(nClicked, LVIS_FOCUSED, LVIS_FOCUSED);
    return Done(NotifyListClick(list));
}

BOOL UserInput::SelectListBoxItem(CListBox& list, int nIndex)
{
    if (!CanReach(list) || nIndex < 0 || nIndex >= list.GetCount())
        return FALSE;
    list.SetFocus();
    if (list.IsMultipleSelection())
        list.SetSel(nIndex, !list.GetSel(nIndex));
    else
        list.SetCurSel(nIndex);
    if (list.GetStyle() & LBS_NOTIFY)
        list.GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(list.GetDlgCtrlID(), LBN_SELCHANGE),
                                      reinterpret_cast<LPARAM>(list.m_hWnd));
    return Done(TRUE);
}

BOOL UserInput::Focus(CWnd& wnd)
{
    if (!CanReach(wnd))
        return FALSE;
    wnd.SetFocus();
    return Done(TRUE);
}

BOOL UserInput::PressEnter(CDialog& dialog)
{
    if (!CanReach(dialog))
        return FALSE;
    UINT nID = LOWORD(dialog.GetDefID());
    CWnd* button = dialog.GetDlgItem(static_cast<int>(nID));
    if (button && !button->IsWindowEnabled()) {
        MessageBeep(0);
        return Done(TRUE);
    }
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
    return Done(TRUE);
}

BOOL UserInput::PressEscape(CDialog& dialog)
{
    if (!CanReach(dialog))
        return FALSE;
    CWnd* button = dialog.GetDlgItem(IDCANCEL);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
    return Done(TRUE);
}

BOOL UserInput::ChooseCommand(CWnd& frame, UINT nID)
{
    if (!frame.m_hWnd || !frame.IsWindowEnabled())
        return FALSE;
    frame.SendMessage(WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    return Done(TRUE);
}

BOOL UserInput::RightClick(CWnd& wnd, POINT screen)
{
    if (!CanReach(wnd))
        return FALSE;
    wnd.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.m_hWnd), MAKELPARAM(screen.x, screen.y));
    return Done(TRUE);
}

BOOL UserInput::ImeCommit(CWnd& edit, LPCTSTR result, LPCTSTR reading)
{
    if (!CanReach(edit))
        return FALSE;
    edit.SetFocus();
    HIMC context = ImmGetContext(edit.m_hWnd);
    BOOL open = ImmGetOpenStatus(context);
    if (open) {
        AfxImmSetCompositionResult(context, CString(result), CString(reading));
        edit.SendMessage(WM_IME_COMPOSITION, 0, GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE);
    }
    ImmReleaseContext(edit.m_hWnd, context);
    return Done(open);
}
