// The Windows spooler's calls for raw printer data, over one installable back end: the printers
// of the build install theirs; tests install a recording or failing stand-in. Without a back end
// there is no printer and every call fails.
#pragma once

#include "platform/core/CString.h"

typedef void* HPRINTER;

struct DOC_INFO_1 {
    LPCTSTR pDocName;
    LPCTSTR pOutputFile;
    LPCTSTR pDatatype;
};

// Where raw print jobs go.
class SpoolerBackend {
public:
    virtual ~SpoolerBackend() = default;
    // The default printer's name; empty when there is no printer.
    virtual CString DefaultPrinter() = 0;
    // Whether a printer of that name exists.
    virtual bool HasPrinter(const CString& printer) = 0;
    // Starts a job of one raw document on the printer: its id above 0, or 0 when the printer
    // refuses it.
    virtual int StartRawJob(const CString& printer, const CString& title) = 0;
    // Appends bytes to the job's document; false when they cannot be sent.
    virtual bool WriteJob(int job, const void* data, size_t size) = 0;
    // Ends the document and lets the job print; false when that fails.
    virtual bool EndJob(int job) = 0;
    // Cancels a started job: nothing of it prints.
    virtual void CancelJob(int job) = 0;
};

// Installs a back end (null: none) and returns the one it replaces. The caller keeps ownership.
SpoolerBackend* InstallSpoolerBackend(SpoolerBackend* backend);

// The default printer's name: FALSE when there is none or the buffer of *pcchBuffer bytes cannot
// hold it with its terminating zero (*pcchBuffer then tells the size it needs).
BOOL GetDefaultPrinter(LPTSTR pszBuffer, DWORD* pcchBuffer);
// FALSE when no printer has that name.
BOOL OpenPrinter(LPCTSTR pPrinterName, HPRINTER* phPrinter, void* pDefault);
// The job's id, or 0 when the printer refuses the document; level 1 and data type "RAW" only.
DWORD StartDocPrinter(HPRINTER hPrinter, DWORD level, DOC_INFO_1* pDocInfo);
BOOL WritePrinter(HPRINTER hPrinter, const void* pBuf, DWORD cbBuf, DWORD* pcWritten);
BOOL EndDocPrinter(HPRINTER hPrinter);
// Cancels the document under way: nothing of it prints.
BOOL AbortPrinter(HPRINTER hPrinter);
// Closes the printer, cancelling a document that was not ended.
BOOL ClosePrinter(HPRINTER hPrinter);
