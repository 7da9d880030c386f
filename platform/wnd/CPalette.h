// MFC's palette: a logical palette behind a palette handle. The devices report no palette
// capability, so selecting and realising one changes no colour.
#pragma once

#include "platform/wnd/CGdiObject.h"

class CPalette : public CGdiObject {
public:
    DECLARE_DYNAMIC(CPalette)
    CPalette() = default;

    // FALSE when the palette already holds a handle or the logical palette has no entries.
    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    // The number of entries; 0 without a palette.
    int GetEntryCount() const;
    operator HPALETTE() const { return reinterpret_cast<HPALETTE>(m_hObject); }
};
