#include "platform/ui/WxPagePeer.h"

#include "platform/ui/WxDialogFont.h"
#include "platform/wnd/CDialog.h"

#include <wx/panel.h>

WxPagePeer::WxPagePeer(WxUiHost& host, CDialog& page, wxWindow* parent) : WxPeer(host, page.m_hWnd)
{
    wxPanel* panel = new wxPanel(parent, wxID_ANY);
    if (const DialogResource* resource = page.GetTemplate())
        panel->SetFont(WxDialogFont::FontOf(*resource));
    panel->SetBackgroundColour(parent->GetBackgroundColour());
    panel->SetForegroundColour(parent->GetForegroundColour());
    Attach(panel);
}
