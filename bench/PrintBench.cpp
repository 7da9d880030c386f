// Times CELL layouts of the check-result list printed through the print library: 5,600 entries
// (100 pages) and 56,000 entries (1,000 pages), each onto the recording device context (its
// records dropped at each page's end, so that only the library's memory counts) and into a PDF.
// Every print runs in a process of its own, so that its peak memory (ru_maxrss) is its own; the
// four cases run in turn within each run, and the medians of time per page and of peak memory
// are printed. Everything it writes goes into a folder of its own below the work folder and is
// deleted afterwards.
#include "bench/BenchChild.h"
#include "bench/BenchFolder.h"
#include "platform/gdi/CCairoDC.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/MPrintFilesetCell.h"
#include "tools/usage/ToolCall.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A recording device context that forgets each page once it is complete.
class PageRecordingDC : public CRecordingDC {
public:
    PageRecordingDC() : CRecordingDC(AfxPaperDevice(TRUE, 600, 210, 297)) {}

protected:
    int OnEndPage() override
    {
        int result = CRecordingDC::OnEndPage();
        ClearRecords();
        return result;
    }
};

// The check-result list's layout of that many entries, 56 to a page.
void WriteLayout(const std::string& path, int entries)
{
    std::ofstream out(path);
    out << "AREA 20,20,15,15\nVCS 0,0,90,59\nROW_NUM 59\nCOLUMN_NUM 90\n";
    for (int i = 0; i < entries; ++i) {
        if (i % 56 == 0)
            out << (i ? "FORMFEED\n" : "") << "ACTIVE_CELL 0,0\nTEXT_SIZE 0.8,0.8\nTEXT_ALIGN Center,Left\n"
                << "TEXT \"確認申請書_建築物_エラーリスト\"\n";
        out << "ACTIVE_CELL " << i % 56 + 2 + 1 << ",2\nTEXT \"第" << i % 5 + 1 << "面：項目" << i
            << "が未入力です。\"\n";
    }
    out << "FORMFEED\n";
}

// Prints the layout in a child process: its seconds and peak memory in kB.
ChildRun PrintInChild(const std::string& layout, const std::string& pdf)
{
    ChildRun run = RunInChild([&] {
        std::unique_ptr<CDC> dc;
        if (pdf.empty())
            dc = std::make_unique<PageRecordingDC>();
        else
            dc = std::make_unique<CCairoDC>(AfxPaperDevice(TRUE, 600, 210, 297), CCairoDC::Pdf, pdf);
        MPrintFilesetCell cell(("C:" + layout).c_str(), ("C:" + layout + ".kpd").c_str());
        cell.SetPrintToDevice(1);
        bool printed = cell.Begin(dc.get(), 0) && cell.Print();
        cell.Finish();
        return printed;
    });
    if (!run.succeeded)
        std::fprintf(stderr, "the print of %s failed\n", layout.c_str());
    return run;
}

template <class T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const char kUsage[] = "usage: print_bench [WORK FOLDER] [RUNS]\n"
                      "Times CELL layouts of 100 and 1,000 pages printed onto the recording device context and\n"
                      "into PDF files, median of RUNS (5), in a folder of its own below WORK FOLDER (/dev/shm),\n"
                      "removed at the end.\n";

int Bench(const ToolCall& call)
{
    int runs = call.Number(1, 5);
    BenchFolder work(call.Text(0, "/dev/shm"), "print_bench");
    std::string folder = work.Path().string();
    struct Case {
        const char* name;
        int pages;
        bool pdf;
        std::vector<double> msPerPage;
        std::vector<long> peakKb;
    } cases[] = {{"recording, 100 pages", 100, false, {}, {}},
                 {"recording, 1000 pages", 1000, false, {}, {}},
                 {"PDF, 100 pages", 100, true, {}, {}},
                 {"PDF, 1000 pages", 1000, true, {}, {}}};
    std::string small = folder + "/print-bench-100.lay", large = folder + "/print-bench-1000.lay";
    std::string pdf = folder + "/print-bench.pdf";
    WriteLayout(small, 5600);
    WriteLayout(large, 56000);
    bool failed = false;
    for (int run = 0; run < runs; ++run)
        for (Case& c : cases) {
            ChildRun printed = PrintInChild(c.pages == 100 ? small : large, c.pdf ? pdf : std::string());
            failed = failed || !printed.succeeded;
            c.msPerPage.push_back(printed.seconds * 1000 / c.pages);
            c.peakKb.push_back(printed.peakKilobytes);
            unlink(pdf.c_str());
        }
    for (const Case& c : cases)
        std::printf("%-24s %8.3f ms/page  peak %6ld kB  (median of %d)\n", c.name, Median(c.msPerPage),
                    Median(c.peakKb), runs);
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) { return ToolCall::Run(argc, argv, kUsage, 2, Bench); }
