// The child frame of every document template: a plain child window inside the main frame's
// client, without caption, border or system menu.
#pragma once

#include "platform/wnd/CMDIChildWnd.h"

class CChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CChildFrame)
public:
    // The style becomes WS_CHILD alone.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    CChildFrame() = default;
};
