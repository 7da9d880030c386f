#include "platform/ui/WxComboBoxPeer.h"

#include "platform/ui/WxIds.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/UserInput.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/combobox.h>

namespace {
void Pick(CWnd& wnd, int index) { UserInput::SelectComboItem(static_cast<CComboBox&>(wnd), index); }
} // namespace

WxComboBoxPeer::WxComboBoxPeer(WxUiHost& host, CComboBox& combo, wxWindow* parent)
    : WxPeer(host, combo.m_hWnd), m_hasEdit(combo.HasEdit() != FALSE)
{
    int id = WxIds::ToWx(combo.GetDlgCtrlID());
    wxWindow* window = nullptr;
    if (m_hasEdit) {
        long style = (combo.GetStyle() & 0x3) == CBS_SIMPLE ? wxCB_SIMPLE : wxCB_DROPDOWN;
        wxComboBox* box =
            new wxComboBox(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0, nullptr, style);
        box->Bind(wxEVT_COMBOBOX, [this, box](wxCommandEvent&) {
            int index = box->GetSelection();
            FromPerson([index](CWnd& wnd) { Pick(wnd, index); });
        });
        box->Bind(wxEVT_TEXT, [this, box](wxCommandEvent&) {
            CString typed = WxText::FromWx(box->GetValue());
            FromPerson([&typed](CWnd& wnd) {
                CString current;
                wnd.GetWindowText(current);
                if (current != typed)
                    UserInput::EditComboText(static_cast<CComboBox&>(wnd), typed);
            });
        });
        m_items = box;
        window = box;
    } else {
        wxChoice* choice = new wxChoice(parent, id);
        choice->Bind(wxEVT_CHOICE, [this, choice](wxCommandEvent&) {
            int index = choice->GetSelection();
            FromPerson([index](CWnd& wnd) { Pick(wnd, index); });
        });
        m_items = choice;
        window = choice;
    }
    Attach(window);
}

void WxComboBoxPeer::MirrorPosition(CWnd& wnd)
{
    // A template gives a drop-down combo box the height of its open list; the closed field is
    // a line of text in a frame of 4 pixels above and below, as on Windows.
    wxRect place = PlaceInParent(wnd);
    if ((wnd.GetStyle() & 0x3) != CBS_SIMPLE)
        place.height = std::min(place.height, Window()->GetCharHeight() + 8);
    PlaceWindow(place);
}

void WxComboBoxPeer::MirrorText(CWnd& wnd)
{
    if (!m_hasEdit)
        return;
    CString text;
    wnd.GetWindowText(text);
    wxComboBox* box = static_cast<wxComboBox*>(Window());
    wxString value = WxText::ToWx(text);
    if (box->GetValue() != value)
        box->ChangeValue(value);
}

void WxComboBoxPeer::MirrorState(CWnd& wnd, UINT aspects)
{
    const CComboBox& combo = static_cast<const CComboBox&>(wnd);
    std::vector<CString> items(combo.GetCount());
    for (int i = 0; i < combo.GetCount(); ++i)
        combo.GetLBText(i, items[i]);
    m_shown.Mirror(*Items(), items);
    int selection = combo.GetCurSel();
    if (Items()->GetSelection() != selection)
        Items()->SetSelection(selection);
    // Setting items or the selection changes the field; the object's text stands.
    MirrorText(wnd);
}
