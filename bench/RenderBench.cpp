// Times the renderer on its back ends: the drawables of one full check-result page (a title and
// 56 entries, in the CELL pages' mapping) drawn page after page onto the recording device
// context, into a PDF and into 300-dpi PNG pictures; and a polyline of 100,000 points inside the
// clip range beside the same polyline with one point outside (one Polyline call against clipped
// sides). Each measure runs several times, the two polylines in turn within each run, and the
// median is printed. Everything it writes goes into a folder of its own below the work folder and
// is deleted afterwards.
#include "bench/BenchFolder.h"
#include "platform/gdi/CCairoDC.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/MPrintFilesetCell.h"
#include "print/VhDrawComposition.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawPolyline.h"
#include "print/VhDrawString.h"
#include "tools/usage/ToolCall.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

double Seconds(const std::function<void()>& work)
{
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

VhDrawString* Text(double x, double y, double height, int alignment, const CString& text)
{
    VhDrawString* draw = new VhDrawString;
    VhFigureString& figure = draw->GetShape();
    figure.SetPosition(VhPoint(x, y));
    figure.SetText(text);
    figure.SetHeight(height);
    figure.SetShape(7);
    figure.SetAlignment(alignment);
    return draw;
}

// The check-result page in 0.1 mm from the paper's corner, y downwards: margins of 20 mm at
// the left and top, 59 rows of 4.36 mm, the title centred on the first row, an entry on each of
// rows 3 to 58.
void BuildCheckResultPage(VhDrawComposition& page)
{
    const double row = 43.6, left = 200, top = 200, height = row * 0.8;
    page.Add(Text(1050, top + row, height, 1, "確認申請書_建築物_エラーリスト"));
    for (int entry = 0; entry < 56; ++entry) {
        CString text;
        text.Format("第%d面 %d.建築物の高さ等：最高の高さが入力されていません。（項目 %d）", entry % 5 + 1, entry + 1,
                    entry * 7);
        page.Add(Text(left + 38, top + (entry + 3) * row, height, 0, text));
    }
}

// Seconds per page for pages drawn into dc; after each page, between is called.
double PerPage(CDC& dc, const VhDraw& page, int pages, const std::function<void()>& between = {})
{
    VhDrawImp imp(&dc);
    double seconds = Seconds([&] {
        dc.StartDoc("bench");
        for (int i = 0; i < pages; ++i) {
            dc.StartPage();
            MPrintFilesetCell::SetPageMapping(dc);
            page.Draw(&imp, nullptr);
            dc.EndPage();
            if (between)
                between();
        }
        dc.EndDoc();
    });
    return seconds / pages;
}

long FileSize(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 ? static_cast<long>(status.st_size) : -1;
}

VhDrawPolyline LongPolyline(bool oneOutside)
{
    VhDrawPolyline polyline;
    for (int i = 0; i < 100000; ++i)
        polyline.GetShape().AddPoint(VhPoint(i % 8000, (i * 37) % 8000));
    if (oneOutside)
        polyline.GetShape().AddPoint(VhPoint(9000, 0));
    else
        polyline.GetShape().AddPoint(VhPoint(8000, 0));
    return polyline;
}

const char kUsage[] = "usage: render_bench [WORK FOLDER] [RUNS] [PDF PAGES] [PNG PAGES]\n"
                      "Times the renderer on a check-result page, median of RUNS (5): onto the recording device\n"
                      "context, into a PDF of PDF PAGES (1000) and PNG PAGES (10) pictures, in a folder of its\n"
                      "own below WORK FOLDER (/dev/shm), removed at the end; and a long polyline, clipped or not.\n";

int Bench(const ToolCall& call)
{
    int runs = call.Number(1, 5);
    int pdfPages = call.Number(2, 1000);
    int pngPages = call.Number(3, 10);
    BenchFolder work(call.Text(0, "/dev/shm"), "render_bench");
    std::string folder = work.Path().string();
    const DcDevice a4 = AfxPaperDevice(TRUE, 600, 210, 297, POINT{100, 120});
    VhDrawComposition page;
    BuildCheckResultPage(page);
    std::vector<double> recording, pdf, png, oneCall, clipped;
    long pdfSize = 0;
    for (int run = 0; run < runs; ++run) {
        CRecordingDC recorder(a4);
        recording.push_back(PerPage(recorder, page, 1000, [&] { recorder.ClearRecords(); }));
        std::string pdfPath = folder + "/render_bench.pdf";
        {
            CCairoDC dc(AfxPaperDevice(TRUE, 600, 210, 297), CCairoDC::Pdf, pdfPath);
            pdf.push_back(PerPage(dc, page, pdfPages));
        }
        pdfSize = FileSize(pdfPath);
        unlink(pdfPath.c_str());
        {
            CCairoDC dc(AfxPaperDevice(TRUE, 300, 210, 297), CCairoDC::Png, folder + "/render_bench-");
            png.push_back(PerPage(dc, page, pngPages));
            for (const std::string& picture : dc.GetPictures())
                unlink(picture.c_str());
        }
        for (bool outside : {false, true}) {
            VhDrawPolyline polyline = LongPolyline(outside);
            CRecordingDC dc(a4);
            VhDrawImp imp(&dc);
            (outside ? clipped : oneCall).push_back(Seconds([&] { polyline.Draw(&imp, nullptr); }));
        }
    }
    std::printf("check-result page, median of %d runs:\n", runs);
    std::printf("  recording  %8.3f ms per page (1000 pages)\n", Median(recording) * 1e3);
    std::printf("  PDF        %8.3f ms per page (%d pages, %ld bytes, %.0f bytes per page)\n", Median(pdf) * 1e3,
                pdfPages, pdfSize, static_cast<double>(pdfSize) / pdfPages);
    std::printf("  PNG 300dpi %8.3f ms per page (%d pages)\n", Median(png) * 1e3, pngPages);
    std::printf("polyline of 100,001 points on the recording device context:\n");
    std::printf("  one call   %8.3f ms\n  clipped    %8.3f ms\n  ratio      %8.1f\n", Median(oneCall) * 1e3,
                Median(clipped) * 1e3, Median(clipped) / Median(oneCall));
    return 0;
}

} // namespace

int main(int argc, char** argv) { return ToolCall::Run(argc, argv, kUsage, 4, Bench); }
