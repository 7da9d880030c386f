#include "platform/ui/WxListBoxPeer.h"

#include "platform/ui/WxIds.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/CListBox.h"
#include "platform/wnd/UserInput.h"

#include <wx/listbox.h>

namespace {
long ListStyle(DWORD style)
{
    if (style & LBS_EXTENDEDSEL)
        return wxLB_EXTENDED;
    return (style & LBS_MULTIPLESEL) ? wxLB_MULTIPLE : wxLB_SINGLE;
}
} // namespace

WxListBoxPeer::WxListBoxPeer(WxUiHost& host, CListBox& list, wxWindow* parent) : WxPeer(host, list.m_hWnd)
{
    wxListBox* box = new wxListBox(parent, WxIds::ToWx(list.GetDlgCtrlID()), wxDefaultPosition, wxDefaultSize, 0,
                                   nullptr, ListStyle(list.GetStyle()));
    box->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) {
        int index = event.GetSelection();
        FromPerson([index](CWnd& wnd) { UserInput::SelectListBoxItem(static_cast<CListBox&>(wnd), index); });
    });
    Attach(box);
}

wxListBox* WxListBoxPeer::List() const { return static_cast<wxListBox*>(Window()); }

void WxListBoxPeer::MirrorState(CWnd& wnd, UINT aspects)
{
    const CListBox& list = static_cast<const CListBox&>(wnd);
    std::vector<CString> items(list.GetCount());
    for (int i = 0; i < list.GetCount(); ++i)
        list.GetText(i, items[i]);
    m_shown.Mirror(*List(), items);
    for (int i = 0; i < list.GetCount(); ++i) {
        bool selected = list.GetSel(i) > 0;
        if (List()->IsSelected(i) != selected) {
            if (selected)
                List()->SetSelection(i);
            else
                List()->Deselect(i);
        }
    }
}
