// A list box's wx list: single, multiple or extended selection. A click on an item goes to the
// object as a person's click (LBN_SELCHANGE for LBS_NOTIFY); the list then shows the object's
// items and selection.
#pragma once

#include "platform/ui/WxPeer.h"
#include "platform/ui/WxShownItems.h"

class CListBox;
class wxListBox;

class WxListBoxPeer : public WxPeer {
public:
    WxListBoxPeer(WxUiHost& host, CListBox& list, wxWindow* parent);

protected:
    void MirrorText(CWnd&) override {}
    void MirrorState(CWnd& wnd, UINT aspects) override;
    bool HasItems() const override { return true; }

private:
    wxListBox* List() const;

    WxShownItems m_shown;
};
