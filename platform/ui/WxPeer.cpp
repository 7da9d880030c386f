#include "platform/ui/WxPeer.h"

#include "platform/ui/WxText.h"
#include "platform/ui/WxUiHost.h"

#include <wx/app.h>
#include <wx/window.h>

namespace {
int mirroringDepth = 0;

// Marks the wx events raised meanwhile as coming from mirroring.
class MirrorScope {
public:
    MirrorScope() { ++mirroringDepth; }
    ~MirrorScope() { --mirroringDepth; }
    MirrorScope(const MirrorScope&) = delete;
    MirrorScope& operator=(const MirrorScope&) = delete;
};

// The aspects that wait until wx is idle once items are waiting.
constexpr UINT kDeferrable = WndContent | WndSelection | WndText;
} // namespace

WxPeer::WxPeer(WxUiHost& host, HWND hWnd) : m_host(host), m_hWnd(hWnd) {}

WxPeer::~WxPeer()
{
    if (!m_window)
        return;
    m_window->Unbind(wxEVT_DESTROY, &WxPeer::OnWindowDestroyed, this);
    m_window->Unbind(wxEVT_SET_FOCUS, &WxPeer::OnFocus, this);
    if (m_window->IsTopLevel()) {
        m_window->Destroy();
    } else {
        m_window->Hide();
        wxTheApp->ScheduleForDestruction(m_window);
    }
}

bool WxPeer::Mirroring() { return mirroringDepth > 0; }

CWnd* WxPeer::Object() const { return m_retired ? nullptr : CWnd::FromHandle(m_hWnd); }

void WxPeer::Attach(wxWindow* window)
{
    m_window = window;
    m_window->Bind(wxEVT_DESTROY, &WxPeer::OnWindowDestroyed, this);
    // A dialog's focus is that of one of its controls.
    if (!m_window->IsTopLevel())
        m_window->Bind(wxEVT_SET_FOCUS, &WxPeer::OnFocus, this);
    MirrorNow(kAllAspects);
}

void WxPeer::OnFocus(wxFocusEvent& event)
{
    event.Skip();
    // The object's focus follows the person's (WM_KILLFOCUS and WM_SETFOCUS, with the controls'
    // notifications). The rest of the state is left alone: a click has just put the caret.
    CWnd* wnd = Object();
    if (!Mirroring() && wnd && CWnd::GetFocus() != wnd)
        wnd->SetFocus();
}

void WxPeer::OnWindowDestroyed(wxWindowDestroyEvent& event)
{
    // A window that wx destroys by itself (with its parent) is no longer ours to destroy.
    if (event.GetEventObject() == m_window)
        m_window = nullptr;
    event.Skip();
}

void WxPeer::Mirror(UINT aspects)
{
    if (HasItems() && ((aspects & WndContent) || m_deferred)) {
        bool first = m_deferred == 0;
        m_deferred |= aspects & kDeferrable;
        aspects &= ~kDeferrable;
        if (first)
            m_host.MirrorWhenIdle();
    }
    MirrorNow(aspects);
}

void WxPeer::FlushDeferred()
{
    UINT aspects = m_deferred;
    m_deferred = 0;
    MirrorNow(aspects);
}

void WxPeer::MirrorNow(UINT aspects)
{
    CWnd* wnd = Object();
    if (!wnd || !m_window || !aspects)
        return;
    MirrorScope scope;
    if (aspects & WndPosition)
        MirrorPosition(*wnd);
    if (aspects & WndStyle)
        MirrorStyle(*wnd);
    if (aspects & WndText)
        MirrorText(*wnd);
    MirrorState(*wnd, aspects);
    if ((aspects & WndFocus) && CWnd::GetFocus() == wnd && wxWindow::FindFocus() != m_window)
        m_window->SetFocus();
}

void WxPeer::FromPerson(const std::function<void(CWnd&)>& action)
{
    CWnd* wnd = Object();
    if (Mirroring() || !wnd)
        return;
    m_host.RunPersonAction(m_hWnd, [&] { action(*wnd); });
}

wxRect WxPeer::PlaceInParent(const CWnd& wnd)
{
    RECT rect;
    wnd.GetWindowRect(&rect);
    if (CWnd* parent = (wnd.GetStyle() & WS_CHILD) ? wnd.GetParent() : nullptr)
        parent->ScreenToClient(&rect);
    return wxRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void WxPeer::PlaceWindow(const wxRect& rect)
{
    if (m_window->GetRect() != rect)
        m_window->SetSize(rect);
}

void WxPeer::MirrorPosition(CWnd& wnd) { PlaceWindow(PlaceInParent(wnd)); }

void WxPeer::MirrorStyle(CWnd& wnd)
{
    DWORD style = wnd.GetStyle();
    m_window->Show((style & WS_VISIBLE) != 0);
    m_window->Enable((style & WS_DISABLED) == 0);
}

void WxPeer::MirrorText(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    wxString label = WxText::ToWx(text);
    if (m_window->GetLabel() != label)
        m_window->SetLabel(label);
}
