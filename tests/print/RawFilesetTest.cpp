// Raw printer data sent through the spooler's calls to a stand-in spooler, and the print
// command's run over its file sets.
#include "print/MDirectPrint.h"
#include "print/MPrintFilesetBinary.h"
#include "print/MPrintFilesetFactory.h"
#include "tests/print/PrintRunSupport.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

using printtest::RecordingDC;

namespace {

const char RetryQuestion[] = "暫く待ってから「再試行」して下さい。\n「キャンセル」をクリックすると印刷を中断します。";

// A spooler with the printers "P1" (the default) and "P2" that records each call; it refuses
// documents while refusals lasts, and fails the write numbered failWrite (from 1).
class RecordingSpooler : public PrinterBackend {
public:
    RecordingSpooler() { m_previous = InstallPrinterBackend(this); }
    ~RecordingSpooler() override { InstallPrinterBackend(m_previous); }

    CString DefaultPrinter() override { return defaultPrinter; }
    std::vector<PrinterInfo> Printers() override
    {
        PrinterInfo p1, p2;
        p1.name = "P1";
        p2.name = "P2";
        return {p1, p2};
    }
    int StartRawJob(const CString& printer, const CString& title) override
    {
        calls.push_back("start " + std::string(printer) + " " + std::string(title));
        if (cancel)
            return JobCancelled;
        if (refusals > 0) {
            --refusals;
            return 0;
        }
        return 7;
    }
    bool WriteJob(int job, const void* data, size_t size) override
    {
        calls.push_back("write " + std::to_string(job) + " " + std::to_string(size));
        bytes.append(static_cast<const char*>(data), size);
        return ++writes != failWrite;
    }
    bool EndJob(int job) override
    {
        calls.push_back("end " + std::to_string(job));
        return true;
    }
    void CancelJob(int job) override { calls.push_back("cancel " + std::to_string(job)); }

    CString defaultPrinter = "P1";
    int refusals = 0;
    bool cancel = false;
    int failWrite = 0;
    int writes = 0;
    std::vector<std::string> calls;
    std::string bytes;

private:
    PrinterBackend* m_previous;
};

class RawFilesetTest : public ::testing::Test {
protected:
    RawFilesetTest()
    {
        for (int i = 0; i < 70000; ++i)
            data += static_cast<char>(i * 7 % 251);
        file = printtest::WinPath(printtest::WriteFile(temp, "raw.prn", data));
    }

    // Begin, Print and Finish: the results of Begin and Print.
    std::pair<int, int> Run()
    {
        MPrintFilesetBinary fileset(file);
        int begun = fileset.Begin(&dc, 0);
        int printed = begun ? fileset.Print() : 0;
        fileset.Finish();
        return {begun, printed};
    }

    testsupport::TempFolder temp;
    std::string data;
    CString file;
    RecordingDC dc;
    RecordingSpooler spooler;
    ScriptedUi ui;
};

TEST_F(RawFilesetTest, FileGoesInBlocksToTheDefaultPrinter)
{
    EXPECT_EQ(std::make_pair(1, 1), Run());
    EXPECT_EQ((std::vector<std::string>{"start P1 " + std::string(file), "write 7 32000", "write 7 32000", "write 7 6000",
                                        "end 7"}),
              spooler.calls);
    EXPECT_EQ(data, spooler.bytes);
    EXPECT_TRUE(dc.events.empty());
}

TEST_F(RawFilesetTest, MissingDefaultPrinterShowsOpenPrinterError)
{
    for (const char* name : {"P9", ""}) {
        spooler.defaultPrinter = name;
        ui.AnswerMessageBox(IDOK);
        EXPECT_EQ(std::make_pair(0, 0), Run());
        ASSERT_EQ(1u, ui.messageBoxes.size());
        EXPECT_EQ(CString("OpenPrinter Error"), ui.messageBoxes[0].text);
        EXPECT_EQ((UINT)MB_OK, ui.messageBoxes[0].type & 0xF);
        ui.messageBoxes.clear();
    }
    EXPECT_TRUE(spooler.calls.empty());
}

TEST_F(RawFilesetTest, RefusedDocumentAsksAtOnce)
{
    spooler.refusals = 2;
    ui.AnswerMessageBox(IDRETRY);
    ui.AnswerMessageBox(IDRETRY);
    EXPECT_EQ(std::make_pair(1, 1), Run());
    ASSERT_EQ(2u, ui.messageBoxes.size());
    EXPECT_EQ(CString(RetryQuestion), ui.messageBoxes[0].text);
    EXPECT_EQ((UINT)(MB_RETRYCANCEL | MB_ICONQUESTION), ui.messageBoxes[0].type & 0xFF);
    EXPECT_EQ(3, std::count(spooler.calls.begin(), spooler.calls.end(), "start P1 " + std::string(file)));
    EXPECT_EQ(data, spooler.bytes);
}

TEST_F(RawFilesetTest, CancelPrintsNothing)
{
    spooler.refusals = 5;
    ui.AnswerMessageBox(IDRETRY);
    ui.AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(std::make_pair(0, 0), Run());
    EXPECT_EQ(2u, spooler.calls.size());
    EXPECT_TRUE(spooler.bytes.empty());
}

TEST_F(RawFilesetTest, JobGivenUpByTheUserAsksNothing)
{
    spooler.cancel = true;
    EXPECT_EQ(std::make_pair(0, 0), Run());
    EXPECT_EQ(1u, spooler.calls.size());
    EXPECT_TRUE(ui.messageBoxes.empty());
}

TEST_F(RawFilesetTest, FailedWriteCancelsTheJob)
{
    spooler.failWrite = 2;
    EXPECT_EQ(std::make_pair(1, 0), Run());
    EXPECT_EQ((std::vector<std::string>{"start P1 " + std::string(file), "write 7 32000", "write 7 32000", "cancel 7"}),
              spooler.calls);
}

TEST_F(RawFilesetTest, PrintAllRunsTheFilesetsInOrderUnderTheWaitCursor)
{
    std::string text = printtest::WriteFile(temp, "t.txt", "line\n");
    MPrintFilesetFactory factory;
    MDirectPrint print(&factory, &dc);
    ASSERT_EQ(1, print.ParseCommand("-t \"" + printtest::WinPath(text) + "\" -b \"" + file + "\" -t \"" +
                                    printtest::WinPath(text) + "\""));
    print.PrintAll();
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), ui.waitCursor);
    std::string textName(printtest::WinPath(text));
    EXPECT_EQ((std::vector<std::string>{"StartDoc " + textName, "StartPage", "TextOut(0,0,\"line\",4)", "EndPage", "EndDoc",
                                        "StartDoc " + textName, "StartPage", "TextOut(0,0,\"line\",4)", "EndPage",
                                        "EndDoc"}),
              dc.events);
    EXPECT_EQ(5u, spooler.calls.size());
}

TEST_F(RawFilesetTest, FailedBeginIsNotPrinted)
{
    dc.FailNextStartDoc();
    std::string text = printtest::WriteFile(temp, "t.txt", "line\n");
    MPrintFilesetFactory factory;
    MDirectPrint print(&factory, &dc);
    ASSERT_EQ(1, print.ParseCommand("\"" + printtest::WinPath(text) + "\" \"" + printtest::WinPath(temp.Path("x")) + "\""));
    print.PrintAll();
    EXPECT_TRUE(dc.events.empty());
}

} // namespace
