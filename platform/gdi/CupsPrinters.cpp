#include "platform/gdi/CupsPrinters.h"

#include "platform/core/Cp932.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/wnd/CFileDialog.h"

#include <cups/cups.h>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

const char CupsPrinters::FileDestination[] = "PDFファイルへ出力";
const char CupsPrinters::FilePort[] = "FILE:";

namespace {

// Ids of the file destination's jobs count down from here, apart from the queues' ids.
const int FirstFileJob = 1 << 30;

std::string Utf8(const CString& text) { return cp932::ToUtf8(text.Bytes()); }
CString FromUtf8(const char* text) { return CString(cp932::FromUtf8(text ? text : "")); }

// The DMPAPER_ code of a CUPS media name; A4 for one the system does not print on.
short PaperOf(const char* media)
{
    std::string name = media ? media : "";
    if (name.find("iso_a3") == 0 || name == "A3")
        return DMPAPER_A3;
    if (name.find("iso_b4") == 0 || name.find("jis_b4") == 0 || name == "B4")
        return DMPAPER_B4;
    return DMPAPER_A4;
}

const char* MediaOf(short paperSize)
{
    switch (paperSize) {
    case DMPAPER_A3:
        return "iso_a3_297x420mm";
    case DMPAPER_B4:
        return "iso_b4_250x353mm";
    default:
        return "iso_a4_210x297mm";
    }
}

PrinterInfo InfoOf(const cups_dest_t& dest)
{
    PrinterInfo info;
    info.name = FromUtf8(dest.name);
    info.description = FromUtf8(cupsGetOption("printer-info", dest.num_options, dest.options));
    info.port = FromUtf8(cupsGetOption("device-uri", dest.num_options, dest.options));
    const char* accepting = cupsGetOption("printer-is-accepting-jobs", dest.num_options, dest.options);
    info.accepting = !accepting || std::strcmp(accepting, "false") != 0;
    info.paperSize = PaperOf(cupsGetOption("media", dest.num_options, dest.options));
    const char* orientation = cupsGetOption("orientation-requested", dest.num_options, dest.options);
    info.orientation = orientation && std::strcmp(orientation, "4") == 0 ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    return info;
}

PrinterInfo FileDestinationInfo()
{
    PrinterInfo info;
    info.name = CupsPrinters::FileDestination;
    info.description = "PDF";
    info.port = CupsPrinters::FilePort;
    return info;
}

http_t* Connect() { return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr); }

// Creates a job of one document of that format on the queue: its id and the connection that
// carries the document, or 0 when the queue refuses it.
int StartJob(const CString& printer, const CString& title, const char* format, int numOptions,
             cups_option_t* options, http_t*& http)
{
    http = Connect();
    if (!http)
        return 0;
    std::string name = Utf8(printer), utf8Title = Utf8(title);
    int id = cupsCreateJob(http, name.c_str(), utf8Title.c_str(), numOptions, options);
    if (id > 0 && cupsStartDocument(http, name.c_str(), id, utf8Title.c_str(), format, 1) == HTTP_STATUS_CONTINUE)
        return id;
    if (id > 0)
        cupsCancelJob2(http, name.c_str(), id, 0);
    httpClose(http);
    http = nullptr;
    return 0;
}

} // namespace

CupsPrinters::CupsPrinters() = default;

CupsPrinters::~CupsPrinters()
{
    while (!m_jobs.empty())
        CancelJob(m_jobs.begin()->first);
}

std::vector<PrinterInfo> CupsPrinters::Printers()
{
    std::vector<PrinterInfo> printers;
    cups_dest_t* dests = nullptr;
    int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    for (int i = 0; i < count; ++i)
        if (!dests[i].instance)
            printers.push_back(InfoOf(dests[i]));
    cupsFreeDests(count, dests);
    printers.push_back(FileDestinationInfo());
    return printers;
}

CString CupsPrinters::DefaultPrinter()
{
    cups_dest_t* dests = nullptr;
    int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const cups_dest_t* chosen = nullptr;
    for (int i = 0; i < count; ++i)
        if (!dests[i].instance && (dests[i].is_default || !chosen))
            chosen = chosen && chosen->is_default ? chosen : &dests[i];
    CString name = chosen ? FromUtf8(chosen->name) : CString(FileDestination);
    cupsFreeDests(count, dests);
    return name;
}

