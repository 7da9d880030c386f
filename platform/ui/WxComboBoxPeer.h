// A combo box's wx control: a choice for a drop-down list, a combo box with an edit field for
// the drop-down and simple styles. Its height is the control's own (a template gives a combo
// box the height of its open list). Picking an item and typing into the field go to the object
// as a person's; the control then shows the object's items, selection and text.
#pragma once

#include "platform/ui/WxPeer.h"
#include "platform/ui/WxShownItems.h"

class CComboBox;
class wxItemContainer;

class WxComboBoxPeer : public WxPeer {
public:
    WxComboBoxPeer(WxUiHost& host, CComboBox& combo, wxWindow* parent);

protected:
    void MirrorPosition(CWnd& wnd) override;
    void MirrorText(CWnd& wnd) override;
    void MirrorState(CWnd& wnd, UINT aspects) override;
    bool HasItems() const override { return true; }

private:
    wxItemContainer* Items() const { return m_items; }

    wxItemContainer* m_items;
    bool m_hasEdit;
    WxShownItems m_shown;
};
