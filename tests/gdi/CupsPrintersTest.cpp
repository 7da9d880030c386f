// The printers over CUPS, against a private scheduler of the test process (PrivateCups): the
// printer list and the application's printer, PDF jobs from printer device contexts, raw jobs,
// a queue that refuses jobs, no server at all, and the file destination.
#include "platform/gdi/CPrinterDC.h"
#include "platform/gdi/CupsPrinters.h"
#include "platform/wnd/CPrintDialog.h"
#include "platform/wnd/CWinApp.h"
#include "print/MPrintFilesetBinary.h"
#include "print/MPrintFilesetCell.h"
#include "tests/gdi/PrivateCups.h"
#include "tests/print/PrintRunSupport.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using testsupport::PrivateCups;
using testsupport::TempFolder;

namespace {

const char RetryQuestion[] = "暫く待ってから「再試行」して下さい。\n「キャンセル」をクリックすると印刷を中断します。";

// The CUPS printers installed for the test, with an application whose printer they give.
class CupsPrintersTest : public ::testing::Test {
protected:
    CupsPrintersTest() : m_previous(InstallPrinterBackend(&printers)) {}
    ~CupsPrintersTest() override { InstallPrinterBackend(m_previous); }

    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const PrinterInfo& printer : printers.Printers())
            names.push_back(std::string(printer.name) + " " + std::string(printer.port).substr(0, 7));
        return names;
    }

    // A CELL layout of two pages.
    std::string Layout()
    {
        return printtest::WriteFile(temp, "list.lay", "TEXT \"一頁目\"\nFORMFEED\nTEXT \"二頁目\"\n");
    }

    // Prints the layout on the device context: Begin's result.
    int PrintLayout(CDC& dc, const std::string& layout)
    {
        MPrintFilesetCell cell(printtest::WinPath(layout), printtest::WinPath(temp.Path("none.kpd")));
        cell.SetPrintToDevice(1);
        int begun = cell.Begin(&dc, 0);
        if (begun)
            cell.Print();
        cell.Finish();
        return begun;
    }

    std::string RawFile(size_t size)
    {
        std::string data;
        for (size_t i = 0; i < size; ++i)
            data += static_cast<char>(i * 13 % 256);
        rawData = data;
        return printtest::WriteFile(temp, "raw.prn", data);
    }

    CupsPrinters printers;
    CWinApp app;
    TempFolder temp;
    ScriptedUi ui;
    std::string rawData;

private:
    PrinterBackend* m_previous;
};

TEST_F(CupsPrintersTest, QueuesThenTheFileDestination)
{
    PrivateCups::Start();
    EXPECT_EQ((std::vector<std::string>{"zn-closed zntest:", "zn-first zntest:", "zn-second zntest:",
                                        "PDFファイルへ出力 FILE:"}),
              Names());
    EXPECT_EQ(CString("zn-first"), printers.DefaultPrinter());
    PrinterInfo closed;
    ASSERT_TRUE(FindPrinter("zn-closed", closed));
    EXPECT_FALSE(closed.accepting);
    EXPECT_EQ(CString("Queue zn-closed"), closed.description);

    PRINTDLG settings{};
    ASSERT_TRUE(app.GetPrinterDeviceDefaults(&settings));
    EXPECT_EQ(CString("zn-first"), AfxDevNamesDevice(settings.hDevNames));
    auto* mode = static_cast<DEVMODE*>(GlobalLock(settings.hDevMode));
    EXPECT_EQ(DMPAPER_A4, mode->dmPaperSize);
    EXPECT_EQ(DMORIENT_PORTRAIT, mode->dmOrientation);
    EXPECT_EQ(1, mode->dmCopies);
    GlobalUnlock(settings.hDevMode);
    GlobalFree(settings.hDevMode);
    GlobalFree(settings.hDevNames);
}

TEST_F(CupsPrintersTest, LayoutsArriveAsPdfJobs)
{
    PrivateCups& cups = PrivateCups::Start();
    size_t before = cups.Jobs("zn-first").size();
    std::string layout = Layout();
    std::unique_ptr<CDC> dc(app.CreatePrinterDC());
    ASSERT_NE(nullptr, dc);
    EXPECT_EQ(1, PrintLayout(*dc, layout));
    ASSERT_TRUE(cups.WaitForJobs("zn-first", before + 1));
    int job = cups.Jobs("zn-first").back();
    std::string info = cups.JobInfo("zn-first", job);
    EXPECT_NE(std::string::npos, info.find("title=" + printtest::Utf8(printtest::WinPath(layout)) + "\n")) << info;
    EXPECT_NE(std::string::npos, info.find("copies=1\n")) << info;
    EXPECT_NE(std::string::npos, info.find("content-type=application/pdf\n")) << info;
    EXPECT_NE(std::string::npos, info.find("media=iso_a4_210x297mm")) << info;
    std::string pdf = cups.JobData("zn-first", job);
    EXPECT_EQ(0u, pdf.find("%PDF-"));
    EXPECT_EQ(2, printtest::PdfPageCount(pdf));

    ui.AnswerPrintDialog(CString("zn-second"), 2);
    CPrintDialog dialog(FALSE);
    ASSERT_EQ(IDOK, dialog.DoModal());
    std::unique_ptr<CDC> chosen(dialog.CreatePrinterDC());
    ASSERT_NE(nullptr, chosen);
    EXPECT_EQ(1, PrintLayout(*chosen, layout));
    ASSERT_TRUE(cups.WaitForJobs("zn-second", 1));
    info = cups.JobInfo("zn-second", cups.Jobs("zn-second").at(0));
    EXPECT_NE(std::string::npos, info.find("copies=2\n")) << info;
    EXPECT_EQ(before + 1, cups.Jobs("zn-first").size());
}

