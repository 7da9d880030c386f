// A dialog that is a child of another shown window (a modeless page or editor inside its host):
// a wx panel at the dialog's place, in the font of its template, whose controls are its children.
#pragma once

#include "platform/ui/WxPeer.h"

class CDialog;

class WxPanelPeer : public WxPeer {
public:
    WxPanelPeer(WxUiHost& host, CDialog& dialog, wxWindow* parent);

protected:
    // A panel shows no text of its own.
    void MirrorText(CWnd& wnd) override {}
};
