#include "platform/wnd/CFont.h"

#include "platform/wnd/GdiObjects.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return !m_hObject && Attach(::CreateFontIndirect(lpLogFont));
}

int CFont::GetLogFont(LOGFONT* lpLogFont) const
{
    if (!m_hObject)
        return 0;
    *lpLogFont = static_cast<const HFONT__*>(m_hObject)->font;
    return sizeof(LOGFONT);
}