TEST_F(CupsPrintersTest, RawFilesArriveByteForByte)
{
    PrivateCups& cups = PrivateCups::Start();
    size_t before = cups.Jobs("zn-first").size();
    MPrintFilesetBinary raw(printtest::WinPath(RawFile(70000)));
    CPrinterDC dc("zn-first", DEVMODE{});
    ASSERT_EQ(1, raw.Begin(&dc, 0));
    EXPECT_EQ(1, raw.Print());
    raw.Finish();
    ASSERT_TRUE(cups.WaitForJobs("zn-first", before + 1));
    int job = cups.Jobs("zn-first").back();
    EXPECT_TRUE(rawData == cups.JobData("zn-first", job));
    EXPECT_NE(std::string::npos, cups.JobInfo("zn-first", job).find("content-type=application/vnd.cups-raw\n"));
}

TEST_F(CupsPrintersTest, ClosedQueueRefuses)
{
    PrivateCups& cups = PrivateCups::Start();
    CPrinterDC dc("zn-closed", DEVMODE{});
    EXPECT_EQ(SP_ERROR, dc.StartDoc("doc"));
    EXPECT_EQ(0, PrintLayout(dc, Layout()));
    CPrinterDC missing("zn-none", DEVMODE{});
    EXPECT_EQ(SP_ERROR, missing.StartDoc("doc"));

    // The raw kind on a closed default printer asks; Cancel prints nothing.
    setenv("LPDEST", "zn-closed", 1);
    ui.AnswerMessageBox(IDRETRY);
    ui.AnswerMessageBox(IDCANCEL);
    MPrintFilesetBinary raw(printtest::WinPath(RawFile(100)));
    CPrinterDC any("zn-first", DEVMODE{});
    EXPECT_EQ(0, raw.Begin(&any, 0));
    raw.Finish();
    unsetenv("LPDEST");
    ASSERT_EQ(2u, ui.messageBoxes.size());
    EXPECT_EQ(CString(RetryQuestion), ui.messageBoxes[0].text);
    EXPECT_TRUE(cups.Jobs("zn-closed").empty());
}

TEST_F(CupsPrintersTest, WithoutAServerOnlyTheFileDestination)
{
    PrivateCups::UseNoServer();
    EXPECT_EQ((std::vector<std::string>{"PDFファイルへ出力 FILE:"}), Names());
    EXPECT_EQ(CString("PDFファイルへ出力"), printers.DefaultPrinter());
    PRINTDLG settings{};
    ASSERT_TRUE(app.GetPrinterDeviceDefaults(&settings));
    EXPECT_EQ(CString("PDFファイルへ出力"), AfxDevNamesDevice(settings.hDevNames));
    GlobalFree(settings.hDevMode);
    GlobalFree(settings.hDevNames);
}

TEST_F(CupsPrintersTest, FileDestinationWritesTheChosenFile)
{
    PrivateCups::UseNoServer();
    std::string target = temp.Path("out.pdf");
    std::unique_ptr<CDC> dc(app.CreatePrinterDC());
    ASSERT_NE(nullptr, dc);
    ui.AnswerFileDialog(printtest::WinPath(target));
    EXPECT_EQ(1, PrintLayout(*dc, Layout()));
    ASSERT_EQ(1u, ui.fileRequests.size());
    EXPECT_FALSE(ui.fileRequests[0].open);
    std::string pdf = printtest::ReadFile(target);
    EXPECT_EQ(0u, pdf.find("%PDF-"));
    EXPECT_EQ(2, printtest::PdfPageCount(pdf));

    // Cancelled: no document, no file.
    std::string other = temp.Path("other.pdf");
    ui.AnswerFileDialog(std::nullopt);
    EXPECT_EQ(SP_ERROR, dc->StartDoc("doc"));
    EXPECT_TRUE(printtest::ReadFile(other).empty());

    // A document without pages writes nothing.
    ui.AnswerFileDialog(printtest::WinPath(other));
    EXPECT_GT(dc->StartDoc("doc"), 0);
    EXPECT_GT(dc->EndDoc(), 0);
    EXPECT_NE(0, access(other.c_str(), F_OK));

    // The raw kind writes its bytes there unchanged.
    ui.AnswerFileDialog(printtest::WinPath(other));
    MPrintFilesetBinary raw(printtest::WinPath(RawFile(70000)));
    ASSERT_EQ(1, raw.Begin(dc.get(), 0));
    EXPECT_EQ(1, raw.Print());
    raw.Finish();
    EXPECT_TRUE(rawData == printtest::ReadFile(other));
}

} // namespace
