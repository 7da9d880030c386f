// The real window (a wx window) of a window object. A peer is known by the object's window
// handle, not by the object: a member object that takes a template's control over (DDX_Control)
// keeps the handle, and so keeps the peer.
//
// The object holds the state. Its changes reach the peer through the host (Mirror); what a
// person does to the peer goes to the object as UserInput would give it (FromPerson), and the
// peer then shows the object's state again, so that whatever the object refused is undone.
// Events that wx raises while the peer is being brought in line come from no person and are
// ignored.
#pragma once

#include "platform/wnd/CWnd.h"

#include <functional>

#include <wx/gdicmn.h>

class wxWindow;
class wxFocusEvent;
class wxWindowDestroyEvent;
class WxUiHost;

class WxPeer {
public:
    static constexpr UINT kAllAspects = 0xFF;

    WxPeer(WxUiHost& host, HWND hWnd);
    // Destroys the wx window (a top-level one once wx is idle, a control hidden at once and
    // deleted when wx is idle).
    virtual ~WxPeer();
    WxPeer(const WxPeer&) = delete;
    WxPeer& operator=(const WxPeer&) = delete;

    HWND Handle() const { return m_hWnd; }
    wxWindow* Window() const { return m_window; }
    // The object that holds the handle now; null once its window is gone.
    CWnd* Object() const;

    // Brings the wx window in line with the aspects of the object's state (WndAspect bits).
    // The items of a list, and what depends on them, are brought in line when wx is next idle
    // (FlushDeferred), so that filling a list item by item redraws it once.
    void Mirror(UINT aspects);
    bool HasDeferred() const { return m_deferred != 0; }
    void FlushDeferred();
    // The object's window is gone: the peer answers no person any more.
    virtual void Retire() { m_retired = true; }
    bool IsRetired() const { return m_retired; }

    // Whether the wx events raised now come from mirroring rather than from a person.
    static bool Mirroring();

protected:
    // Takes the wx window made for the object and shows the object's whole state on it.
    void Attach(wxWindow* window);
    // Hands what a person did to the object (unless it is mirroring or the object is gone).
    void FromPerson(const std::function<void(CWnd&)>& action);

    // The parts of mirroring; a kind replaces those that differ for it.
    virtual void MirrorPosition(CWnd& wnd);
    virtual void MirrorStyle(CWnd& wnd);
    virtual void MirrorText(CWnd& wnd);
    // Items, selection, check state and whatever else the kind has.
    virtual void MirrorState(CWnd& wnd, UINT aspects) {}
    // Whether the kind shows a list of items (whose mirroring waits until wx is idle).
    virtual bool HasItems() const { return false; }
    // The rectangle of a control in its parent's client area, in pixels.
    static wxRect PlaceInParent(const CWnd& wnd);
    // Moves and sizes the wx window there, unless it is there already.
    void PlaceWindow(const wxRect& rect);

    WxUiHost& m_host;

private:
    void MirrorNow(UINT aspects);
    void OnWindowDestroyed(wxWindowDestroyEvent& event);
    void OnFocus(wxFocusEvent& event);

    HWND m_hWnd;
    wxWindow* m_window = nullptr;
    UINT m_deferred = 0;
    bool m_retired = false;
};
