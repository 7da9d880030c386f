#include "platform/wnd/CPalette.h"

#include "platform/wnd/GdiObjects.h"

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette) { return !m_hObject && Attach(::CreatePalette(lpLogPalette)); }

int CPalette::GetEntryCount() const
{
    auto* palette = reinterpret_cast<HPALETTE__*>(m_hObject);
    return palette ? static_cast<int>(palette->entries.size()) : 0;
}
