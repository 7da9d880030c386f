// The framework's print dialog (or print-setup dialog). DoModal asks the user-interface host,
// which names the chosen printer; the device context comes with the drawing layer.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinGlobalMemory.h"
#include "platform/wnd/WinUser.h"

class CDC;
class CWnd;

#define PD_ALLPAGES 0x00000000
#define PD_SELECTION 0x00000001
#define PD_PAGENUMS 0x00000002
#define PD_NOSELECTION 0x00000004
#define PD_NOPAGENUMS 0x00000008
#define PD_COLLATE 0x00000010
#define PD_PRINTTOFILE 0x00000020
#define PD_PRINTSETUP 0x00000040
#define PD_RETURNDC 0x00000100
#define PD_USEDEVMODECOPIES 0x00040000
#define PD_HIDEPRINTTOFILE 0x00100000

// A printer's names: offsets from the block's start of the driver, the device and the output
// port, each a string of the block.
struct DEVNAMES {
    WORD wDriverOffset;
    WORD wDeviceOffset;
    WORD wOutputOffset;
    WORD wDefault;
};

// The part of the system's PRINTDLG that callers set and read. hDevMode holds a DEVMODE and
// hDevNames a DEVNAMES block; whoever asked for them frees them.
struct PRINTDLG {
    HWND hwndOwner;
    DWORD Flags;
    WORD nFromPage;
    WORD nToPage;
    WORD nMinPage;
    WORD nMaxPage;
    WORD nCopies;
    HGLOBAL hDevMode;
    HGLOBAL hDevNames;
};

// A DEVNAMES block of those names (the caller frees it), and the device name of one.
HGLOBAL AfxMakeDevNames(LPCTSTR driver, LPCTSTR device, LPCTSTR port);
CString AfxDevNamesDevice(HGLOBAL devNames);

class CPrintDialog {
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    virtual ~CPrintDialog() = default;

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    CString GetDeviceName() const { return m_strDeviceName; }
    int GetCopies() const { return m_pd.nCopies; }
    BOOL IsPrintSetupOnly() const { return (m_pd.Flags & PD_PRINTSETUP) != 0; }
    // A device context on the chosen printer with its paper and orientation and the copies
    // chosen, which the caller owns; null without a chosen printer or when it cannot be made.
    CDC* CreatePrinterDC();
    // For the user-interface host.
    void SetDeviceName(const CString& name) { m_strDeviceName = name; }

    PRINTDLG m_pd;

private:
    CString m_strDeviceName;
};
