// The wx dialog of a top-level dialog object: its caption, frame and close box by the window's
// styles, the template's font, the application's dialog colours, and the controls as children
// (made by the host). Enter, Escape and the close box go to the object as the dialog manager
// sends them; the object decides whether the dialog ends.
#pragma once

#include "platform/ui/WxPeer.h"

class CDialog;
class wxCloseEvent;
class wxDialog;
class wxKeyEvent;
class wxMoveEvent;

class WxDialogPeer : public WxPeer {
public:
    WxDialogPeer(WxUiHost& host, CDialog& dialog, wxWindow* owner);

    wxDialog* Dialog() const;
    // Shows the dialog modally until the object has ended it or its window is gone.
    void RunModal();
    // Ends the modal run once the object's dialog is over.
    void EndModalIfOver();
    bool InModal() const { return m_inModal; }
    void Retire() override;

protected:
    void MirrorPosition(CWnd& wnd) override;
    void MirrorStyle(CWnd& wnd) override;

private:
    bool ObjectContinues() const;
    void OnClose(wxCloseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnMove(wxMoveEvent& event);
    // Enter: a multi-line edit that wants returns takes it, a focused push button is pressed,
    // else the default button.
    void PressEnter(CWnd& dialogWnd);

    bool m_inModal = false;
};
