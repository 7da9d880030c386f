#include "platform/ui/WxEditPeer.h"

#include "platform/ui/WxIds.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/UserInput.h"

#include <wx/textctrl.h>

namespace {
long TextStyle(DWORD style, DWORD exStyle)
{
    long text = 0;
    if (style & ES_MULTILINE)
        text |= wxTE_MULTILINE;
    if (style & ES_PASSWORD)
        text |= wxTE_PASSWORD;
    if (style & ES_CENTER)
        text |= wxTE_CENTER;
    else if (style & ES_RIGHT)
        text |= wxTE_RIGHT;
    if (!(style & WS_BORDER) && !(exStyle & WS_EX_CLIENTEDGE))
        text |= wxBORDER_NONE;
    return text;
}
} // namespace

WxEditPeer::WxEditPeer(WxUiHost& host, CEdit& edit, wxWindow* parent)
    : WxPeer(host, edit.m_hWnd), m_multiline((edit.GetStyle() & ES_MULTILINE) != 0)
{
    wxTextCtrl* text = new wxTextCtrl(parent, WxIds::ToWx(edit.GetDlgCtrlID()), wxEmptyString, wxDefaultPosition,
                                      wxDefaultSize, TextStyle(edit.GetStyle(), edit.GetExStyle()));
    text->Bind(wxEVT_TEXT, &WxEditPeer::OnText, this);
    Attach(text);
}

wxTextCtrl* WxEditPeer::Text() const { return static_cast<wxTextCtrl*>(Window()); }

long WxEditPeer::Position(const CString& text, int byteOffset) const
{
    CString head = text.Left(byteOffset);
    long position = WxText::CharIndex(head, head.GetLength());
    // A line end is two bytes here and one character in wx's multi-line control.
    if (m_multiline)
        for (int at = head.Find("\r\n"); at >= 0; at = head.Find("\r\n", at + 2))
            --position;
    return position;
}

void WxEditPeer::MirrorStyle(CWnd& wnd)
{
    WxPeer::MirrorStyle(wnd);
    bool editable = (wnd.GetStyle() & ES_READONLY) == 0;
    if (Text()->IsEditable() != editable)
        Text()->SetEditable(editable);
}

void WxEditPeer::MirrorText(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    wxString value = m_multiline ? WxText::ToWxLines(text) : WxText::ToWx(text);
    if (Text()->GetValue() != value)
        Text()->ChangeValue(value);
}

void WxEditPeer::MirrorState(CWnd& wnd, UINT aspects)
{
    if (!(aspects & (WndSelection | WndText)))
        return;
    CString text;
    wnd.GetWindowText(text);
    int start = 0;
    int end = 0;
    static_cast<CEdit&>(wnd).GetSel(start, end);
    long from = Position(text, start);
    long to = Position(text, end);
    long shownFrom = 0;
    long shownTo = 0;
    Text()->GetSelection(&shownFrom, &shownTo);
    if (shownFrom != from || shownTo != to)
        Text()->SetSelection(from, to);
}

void WxEditPeer::OnText(wxCommandEvent& event)
{
    wxString value = Text()->GetValue();
    CString typed = m_multiline ? WxText::FromWxLines(value) : WxText::FromWx(value);
    FromPerson([&typed](CWnd& edit) { UserInput::EditText(edit, typed); });
}
