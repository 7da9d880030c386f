// A button's wx window by its BS_ type: a push button, a check box (two or three states), a
// radio button (starting a wx group where the system's group starts) or a group box. A click
// goes to the object as a person's click; the object sets the check state.
#pragma once

#include "platform/ui/WxPeer.h"

class CButton;
class wxCommandEvent;

class WxButtonPeer : public WxPeer {
public:
    WxButtonPeer(WxUiHost& host, CButton& button, wxWindow* parent);

protected:
    void MirrorState(CWnd& wnd, UINT aspects) override;

private:
    void OnClicked(wxCommandEvent& event);

    enum class Look { Push, Check, Radio, Group };

    Look m_look;
};
