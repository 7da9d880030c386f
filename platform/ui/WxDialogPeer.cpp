#include "platform/ui/WxDialogPeer.h"

#include "platform/ui/WxDialogFont.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"
#include "platform/wnd/CWinApp.h"
#include "platform/wnd/UserInput.h"

#include <wx/dialog.h>

namespace {
long FrameStyle(DWORD style)
{
    long frame = 0;
    if ((style & WS_CAPTION) == WS_CAPTION)
        frame |= wxCAPTION;
    if (style & WS_SYSMENU)
        frame |= wxSYSTEM_MENU | wxCLOSE_BOX;
    if (style & WS_THICKFRAME)
        frame |= wxRESIZE_BORDER;
    if ((style & WS_CAPTION) == WS_CAPTION && (style & WS_MINIMIZEBOX))
        frame |= wxMINIMIZE_BOX;
    if ((style & WS_CAPTION) == WS_CAPTION && (style & WS_MAXIMIZEBOX))
        frame |= wxMAXIMIZE_BOX;
    return frame ? frame : static_cast<long>(wxBORDER_SIMPLE);
}

wxColour ColourOf(COLORREF colour) { return wxColour(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

bool IsPushButton(const CWnd& wnd)
{
    DWORD type = wnd.GetStyle() & BS_TYPEMASK;
    return wnd.IsKindOf(RUNTIME_CLASS(CButton)) && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool WantsReturn(const CWnd& wnd)
{
    return wnd.IsKindOf(RUNTIME_CLASS(CEdit)) &&
           (wnd.GetStyle() & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN);
}
} // namespace

WxDialogPeer::WxDialogPeer(WxUiHost& host, CDialog& dialog, wxWindow* owner) : WxPeer(host, dialog.m_hWnd)
{
    CString caption;
    dialog.GetWindowText(caption);
    wxDialog* window = new wxDialog(owner, wxID_ANY, WxText::ToWx(caption), wxDefaultPosition, wxDefaultSize,
                                    FrameStyle(dialog.GetStyle()));
    if (const DialogResource* resource = dialog.GetTemplate())
        window->SetFont(WxDialogFont::FontOf(*resource));
    if (AfxGetDialogBkColor() != CLR_INVALID)
        window->SetBackgroundColour(ColourOf(AfxGetDialogBkColor()));
    if (AfxGetDialogTextColor() != CLR_INVALID)
        window->SetForegroundColour(ColourOf(AfxGetDialogTextColor()));
    window->Bind(wxEVT_CLOSE_WINDOW, &WxDialogPeer::OnClose, this);
    window->Bind(wxEVT_CHAR_HOOK, &WxDialogPeer::OnCharHook, this);
    window->Bind(wxEVT_MOVE, &WxDialogPeer::OnMove, this);
    Attach(window);
}

wxDialog* WxDialogPeer::Dialog() const { return static_cast<wxDialog*>(Window()); }

bool WxDialogPeer::ObjectContinues() const
{
    CWnd* wnd = Object();
    return wnd && wnd->ContinueModal();
}

void WxDialogPeer::RunModal()
{
    if (!ObjectContinues() || !Dialog())
        return;
    m_inModal = true;
    Dialog()->ShowModal();
    m_inModal = false;
    // Nothing but the object ends the run; should wx end it all the same, the dialog is cancelled.
    if (CDialog* dialog = dynamic_cast<CDialog*>(Object()); dialog && dialog->ContinueModal())
        dialog->EndDialog(IDCANCEL);
}

void WxDialogPeer::EndModalIfOver()
{
    if (m_inModal && !ObjectContinues() && Dialog() && Dialog()->IsModal())
        Dialog()->EndModal(wxID_CANCEL);
}

void WxDialogPeer::Retire()
{
    WxPeer::Retire();
    EndModalIfOver();
}

void WxDialogPeer::MirrorPosition(CWnd& wnd)
{
    RECT window;
    RECT client;
    wnd.GetWindowRect(&window);
    wnd.GetClientRect(&client);
    wxPoint position(window.left, window.top);
    if (Dialog()->GetPosition() != position)
        Dialog()->Move(position);
    wxSize size(client.right, client.bottom);
    if (Dialog()->GetClientSize() != size)
        Dialog()->SetClientSize(size);
}

void WxDialogPeer::MirrorStyle(CWnd& wnd)
{
    DWORD style = wnd.GetStyle();
    Dialog()->Enable((style & WS_DISABLED) == 0);
    // A dialog in a modal run is shown by the run; the others follow their object.
    if (!m_inModal && AfxGetRunningModal() != &wnd)
        Dialog()->Show(wnd.IsWindowVisible() != FALSE);
}

void WxDialogPeer::OnClose(wxCloseEvent& event)
{
    CWnd* wnd = Object();
    if (event.CanVeto())
        event.Veto();
    else
        return;
    // Without a system menu there is no close box, and Alt+F4 does nothing.
    if (wnd && (wnd->GetStyle() & WS_SYSMENU))
        FromPerson([](CWnd& dialog) { UserInput::PressEscape(static_cast<CDialog&>(dialog)); });
}

void WxDialogPeer::OnCharHook(wxKeyEvent& event)
{
    int key = event.GetKeyCode();
    CWnd* wnd = Object();
    bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
    if (!wnd || event.HasAnyModifiers() || (!enter && key != WXK_ESCAPE)) {
        event.Skip();
        return;
    }
    if (key == WXK_ESCAPE) {
        FromPerson([](CWnd& dialog) { UserInput::PressEscape(static_cast<CDialog&>(dialog)); });
        return;
    }
    CWnd* focus = CWnd::GetFocus();
    if (focus && wnd->IsChild(focus) && WantsReturn(*focus)) {
        event.Skip();
        return;
    }
    PressEnter(*wnd);
}

void WxDialogPeer::PressEnter(CWnd& dialogWnd)
{
    CWnd* focus = CWnd::GetFocus();
    if (focus && dialogWnd.IsChild(focus) && IsPushButton(*focus)) {
        HWND button = focus->m_hWnd;
        FromPerson([button](CWnd&) {
            if (CWnd* pressed = CWnd::FromHandle(button))
                UserInput::Click(*pressed);
        });
        return;
    }
    FromPerson([](CWnd& dialog) { UserInput::PressEnter(static_cast<CDialog&>(dialog)); });
}

void WxDialogPeer::OnMove(wxMoveEvent& event)
{
    event.Skip();
    CWnd* wnd = Object();
    if (Mirroring() || !wnd || !Dialog())
        return;
    // The person (or the window manager) moved the dialog: the object's window moves with it.
    wxPoint position = Dialog()->GetPosition();
    RECT window;
    wnd->GetWindowRect(&window);
    if (window.left != position.x || window.top != position.y)
        wnd->SetWindowPos(nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
