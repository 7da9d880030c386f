// A CELL layout printed on the recording device context and into a PDF by the cairo device context.
//
// The input is the layout, written as "F:\cell.lay" (drive F: is a folder of this process), and is
// also its own data file and the bitmap that IMPORT_IMAGE may name by that path: the data file's
// lines of a quoted key and value begin with a quote, which the layout skips as an unknown keyword,
// and a bitmap's header is a first line that it skips too. Both prints must succeed; on the
// recording device context the document must start and end once, every page must start and end in
// a pair with every drawing call inside one, and the PDF must hold as many pages (a PDF holds one
// at least).
#include "platform/files/WinDrive.h"
#include "platform/gdi/CCairoDC.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/MPrintFilesetCell.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char kLayout[] = "F:\\cell.lay";

std::string g_folder; // the folder of this process's layout and PDF

// An A4 printer at 600 dpi, as the printers' device contexts are.
DcDevice Printer() { return AfxPaperDevice(TRUE, 600, 210, 297); }

int Print(CDC& dc)
{
    MPrintFilesetCell cell(kLayout, kLayout);
    cell.SetPrintToDevice(1);
    fuzzcheck::Require(cell.Begin(&dc, 0) == 1, "the layout opens and its document starts");
    int printed = cell.Print();
    cell.Finish();
    return printed;
}

// The pages of a recorded document, each started and ended in a pair: what lies between
// StartDoc and EndDoc is drawing calls inside pages, and paper changes outside them.
int RecordedPages(const CRecordingDC& dc)
{
    const std::vector<DcRecord>& records = dc.GetRecords();
    fuzzcheck::Require(records.size() >= 2 && records.front().call.rfind("StartDoc ", 0) == 0 &&
                           records.back().call == "EndDoc",
                       "the document starts first and ends last");
    int pages = 0;
    bool inPage = false;
    for (size_t i = 1; i + 1 < records.size(); ++i) {
        const std::string& call = records[i].call;
        if (call == "StartPage" || call == "EndPage") {
            fuzzcheck::Require(inPage == (call == "EndPage"), "pages start and end in pairs");
            inPage = !inPage;
            pages += inPage;
        } else if (call.rfind("ResetDC ", 0) == 0) {
            fuzzcheck::Require(!inPage, "the paper changes between pages");
        } else {
            fuzzcheck::Require(inPage && !records[i].device.empty(), "drawing calls lie inside pages");
        }
    }
    fuzzcheck::Require(!inPage, "the last page ends");
    return pages;
}

// The number of page objects ("/Type /Page", not "/Pages") of a PDF.
int PdfPages(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string pdf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int count = 0;
    for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        count += pdf.compare(at, 12, "/Type /Pages") != 0;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = fuzzcheck::MakeScratchFolder("cell");
    SetDriveFolder('F', g_folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::ofstream(g_folder + "/cell.lay", std::ios::binary | std::ios::trunc) << fuzzcheck::Bytes(data, size);

    CRecordingDC recording(Printer());
    fuzzcheck::Require(Print(recording) == 1, "the layout prints on the recording device context");
    int pages = RecordedPages(recording);

    std::string pdf = g_folder + "/cell.pdf";
    CCairoDC cairo(Printer(), CCairoDC::Pdf, pdf);
    fuzzcheck::Require(Print(cairo) == 1, "the layout prints into a PDF");
    // cairo makes a document without pages a PDF of one blank page.
    fuzzcheck::Require(PdfPages(pdf) == std::max(pages, 1), "the PDF holds the recorded pages");
    return 0;
}
