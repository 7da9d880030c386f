// A modeless child dialog (a page inside its parent, such as the editor that a form view hosts): a
// panel at the dialog's place, in the dialog's font and its parent's colours, that holds the
// page's controls.
#pragma once

#include "platform/ui/WxPeer.h"

class CDialog;

class WxPagePeer : public WxPeer {
public:
    WxPagePeer(WxUiHost& host, CDialog& page, wxWindow* parent);
};
