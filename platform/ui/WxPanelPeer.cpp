#include "platform/ui/WxPanelPeer.h"

#include "platform/ui/WxDialogFont.h"
#include "platform/wnd/CDialog.h"

#include <wx/panel.h>

WxPanelPeer::WxPanelPeer(WxUiHost& host, CDialog& dialog, wxWindow* parent) : WxPeer(host, dialog.m_hWnd)
{
    wxPanel* panel = new wxPanel(parent, wxID_ANY);
    if (const DialogResource* resource = dialog.GetTemplate())
        panel->SetFont(WxDialogFont::FontOf(*resource));
    Attach(panel);
}
