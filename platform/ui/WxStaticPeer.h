// A static text's wx label: aligned left, centred or right, and with SS_CENTERIMAGE centred
// vertically in its rectangle, as the system draws it.
#pragma once

#include "platform/ui/WxPeer.h"

class CStatic;

class WxStaticPeer : public WxPeer {
public:
    WxStaticPeer(WxUiHost& host, CStatic& label, wxWindow* parent);

protected:
    void MirrorPosition(CWnd& wnd) override;
};
