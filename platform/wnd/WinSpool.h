// The printers and the Windows spooler's calls for raw printer data, over one installable back
// end: the program installs the printers of the build; tests install a recording or failing
// stand-in. Without a back end there is no printer and every call fails.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinGdi.h"

#include <vector>

class CDC;

typedef void* HPRINTER;

struct DOC_INFO_1 {
    LPCTSTR pDocName;
    LPCTSTR pOutputFile;
    LPCTSTR pDatatype;
};

// A printer as the printer list shows it.
struct PrinterInfo {
    CString name;
    CString description;
    CString port;
    bool accepting = true;
    short paperSize = DMPAPER_A4; // its default paper and orientation
    short orientation = DMORIENT_PORTRAIT;
};

// The printers and where raw print jobs go.
class PrinterBackend {
public:
    // What StartRawJob gives when the user cancelled the job (for a printer that asks for a file).
    enum { JobCancelled = -1 };

    virtual ~PrinterBackend() = default;
    // Every printer, in the order a list shows them.
    virtual std::vector<PrinterInfo> Printers() = 0;
    // The default printer's name; empty when there is no printer.
    virtual CString DefaultPrinter() = 0;
    // Starts a job of one raw document on the printer: its id above 0; 0 when the printer refuses
    // it; JobCancelled when the user gave it up.
    virtual int StartRawJob(const CString& printer, const CString& title) = 0;
    // Appends bytes to the job's document; false when they cannot be sent.
    virtual bool WriteJob(int job, const void* data, size_t size) = 0;
    // Ends the document and lets the job print; false when that fails.
    virtual bool EndJob(int job) = 0;
    // Cancels a started job: nothing of it prints.
    virtual void CancelJob(int job) = 0;
    // A device context that prints on the printer with those settings (the caller owns it); null
    // when it cannot be made.
    virtual CDC* CreatePrinterDC(const CString& printer, const DEVMODE& mode) { return nullptr; }
};

// Installs a back end (null: none) and returns the one it replaces. The caller keeps ownership.
PrinterBackend* InstallPrinterBackend(PrinterBackend* backend);
// The installed back end; null when there is none.
PrinterBackend* GetPrinterBackend();
// The printer of that name; false when there is none.
bool FindPrinter(const CString& name, PrinterInfo& printer);
// The settings of a job on the printer: its name, its default paper and orientation, and the
// copies (DM_PAPERSIZE, DM_ORIENTATION and DM_COPIES set).
DEVMODE AfxPrinterDevMode(const PrinterInfo& printer, short copies);

// The default printer's name: FALSE when there is none or the buffer of *pcchBuffer bytes cannot
// hold it with its terminating zero (*pcchBuffer then tells the size it needs).
BOOL GetDefaultPrinter(LPTSTR pszBuffer, DWORD* pcchBuffer);
// FALSE when no printer has that name.
BOOL OpenPrinter(LPCTSTR pPrinterName, HPRINTER* phPrinter, void* pDefault);
// The job's id, or 0 when the printer refuses the document (ERROR_CANCELLED in GetLastError when
// the user gave it up); level 1 and data type "RAW" only.
DWORD StartDocPrinter(HPRINTER hPrinter, DWORD level, DOC_INFO_1* pDocInfo);
BOOL WritePrinter(HPRINTER hPrinter, const void* pBuf, DWORD cbBuf, DWORD* pcWritten);
BOOL EndDocPrinter(HPRINTER hPrinter);
// Cancels the document under way: nothing of it prints.
BOOL AbortPrinter(HPRINTER hPrinter);
// Closes the printer, cancelling a document that was not ended.
BOOL ClosePrinter(HPRINTER hPrinter);
