#include "platform/wnd/CEdit.h"

#include "platform/core/Cp932.h"
#include "platform/wnd/Imm.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/UiHost.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

namespace {
constexpr UINT kNoLimit = 0x7FFFFFFE;

// The longest head of text of at most room bytes that ends on a character boundary.
CString HeadThatFits(const CString& text, int room)
{
    const std::string& bytes = text.Bytes();
    size_t end = 0;
    while (end < bytes.size()) {
        size_t next = end + cp932::CharLength(bytes.data(), end, bytes.size());
        if (next > static_cast<size_t>(std::max(room, 0)))
            break;
        end = next;
    }
    return CString(bytes.substr(0, end));
}

// What the input method of the window's context has just delivered.
CString CompositionResult(HWND hWnd)
{
    HIMC context = ImmGetContext(hWnd);
    LONG length = ImmGetCompositionString(context, GCS_RESULTSTR, nullptr, 0);
    std::string result(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        ImmGetCompositionString(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(length));
    ImmReleaseContext(hWnd, context);
    return CString(result);
}
} // namespace

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(static_cast<short>(LOWORD(dwSelection)), static_cast<short>(HIWORD(dwSelection)), bNoScroll);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    nStartChar = m_state.selStart;
    nEndChar = m_state.selEnd;
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0));
}

BOOL CEdit::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO, 0, 0)); }

CString CEdit::SelectedText() const { return WindowText().Mid(m_state.selStart, m_state.selEnd - m_state.selStart); }

void CEdit::ChangeText(const CString& text)
{
    SetWindowTextDirect(text);
    NotifyParent(EN_UPDATE);
    NotifyParent(EN_CHANGE);
}

bool CEdit::ReplaceSelection(const CString& text, bool byUser, bool canUndo)
{
    if (byUser && (GetStyle() & ES_READONLY)) {
        MessageBeep(0);
        return false;
    }
    const CString& current = WindowText();
    CString insert = text;
    if (byUser) {
        int room = static_cast<int>(m_state.limit) - (current.GetLength() - (m_state.selEnd - m_state.selStart));
        if (insert.GetLength() > room) {
            insert = HeadThatFits(insert, room);
            NotifyParent(EN_MAXTEXT);
        }
        if (insert.IsEmpty() && m_state.selStart == m_state.selEnd)
            return false;
    }
    if (canUndo) {
        m_state.undoText = current;
        m_state.canUndo = true;
    }
    CString changed = current.Left(m_state.selStart) + insert + current.Mid(m_state.selEnd);
    m_state.selStart = m_state.selEnd = m_state.selStart + insert.GetLength();
    m_state.modified = true;
    ChangeText(changed);
    return true;
}

void CEdit::Typed(UINT character)
{
    if (character == '\b') {
        if (m_state.selStart == m_state.selEnd && m_state.selStart > 0) {
            // Select the character before the caret, whole.
            const std::string& bytes = WindowText().Bytes();
            size_t start = 0;
            for (size_t i = 0; i < static_cast<size_t>(m_state.selStart);
                 i += cp932::CharLength(bytes.data(), i, bytes.size()))
                start = i;
            m_state.selStart = static_cast<int>(start);
        }
        ReplaceSelection(CString(), true, true);
        return;
    }
    if (character == '\r') {
        if ((GetStyle() & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN))
            ReplaceSelection(CString("\r\n"), true, true);
        return;
    }
    char bytes[3] = {0, 0, 0};
    if (character > 0xFF) {
        bytes[0] = static_cast<char>(character >> 8);
        bytes[1] = static_cast<char>(character & 0xFF);
    } else {
        bytes[0] = static_cast<char>(character);
    }
    ReplaceSelection(CString(bytes), true, true);
}

LRESULT CEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    int length = WindowText().GetLength();
    switch (message) {
    case WM_SETTEXT:
        m_state.selStart = m_state.selEnd = 0;
        m_state.canUndo = false;
        m_state.modified = false;
        SetWindowTextDirect(reinterpret_cast<LPCTSTR>(lParam));
        NotifyParent(EN_UPDATE);
        if (!(GetStyle() & ES_MULTILINE))
            NotifyParent(EN_CHANGE);
        return TRUE;
    case WM_CHAR:
        Typed(static_cast<UINT>(wParam));
        return 0;
    case EM_SETSEL: {
        int start = static_cast<int>(static_cast<INT_PTR>(wParam));
        int end = static_cast<int>(lParam);
        if (start == -1) {
            m_state.selStart = m_state.selEnd;
        } else {
            if (end == -1 || end > length)
                end = length;
            start = std::min(std::max(start, 0), length);
            end = std::max(end, 0);
            m_state.selStart = std::min(start, end);
            m_state.selEnd = std::max(start, end);
        }
        NotifyChanged(WndSelection);
        return 0;
    }
    case EM_GETSEL:
        if (wParam)
            *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_state.selStart);
        if (lParam)
            *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_state.selEnd);
        return MAKELONG(m_state.selStart, m_state.selEnd);
    case EM_SCROLLCARET:
        NotifyChanged(WndSelection);
        return TRUE;
    case EM_LIMITTEXT:
        m_state.limit = wParam ? static_cast<UINT>(wParam) : kNoLimit;
        NotifyChanged(WndContent);
        return 0;
    case EM_GETLIMITTEXT:
        return m_state.limit;
    case EM_REPLACESEL:
        ReplaceSelection(CString(reinterpret_cast<LPCTSTR>(lParam)), false, wParam != 0);
        return 0;
    case EM_SETREADONLY:
        ModifyStyle(wParam ? 0 : ES_READONLY, wParam ? ES_READONLY : 0);
        return TRUE;
    case EM_GETMODIFY:
        return m_state.modified;
    case EM_SETMODIFY:
        m_state.modified = wParam != 0;
        return 0;
    case EM_CANUNDO:
        return m_state.canUndo;
    case EM_EMPTYUNDOBUFFER:
        m_state.canUndo = false;
        return 0;
    case EM_UNDO:
    case WM_UNDO: {
        if (!m_state.canUndo)
            return FALSE;
        CString previous = WindowText();
        m_state.selStart = m_state.selEnd = 0;
        ChangeText(m_state.undoText);
        m_state.undoText = previous;
        return TRUE;
    }
    case WM_COPY:
        if (m_state.selEnd > m_state.selStart && !(GetStyle() & ES_PASSWORD))
            UiHost::Current().SetClipboardText(SelectedText());
        return 0;
    case WM_CUT:
        if (m_state.selEnd > m_state.selStart && !(GetStyle() & (ES_READONLY | ES_PASSWORD))) {
            UiHost::Current().SetClipboardText(SelectedText());
            ReplaceSelection(CString(), true, true);
        }
        return 0;
    case WM_CLEAR:
        if (m_state.selEnd > m_state.selStart && !(GetStyle() & ES_READONLY))
            ReplaceSelection(CString(), true, true);
        return 0;
    case WM_PASTE:
        ReplaceSelection(UiHost::Current().GetClipboardText(), true, true);
        return 0;
    case WM_IME_COMPOSITION:
        if (lParam & GCS_RESULTSTR)
            ReplaceSelection(CompositionResult(m_hWnd), true, true);
        return 0;
    case WM_SETFOCUS:
        NotifyParent(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        NotifyParent(EN_KILLFOCUS);
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

void CEdit::CopyControlState(const CWnd& from)
{
    if (const CEdit* edit = dynamic_cast<const CEdit*>(&from))
        m_state = edit->m_state;
}
