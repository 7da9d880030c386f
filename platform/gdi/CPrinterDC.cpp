#include "platform/gdi/CPrinterDC.h"

#include "platform/files/PosixIo.h"
#include "platform/gdi/CupsPrinters.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CPrinterDC, CCairoDC)

CPrinterDC::CPrinterDC(const CString& printer, const DEVMODE& mode)
    : CPrinterDC(printer, mode, MakeTempFile("zn-print-"))
{
}

CPrinterDC::CPrinterDC(const CString& printer, const DEVMODE& mode, const std::string& temporary)
    : CCairoDC(AfxPaperDevice(TRUE, 600, 210, 297), Pdf, temporary), m_printer(printer),
      m_copies(mode.dmFields & DM_COPIES && mode.dmCopies > 1 ? mode.dmCopies : 1), m_temporary(temporary)
{
    ResetDC(&mode);
}

CPrinterDC::~CPrinterDC()
{
    if (!m_temporary.empty())
        unlink(m_temporary.c_str());
}

int CPrinterDC::OnStartDoc(const DOCINFO& info)
{
    PrinterInfo printer;
    if (m_temporary.empty() || !FindPrinter(m_printer, printer) || !printer.accepting)
        return SP_ERROR;
    m_outputFile.clear();
    if (m_printer == CupsPrinters::FileDestination && !CupsPrinters::AskOutputFile(m_outputFile))
        return SP_ERROR;
    m_title = info.lpszDocName ? info.lpszDocName : "";
    m_pages = 0;
    return CCairoDC::OnStartDoc(info);
}

int CPrinterDC::OnStartPage()
{
    if (m_pages++ == 0) {
        m_firstPaper = GetPaperSize();
        m_firstOrientation = GetOrientation();
    }
    return CCairoDC::OnStartPage();
}

int CPrinterDC::OnEndDoc()
{
    int result = CCairoDC::OnEndDoc();
    bool delivered = result > 0 && (m_pages == 0 || Deliver());
    unlink(m_temporary.c_str());
    return delivered ? result : SP_ERROR;
}

void CPrinterDC::OnAbortDoc()
{
    CCairoDC::OnAbortDoc();
    unlink(m_temporary.c_str());
}

bool CPrinterDC::Deliver()
{
    if (!m_outputFile.empty())
        return ReplaceWithCopy(m_temporary, m_outputFile);
    return CupsPrinters::SubmitPdf(m_printer, m_temporary, m_title, m_copies, m_firstPaper, m_firstOrientation);
}
