#include "shell/VhEditCtrlImp.h"

#include "platform/core/Cp932.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/Imm.h"
#include "readers/VhString.h"

namespace {

bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
// Half-width katakana with their punctuation marks (A1-DF), single-byte in CP932.
bool IsHalfWidthKana(unsigned char c) { return c >= 0xA1 && c <= 0xDF; }

// The single-byte character c is one of set (never matched by a trail byte: set holds only
// single-byte characters).
bool Holds(const CString& set, char c) { return c != '\0' && set.Bytes().find(c) != std::string::npos; }

const int kReadingBufferSize = 512;

} // namespace

VhEditCtrlImp::VhEditCtrlImp(CWnd* owner) : m_pOwner(owner) {}

VhEditCtrlImp* VhEditCtrlImp::Clone() const { return new VhEditCtrlImp(*this); }

bool VhEditCtrlImp::KeepsSingleByte(unsigned char c) const
{
    if (!m_strAccepted.IsEmpty() && Holds(m_strAccepted, static_cast<char>(c)))
        return true;
    if (!m_strRejected.IsEmpty() && Holds(m_strRejected, static_cast<char>(c)))
        return false;
    int low = m_nCharMask & 0x00FF;
    if (low == 0xFF)
        return true;
    if (((low & Digits) && IsAsciiDigit(c)) || ((low & Letters) && IsAsciiLetter(c)) ||
        ((low & Kana) && IsHalfWidthKana(c)) || ((low & Ascii) && c < 0x80))
        return true;
    return (m_nCharMask & 0xFF00) != 0;
}

int VhEditCtrlImp::Filter(CString& text) const
{
    const std::string& bytes = text.Bytes();
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        if (i + 1 == bytes.size() && cp932::IsLeadByte(static_cast<unsigned char>(bytes[i])))
            break; // a lead byte without its trail byte
        size_t length = cp932::CharLength(bytes.data(), i, bytes.size());
        bool keep = length == 2 ? (m_nCharMask & 0xFF00) != 0 : KeepsSingleByte(static_cast<unsigned char>(bytes[i]));
        if (keep)
            out.append(bytes, i, length);
        i += length;
    }
    CString filtered(out);
    if (m_pOwner && m_pOwner->GetSafeHwnd() && !(m_pOwner->GetStyle() & ES_WANTRETURN))
        filtered = VhString(filtered).RemoveAll("\r\n");
    int changed = filtered == text ? 0 : 1;
    text = filtered;
    return changed;
}

bool VhEditCtrlImp::OwnerIsComboBox() const { return m_pOwner->IsKindOf(RUNTIME_CLASS(CComboBox)); }

void VhEditCtrlImp::OnUpdate()
{
    CString text;
    m_pOwner->GetWindowText(text);
    if (!Filter(text))
        return;
    MessageBeep(0);
    m_pOwner->SetWindowText(text);
    int length = text.GetLength();
    if (OwnerIsComboBox()) {
        m_pOwner->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(length, length));
    } else {
        m_pOwner->SendMessage(EM_SETSEL, static_cast<WPARAM>(length), static_cast<LPARAM>(length));
        m_pOwner->SendMessage(EM_SCROLLCARET, 0, 0);
    }
}

void VhEditCtrlImp::OnSetFocus()
{
    if (m_nMaxLength != -1)
        m_pOwner->SendMessage(OwnerIsComboBox() ? CB_LIMITTEXT : EM_LIMITTEXT, static_cast<WPARAM>(m_nMaxLength), 0);
    if (!m_bImeControl) {
        HIMC attached = ImmAssociateContext(m_pOwner->GetSafeHwnd(), nullptr);
        if (attached)
            ImmReleaseContext(m_pOwner->GetSafeHwnd(), attached);
        return;
    }
    if (m_nImeOpenMode == 0)
        return;
    // The input method belongs to the dialog: the context is that of the owner's parent.
    CWnd* holder = m_pOwner->GetParent() ? m_pOwner->GetParent() : m_pOwner;
    HIMC context = ImmGetContext(holder->GetSafeHwnd());
    if (!context)
        return;
    if (m_nImeOpenMode == 1) {
        SetOpenStatus(context, TRUE);
        ApplyConversionMode(context);
    } else {
        SetOpenStatus(context, FALSE);
    }
    ImmReleaseContext(holder->GetSafeHwnd(), context);
}

void VhEditCtrlImp::SetOpenStatus(HIMC context, BOOL open) const
{
    if (!ImmGetOpenStatus(context) != !open)
        ImmSetOpenStatus(context, open);
}

void VhEditCtrlImp::ApplyConversionMode(HIMC context) const
{
    DWORD conversion = 0;
    DWORD sentence = 0;
    ImmGetConversionStatus(context, &conversion, &sentence);
    conversion &= ~static_cast<DWORD>(0x3);
    if (m_nConversionMode == Native)
        conversion |= IME_CMODE_NATIVE;
    else if (m_nConversionMode == NativeKatakana)
        conversion |= IME_CMODE_NATIVE | IME_CMODE_KATAKANA;
    else if (m_nConversionMode == Alphanumeric)
        conversion = 0;
    if (m_bFullShape)
        conversion |= IME_CMODE_FULLSHAPE;
    else
        conversion &= ~static_cast<DWORD>(IME_CMODE_FULLSHAPE);
    ImmSetConversionStatus(context, conversion, sentence);
}

void VhEditCtrlImp::CaptureReading()
{
    if (!m_pReadingTarget)
        return;
    HIMC context = ImmGetContext(m_pOwner->GetSafeHwnd());
    char reading[kReadingBufferSize];
    LONG length = ImmGetCompositionString(context, GCS_RESULTREADSTR, reading, sizeof reading);
    ImmReleaseContext(m_pOwner->GetSafeHwnd(), context);
    if (length < 0)
        return;
    CString text;
    m_pReadingTarget->GetWindowText(text);
    m_pReadingTarget->SetWindowText(text + CString(std::string(reading, static_cast<size_t>(length))));
}

int VhEditCtrlImp::CheckZenkaku()
{
    if (!m_pOwner || !m_bZenkakuCheck || m_nCharMask != 0xFF00)
        return 1;
    CString text;
    m_pOwner->GetWindowText(text);
    for (LPCTSTR p = text; *p;) {
        int length = 0;
        LPCTSTR next = CharNextCount(p, &length);
        if (length == 1) {
            m_pOwner->MessageBox("全角以外の文字が入力されました。", "警告", MB_OK);
            break;
        }
        p = next;
    }
    return 1;
}

int VhEditCtrlImp::ContextMenu(CWnd* window, int x, int y)
{
    if (m_nMenuId == -1)
        return 0;
    CMenu menu;
    if (!menu.LoadMenu(static_cast<UINT>(m_nMenuId)))
        return 0;
    CMenu* popup = menu.GetSubMenu(m_nSubMenu);
    if (popup) {
        // The commands go to the main window, which routes the edit menu's commands.
        CWnd* commandOwner = AfxGetMainWnd() ? AfxGetMainWnd() : m_pOwner;
        popup->TrackPopupMenu(TPM_RIGHTBUTTON, x, y, commandOwner);
    }
    menu.DestroyMenu();
    return popup ? 1 : 0;
}
