#include "platform/ui/WxDialogFont.h"

#include "platform/core/WinFontFace.h"
#include "platform/ui/WxText.h"

#include <wx/dcscreen.h>

namespace {
constexpr int kDefaultPointSize = 8;
const char kLatinLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
} // namespace

wxFont WxDialogFont::FontOf(const DialogResource& dialog)
{
    int points = dialog.pointSize ? dialog.pointSize : kDefaultPointSize;
    CString family = AfxLinuxFontFamily(AfxResourceText(dialog.fontName));
    wxFontInfo info(points);
    if (!family.IsEmpty())
        info.FaceName(WxText::ToWx(family));
    return wxFont(info);
}

SIZE WxDialogFont::BaseUnits(const wxFont& font)
{
    wxScreenDC dc;
    dc.SetFont(font);
    wxCoord width = 0;
    wxCoord height = 0;
    dc.GetTextExtent(kLatinLetters, &width, &height);
    // Windows rounds the average of the 52 letters to the nearest pixel: (width / 26 + 1) / 2.
    return SIZE{(width / 26 + 1) / 2, dc.GetCharHeight()};
}
