#include "platform/ui/WxStaticPeer.h"

#include "platform/ui/WxIds.h"
#include "platform/wnd/CStatic.h"

#include <wx/stattext.h>

namespace {
long LabelStyle(DWORD style)
{
    long label = wxST_NO_AUTORESIZE;
    switch (style & 0x3) {
    case SS_CENTER:
        label |= wxALIGN_CENTER_HORIZONTAL;
        break;
    case SS_RIGHT:
        label |= wxALIGN_RIGHT;
        break;
    default:
        label |= wxALIGN_LEFT;
        break;
    }
    if (style & SS_SUNKEN)
        label |= wxBORDER_SUNKEN;
    return label;
}
} // namespace

WxStaticPeer::WxStaticPeer(WxUiHost& host, CStatic& label, wxWindow* parent) : WxPeer(host, label.m_hWnd)
{
    Attach(new wxStaticText(parent, WxIds::ToWx(label.GetDlgCtrlID()), wxEmptyString, wxDefaultPosition, wxDefaultSize,
                            LabelStyle(label.GetStyle())));
}

void WxStaticPeer::MirrorPosition(CWnd& wnd)
{
    wxRect place = PlaceInParent(wnd);
    // SS_CENTERIMAGE: one line, centred in the rectangle's height.
    int lineHeight = Window()->GetCharHeight();
    if ((wnd.GetStyle() & SS_CENTERIMAGE) && lineHeight < place.height) {
        place.y += (place.height - lineHeight) / 2;
        place.height = lineHeight;
    }
    PlaceWindow(place);
}
