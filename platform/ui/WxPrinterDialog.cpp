#include "platform/ui/WxPrinterDialog.h"

#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

WxPrinterDialog::WxPrinterDialog(wxWindow* owner, const std::vector<PrinterInfo>& printers, const CString& current,
                                 int copies)
    : wxDialog(owner, wxID_ANY, wxString::FromUTF8(u8"印刷")), m_printers(printers)
{
    m_list = new wxListCtrl(this, ID_PRINTERS, wxDefaultPosition, wxSize(420, 160),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
    m_list->AppendColumn(wxString::FromUTF8(u8"プリンタ名"), wxLIST_FORMAT_LEFT, 200);
    m_list->AppendColumn(wxString::FromUTF8(u8"説明"), wxLIST_FORMAT_LEFT, 200);
    long selected = 0;
    for (size_t i = 0; i < m_printers.size(); ++i) {
        long row = m_list->InsertItem(static_cast<long>(i), WxText::ToWx(m_printers[i].name));
        m_list->SetItem(row, 1, WxText::ToWx(m_printers[i].description));
        if (m_printers[i].name == current)
            selected = row;
    }
    if (!m_printers.empty()) {
        m_list->SetItemState(selected, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                             wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        m_list->EnsureVisible(selected);
    }
    m_copies = new wxSpinCtrl(this, ID_COPIES, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxSP_ARROW_KEYS, 1,
                              999, copies < 1 ? 1 : copies > 999 ? 999 : copies);

    auto* copiesRow = new wxBoxSizer(wxHORIZONTAL);
    copiesRow->Add(new wxStaticText(this, wxID_ANY, wxString::FromUTF8(u8"部数")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
                   8);
    copiesRow->Add(m_copies);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    buttons->Add(ok, 0, wxRIGHT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, wxString::FromUTF8(u8"キャンセル")));
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_list, 1, wxEXPAND | wxALL, 10);
    column->Add(copiesRow, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    column->Add(buttons, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(column);
    CentreOnParent();
}

CString WxPrinterDialog::GetPrinter() const
{
    long row = m_list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    return row >= 0 && row < static_cast<long>(m_printers.size()) ? m_printers[row].name : CString();
}

int WxPrinterDialog::GetCopies() const { return m_copies->GetValue(); }
