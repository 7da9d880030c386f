#include "platform/wnd/WinSpool.h"

#include "platform/core/WinError.h"

#include <cstring>

namespace {

PrinterBackend* g_backend = nullptr;

// An open printer and the job started on it (0: none).
struct OpenedPrinter {
    CString name;
    int job = 0;
};

OpenedPrinter* Opened(HPRINTER handle) { return static_cast<OpenedPrinter*>(handle); }

} // namespace

PrinterBackend* InstallPrinterBackend(PrinterBackend* backend)
{
    PrinterBackend* previous = g_backend;
    g_backend = backend;
    return previous;
}

PrinterBackend* GetPrinterBackend() { return g_backend; }

bool FindPrinter(const CString& name, PrinterInfo& printer)
{
    if (!g_backend)
        return false;
    for (const PrinterInfo& info : g_backend->Printers())
        if (info.name == name) {
            printer = info;
            return true;
        }
    return false;
}

DEVMODE AfxPrinterDevMode(const PrinterInfo& printer, short copies)
{
    DEVMODE mode{};
    printer.name.Bytes().copy(mode.dmDeviceName, CCHDEVICENAME - 1);
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PAPERSIZE | DM_ORIENTATION | DM_COPIES;
    mode.dmPaperSize = printer.paperSize;
    mode.dmOrientation = printer.orientation;
    mode.dmCopies = copies;
    return mode;
}

BOOL GetDefaultPrinter(LPTSTR pszBuffer, DWORD* pcchBuffer)
{
    CString name = g_backend ? g_backend->DefaultPrinter() : CString();
    if (name.IsEmpty() || !pcchBuffer)
        return FALSE;
    DWORD needed = name.GetLength() + 1;
    bool fits = pszBuffer && *pcchBuffer >= needed;
    *pcchBuffer = needed;
    if (!fits)
        return FALSE;
    std::memcpy(pszBuffer, (LPCTSTR)name, needed);
    return TRUE;
}

BOOL OpenPrinter(LPCTSTR pPrinterName, HPRINTER* phPrinter, void*)
{
    *phPrinter = nullptr;
    PrinterInfo info;
    if (!pPrinterName || !FindPrinter(pPrinterName, info))
        return FALSE;
    *phPrinter = new OpenedPrinter{pPrinterName};
    return TRUE;
}

DWORD StartDocPrinter(HPRINTER hPrinter, DWORD level, DOC_INFO_1* pDocInfo)
{
    OpenedPrinter* printer = Opened(hPrinter);
    if (!printer || printer->job || level != 1 || !pDocInfo || !pDocInfo->pDatatype ||
        std::strcmp(pDocInfo->pDatatype, "RAW") != 0 || !g_backend)
        return 0;
    int job = g_backend->StartRawJob(printer->name, pDocInfo->pDocName ? pDocInfo->pDocName : "");
    if (job == PrinterBackend::JobCancelled)
        SetLastError(ERROR_CANCELLED);
    printer->job = job > 0 ? job : 0;
    return printer->job;
}

BOOL WritePrinter(HPRINTER hPrinter, const void* pBuf, DWORD cbBuf, DWORD* pcWritten)
{
    OpenedPrinter* printer = Opened(hPrinter);
    bool written = printer && printer->job && g_backend && g_backend->WriteJob(printer->job, pBuf, cbBuf);
    if (pcWritten)
        *pcWritten = written ? cbBuf : 0;
    return written;
}

BOOL EndDocPrinter(HPRINTER hPrinter)
{
    OpenedPrinter* printer = Opened(hPrinter);
    if (!printer || !printer->job || !g_backend)
        return FALSE;
    int job = printer->job;
    printer->job = 0;
    return g_backend->EndJob(job);
}

BOOL AbortPrinter(HPRINTER hPrinter)
{
    OpenedPrinter* printer = Opened(hPrinter);
    if (!printer || !printer->job || !g_backend)
        return FALSE;
    g_backend->CancelJob(printer->job);
    printer->job = 0;
    return TRUE;
}

BOOL ClosePrinter(HPRINTER hPrinter)
{
    if (!hPrinter)
        return FALSE;
    AbortPrinter(hPrinter);
    delete Opened(hPrinter);
    return TRUE;
}