bool CupsPrinters::AskOutputFile(std::string& path)
{
    CFileDialog dialog(FALSE, "pdf", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "PDF ファイル (*.pdf)|*.pdf||");
    dialog.m_ofn.lpstrTitle = "ファイルへ出力";
    if (dialog.DoModal() != IDOK || dialog.GetPathName().IsEmpty())
        return false;
    path = WinPathToLinux(dialog.GetPathName());
    return true;
}

int CupsPrinters::StartRawJob(const CString& printer, const CString& title)
{
    Job job;
    job.printer = printer;
    if (printer == FileDestination) {
        if (!AskOutputFile(job.file))
            return JobCancelled;
        job.temporary = job.file + ".XXXXXX";
        job.fd = mkstemp(job.temporary.data());
        if (job.fd < 0)
            return 0;
        int id = FirstFileJob + ++m_fileJobs;
        m_jobs[id] = job;
        return id;
    }
    int id = StartJob(printer, title, CUPS_FORMAT_RAW, 0, nullptr, job.http);
    if (id > 0)
        m_jobs[id] = job;
    return id;
}

bool CupsPrinters::WriteJob(int id, const void* data, size_t size)
{
    auto found = m_jobs.find(id);
    if (found == m_jobs.end())
        return false;
    Job& job = found->second;
    if (job.fd >= 0)
        return WriteAll(job.fd, static_cast<const char*>(data), size);
    return cupsWriteRequestData(job.http, static_cast<const char*>(data), size) == HTTP_STATUS_CONTINUE;
}

bool CupsPrinters::EndJob(int id)
{
    auto found = m_jobs.find(id);
    if (found == m_jobs.end())
        return false;
    Job& job = found->second;
    bool ended;
    if (job.fd >= 0) {
        ended = fsync(job.fd) == 0 && close(job.fd) == 0;
        job.fd = -1;
        ended = ended && std::rename(job.temporary.c_str(), job.file.c_str()) == 0;
    } else
        ended = cupsFinishDocument(job.http, Utf8(job.printer).c_str()) == IPP_STATUS_OK;
    Drop(id, ended);
    return ended;
}

void CupsPrinters::CancelJob(int id)
{
    auto found = m_jobs.find(id);
    if (found == m_jobs.end())
        return;
    if (found->second.http)
        cupsCancelJob2(found->second.http, Utf8(found->second.printer).c_str(), id, 0);
    Drop(id, false);
}

void CupsPrinters::Drop(int id, bool keepFile)
{
    Job& job = m_jobs.at(id);
    if (job.http)
        httpClose(job.http);
    if (job.fd >= 0)
        close(job.fd);
    if (!job.temporary.empty() && !keepFile)
        unlink(job.temporary.c_str());
    m_jobs.erase(id);
}

CDC* CupsPrinters::CreatePrinterDC(const CString& printer, const DEVMODE& mode)
{
    return new CPrinterDC(printer, mode);
}

bool CupsPrinters::SubmitPdf(const CString& printer, const std::string& pdf, const CString& title, int copies,
                             short paperSize, short orientation)
{
    int fd = open(pdf.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    cups_option_t* options = nullptr;
    int count = cupsAddOption("copies", std::to_string(copies < 1 ? 1 : copies).c_str(), 0, &options);
    count = cupsAddOption("media", MediaOf(paperSize), count, &options);
    count = cupsAddOption("orientation-requested", orientation == DMORIENT_LANDSCAPE ? "4" : "3", count, &options);
    http_t* http = nullptr;
    int id = StartJob(printer, title, CUPS_FORMAT_PDF, count, options, http);
    cupsFreeOptions(count, options);
    bool sent = id > 0;
    char buffer[32768];
    for (ssize_t got; sent && (got = read(fd, buffer, sizeof buffer)) != 0;)
        sent = got > 0 && cupsWriteRequestData(http, buffer, static_cast<size_t>(got)) == HTTP_STATUS_CONTINUE;
    close(fd);
    if (id > 0) {
        std::string name = Utf8(printer);
        if (!sent || cupsFinishDocument(http, name.c_str()) != IPP_STATUS_OK) {
            cupsCancelJob2(http, name.c_str(), id, 0);
            sent = false;
        }
        httpClose(http);
    }
    return sent;
}
