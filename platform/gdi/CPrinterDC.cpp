#include "platform/gdi/CPrinterDC.h"

#include "platform/gdi/CupsPrinters.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CPrinterDC, CCairoDC)

namespace {

// A new empty file in the temporary folder ($TMPDIR, else the system's); empty when none can be made.
std::string MakeTemporaryPdf()
{
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : P_tmpdir) + "/zn-print-XXXXXX";
    int fd = mkstemp(name.data());
    if (fd < 0)
        return std::string();
    close(fd);
    return name;
}

bool CopyFileWhole(const std::string& from, const std::string& to)
{
    std::string temporary = to + ".XXXXXX";
    int out = mkstemp(temporary.data());
    int in = open(from.c_str(), O_RDONLY);
    bool copied = out >= 0 && in >= 0;
    char buffer[32768];
    for (ssize_t got; copied && (got = read(in, buffer, sizeof buffer)) != 0;)
        copied = got > 0 && write(out, buffer, static_cast<size_t>(got)) == got;
    if (in >= 0)
        close(in);
    if (out >= 0)
        copied = close(out) == 0 && copied;
    copied = copied && std::rename(temporary.c_str(), to.c_str()) == 0;
    if (!copied && out >= 0)
        unlink(temporary.c_str());
    return copied;
}

} // namespace

CPrinterDC::CPrinterDC(const CString& printer, const DEVMODE& mode) : CPrinterDC(printer, mode, MakeTemporaryPdf()) {}

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
        return CopyFileWhole(m_temporary, m_outputFile);
    return CupsPrinters::SubmitPdf(m_printer, m_temporary, m_title, m_copies, m_firstPaper, m_firstOrientation);
}
