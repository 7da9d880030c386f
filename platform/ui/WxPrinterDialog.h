// The print dialog on the display: the printers with their descriptions, the current one
// selected, and the copies (1 to 999). wx's own print dialog cannot serve: on GTK it runs a whole
// print operation and, shown on its own, gives back no printer.
#pragma once

#include "platform/wnd/WinSpool.h"

#include <wx/dialog.h>

class wxListCtrl;
class wxSpinCtrl;

class WxPrinterDialog : public wxDialog {
public:
    // Control ids, for whoever drives the dialog.
    enum { ID_PRINTERS = wxID_HIGHEST + 1, ID_COPIES };

    // The printer named current is selected (else the first one).
    WxPrinterDialog(wxWindow* owner, const std::vector<PrinterInfo>& printers, const CString& current, int copies);

    // The selected printer's name (empty when none is), and the copies.
    CString GetPrinter() const;
    int GetCopies() const;

private:
    std::vector<PrinterInfo> m_printers;
    wxListCtrl* m_list;
    wxSpinCtrl* m_copies;
};
