// A device context that prints on one printer of CupsPrinters: it draws a PDF (600 dpi, physical
// offsets 0) into a temporary file and, at EndDoc, sends it to the queue as one job with the
// document's name as its title, the copies, and the paper and orientation of the first page; for
// the file destination it asks for the file at StartDoc and writes the PDF there. StartDoc fails
// with SP_ERROR when the printer is missing or does not accept jobs, or the file is not given. A
// document without pages sends nothing. The temporary file is removed whatever happens.
#pragma once

#include "platform/gdi/CCairoDC.h"

class CPrinterDC : public CCairoDC {
public:
    DECLARE_DYNAMIC(CPrinterDC)
    // The printer's name (CP932) and its settings (paper, orientation, copies).
    CPrinterDC(const CString& printer, const DEVMODE& mode);
    ~CPrinterDC() override;

    const CString& GetPrinterName() const { return m_printer; }
    int GetCopies() const { return m_copies; }

protected:
    int OnStartDoc(const DOCINFO& info) override;
    int OnStartPage() override;
    int OnEndDoc() override;
    void OnAbortDoc() override;

private:
    CPrinterDC(const CString& printer, const DEVMODE& mode, const std::string& temporary);
    // Sends or writes the finished PDF; false when that fails.
    bool Deliver();

    CString m_printer;
    int m_copies;
    std::string m_temporary;
    std::string m_outputFile;
    CString m_title;
    int m_pages = 0;
    short m_firstPaper = DMPAPER_A4;
    short m_firstOrientation = DMORIENT_PORTRAIT;
};
