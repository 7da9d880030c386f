// The base of the progress notes: a popup without caption made from its template, shown and
// centred as it is made. The handler that does the work makes one with Create(), without a parent,
// and destroys it with DestroyWindow when the work ends; the note is not updated meanwhile. Enter
// and Esc do not close it.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppNote : public CDialog {
public:
    using CDialog::Create;
    // Makes the note from its template, without a parent window.
    BOOL Create() { return CDialog::Create(m_nIDTemplate, nullptr); }

protected:
    explicit ZnDlgAppNote(UINT nIDTemplate) : CDialog(nIDTemplate, nullptr) {}
    void OnOK() override {}
    void OnCancel() override {}
};
