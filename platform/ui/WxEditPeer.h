// An edit control's wx text control: single- or multi-line, password, aligned, bordered or not,
// read-only as the object says. What the person types reaches the object as typing
// (UserInput::EditText), so that the object's limit, read-only state, notifications and any
// filtering of its own apply; the text control then shows the object's text and selection.
#pragma once

#include "platform/ui/WxPeer.h"

class CEdit;
class wxCommandEvent;
class wxTextCtrl;

class WxEditPeer : public WxPeer {
public:
    WxEditPeer(WxUiHost& host, CEdit& edit, wxWindow* parent);

protected:
    void MirrorStyle(CWnd& wnd) override;
    void MirrorText(CWnd& wnd) override;
    void MirrorState(CWnd& wnd, UINT aspects) override;

private:
    wxTextCtrl* Text() const;
    // The wx position of a byte offset in the object's text.
    long Position(const CString& text, int byteOffset) const;
    void OnText(wxCommandEvent& event);

    bool m_multiline;
};
