#include "platform/ui/WxButtonPeer.h"

#include "platform/ui/WxIds.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/UserInput.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>

WxButtonPeer::WxButtonPeer(WxUiHost& host, CButton& button, wxWindow* parent) : WxPeer(host, button.m_hWnd)
{
    int id = WxIds::ToWx(button.GetDlgCtrlID());
    wxWindow* window = nullptr;
    switch (button.GetStyle() & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
        m_look = Look::Check;
        window = new wxCheckBox(parent, id, wxEmptyString);
        break;
    case BS_3STATE:
    case BS_AUTO3STATE:
        m_look = Look::Check;
        window = new wxCheckBox(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                                wxCHK_3STATE | wxCHK_ALLOW_3RD_STATE_FOR_USER);
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        m_look = Look::Radio;
        std::vector<CButton*> group = AfxRadioGroup(&button);
        bool first = group.empty() || group.front() == &button;
        window = new wxRadioButton(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize, first ? wxRB_GROUP : 0);
        break;
    }
    case BS_GROUPBOX:
        m_look = Look::Group;
        window = new wxStaticBox(parent, id, wxEmptyString);
        break;
    default:
        m_look = Look::Push;
        window = new wxButton(parent, id, wxEmptyString);
        break;
    }
    window->Bind(wxEVT_BUTTON, &WxButtonPeer::OnClicked, this);
    window->Bind(wxEVT_CHECKBOX, &WxButtonPeer::OnClicked, this);
    window->Bind(wxEVT_RADIOBUTTON, &WxButtonPeer::OnClicked, this);
    Attach(window);
}

void WxButtonPeer::OnClicked(wxCommandEvent&)
{
    FromPerson([](CWnd& button) { UserInput::Click(button); });
}

void WxButtonPeer::MirrorState(CWnd& wnd, UINT aspects)
{
    const CButton& button = static_cast<const CButton&>(wnd);
    switch (m_look) {
    case Look::Check: {
        wxCheckBox* box = static_cast<wxCheckBox*>(Window());
        wxCheckBoxState state = button.GetCheck() == BST_CHECKED         ? wxCHK_CHECKED
                                : button.GetCheck() == BST_INDETERMINATE ? wxCHK_UNDETERMINED
                                                                         : wxCHK_UNCHECKED;
        if (box->Get3StateValue() != state)
            box->Set3StateValue(box->Is3State() || state != wxCHK_UNDETERMINED ? state : wxCHK_CHECKED);
        break;
    }
    case Look::Radio: {
        // GTK cannot clear a radio button by itself; the group's checked button does.
        wxRadioButton* radio = static_cast<wxRadioButton*>(Window());
        if (button.GetCheck() == BST_CHECKED && !radio->GetValue())
            radio->SetValue(true);
        break;
    }
    case Look::Push:
        if ((aspects & WndStyle) && (button.GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            static_cast<wxButton*>(Window())->SetDefault();
        break;
    case Look::Group:
        break;
    }
}
