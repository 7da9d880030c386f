// MFC's font: a LOGFONT behind a font handle.
#pragma once

#include "platform/wnd/CGdiObject.h"

class CFont : public CGdiObject {
public:
    DECLARE_DYNAMIC(CFont)
    CFont() = default;

    // FALSE when the font already holds a handle.
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    // Copies the description into lpLogFont; 0 without a font.
    int GetLogFont(LOGFONT* lpLogFont) const;
    operator HFONT() const { return reinterpret_cast<HFONT>(m_hObject); }
};
