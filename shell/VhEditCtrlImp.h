// What an edit control of the data-entry dialogs does, apart from the control: it filters what
// is typed or pasted against a character-class mask and two character sets, limits the length,
// opens or closes the input method with its conversion mode when the field gets the focus, copies
// the reading of converted text into another field, and shows the edit menu on a right click.
// Its owner is an edit or a combo box (whose edit field it serves).
#pragma once

#include "model/VhObject.h"
#include "platform/wnd/WinUser.h"

class CWnd;

class VhEditCtrlImp : public VhObject {
public:
    // Bits of the low byte of the character mask; 0xFF allows every single-byte character. A
    // nonzero high byte allows every character that the low byte does not, double-byte ones
    // included.
    enum CharClass { Digits = 0x01, Letters = 0x02, Kana = 0x04, Ascii = 0x08 };
    enum ConversionMode { Native = 0, NativeKatakana = 1, Alphanumeric = 2 };

    explicit VhEditCtrlImp(CWnd* owner);
    VhEditCtrlImp(const VhEditCtrlImp& other) = default;

    // A new object with every field copied (and a new serial number); the caller owns it.
    virtual VhEditCtrlImp* Clone() const;
    // Keeps of text what the sets and the mask allow, character by character (a double-byte
    // character whole; a lead byte at the very end is dropped), then removes every "\r\n" unless
    // the owner wants returns. Returns 1 when the text changed, else 0.
    virtual int Filter(CString& text) const;
    // Appends the reading of the composition just committed to the reading target, if any.
    virtual void CaptureReading();
    // With the full-width check on and the mask exactly 0xFF00, warns at the first single-byte
    // character of the owner's text. Returns 1.
    virtual int CheckZenkaku();
    // Applies the byte limit and the input-method state when the owner gets the focus.
    virtual void OnSetFocus();
    virtual int OnCheck() { return CheckZenkaku(); }
    // Filters the owner's text after a change: when anything went, a beep, the filtered text
    // and the caret at its end.
    virtual void OnUpdate();
    // Shows the context menu's popup at (x, y): 1 when it was shown, 0 when the control has none.
    virtual int ContextMenu(CWnd* window, int x, int y);

    CWnd* m_pOwner;
    int m_nCharMask = 0xFFFF;
    int m_bImeControl = 1;
    int m_nImeOpenMode = 0; // 0 leave, 1 open, other values close
    int m_nConversionMode = Native;
    int m_bFullShape = 1;
    CWnd* m_pReadingTarget = nullptr;
    int m_nMaxLength = -1;
    CString m_strAccepted; // single-byte characters always kept
    int m_nMenuId = -1;
    int m_nSubMenu = -1;
    int m_bZenkakuCheck = 0;
    CString m_strRejected; // single-byte characters always removed

private:
    bool KeepsSingleByte(unsigned char c) const;
    bool OwnerIsComboBox() const;
    void SetOpenStatus(HIMC context, BOOL open) const;
    void ApplyConversionMode(HIMC context) const;
};
