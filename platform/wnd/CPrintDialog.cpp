#include "platform/wnd/CPrintDialog.h"

#include "platform/wnd/CWnd.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/UiHost.h"
#include "platform/wnd/WinSpool.h"

#include <cstring>
#include <string>

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : m_pd{pParentWnd ? pParentWnd->m_hWnd : nullptr,
           dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : 0),
           0,
           0,
           1,
           0xFFFF,
           1,
           nullptr,
           nullptr}
{
}

CDC* CPrintDialog::CreatePrinterDC()
{
    PrinterInfo printer;
    if (!GetPrinterBackend() || !FindPrinter(m_strDeviceName, printer))
        return nullptr;
    DEVMODE mode = AfxPrinterDevMode(printer, static_cast<short>(m_pd.nCopies < 1 ? 1 : m_pd.nCopies));
    return GetPrinterBackend()->CreatePrinterDC(printer.name, mode);
}

HGLOBAL AfxMakeDevNames(LPCTSTR driver, LPCTSTR device, LPCTSTR port)
{
    std::string names;
    auto add = [&names](LPCTSTR text) {
        WORD offset = static_cast<WORD>(sizeof(DEVNAMES) + names.size());
        names += text ? text : "";
        names += '\0';
        return offset;
    };
    DEVNAMES header{add(driver), add(device), add(port), 0};
    HGLOBAL block = GlobalAlloc(GHND, sizeof header + names.size());
    if (!block)
        return nullptr;
    auto* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, names.data(), names.size());
    GlobalUnlock(block);
    return block;
}

CString AfxDevNamesDevice(HGLOBAL devNames)
{
    const auto* bytes = static_cast<const char*>(GlobalLock(devNames));
    if (!bytes)
        return CString();
    CString device(bytes + reinterpret_cast<const DEVNAMES*>(bytes)->wDeviceOffset);
    GlobalUnlock(devNames);
    return device;
}

INT_PTR CPrintDialog::DoModal()
{
    if (!m_pd.hwndOwner)
        m_pd.hwndOwner = AfxGetSafeOwner();
    return UiHost::Current().RunPrintDialog(*this) == IDOK ? IDOK : IDCANCEL;
}
