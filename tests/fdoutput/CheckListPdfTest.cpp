// The printed check-result list on the printers' file destination, chosen in the print dialog
// while a queue of the test's own scheduler is the default printer: the PDF that the user names,
// read back with poppler's pdftotext, and nothing on the default queue.
#include "tests/fdoutput/FdOutputTestSupport.h"
#include "tests/gdi/PrivateCups.h"
#include "tests/support/CommandOutput.h"

#include "fdoutput/ZnCheckListPrint.h"
#include "platform/gdi/CupsPrinters.h"

using testsupport::ScopedEnv;
using testsupport::TempFolder;

namespace {

class CheckListPdf : public ::testing::Test {
protected:
    CheckListPdf() : m_cups(testsupport::PrivateCups::Start()), m_previous(InstallPrinterBackend(&m_printers))
    {
        m_defaultJobs = m_cups.Jobs("zn-first").size();
    }
    ~CheckListPdf() override { InstallPrinterBackend(m_previous); }

    // Prints the findings into a PDF file chosen for the file destination; its text, page by page
    // (pdftotext ends each page with a form feed).
    std::vector<std::string> PrintedPages(const std::vector<CString>& findings, const std::string& name)
    {
        std::string pdf = m_folder.Path(name);
        m_ui.AnswerPrintDialog(CString(CupsPrinters::FileDestination));
        m_ui.AnswerFileDialog(CString(LinuxPathToWin(pdf)));
        ZnCheckListPrint print;
        print.Print("確認申請書_建築物_エラーリスト", findings);
        std::string text = testsupport::CommandOutput("pdftotext -layout -enc UTF-8 '" + pdf + "' -");
        std::vector<std::string> pages;
        for (size_t start = 0, end; (end = text.find('\f', start)) != std::string::npos; start = end + 1)
            pages.push_back(text.substr(start, end - start));
        return pages;
    }

    testsupport::PrivateCups& m_cups;
    size_t m_defaultJobs = 0;
    TempFolder m_folder, m_temp;
    ScopedEnv m_tmpdir{"TMPDIR", m_temp.Path()};
    CupsPrinters m_printers;
    ScriptedUi m_ui;

private:
    PrinterBackend* m_previous;
};

std::string Finding(int n) { return u8"第三面：項目" + std::to_string(n) + u8"が未入力です。"; }

bool Holds(const std::string& page, const std::string& text) { return page.find(text) != std::string::npos; }

} // namespace

TEST_F(CheckListPdf, TheTitleAndEveryFindingOnOnePageFor56AndTwoFor57)
{
    std::vector<std::string> pages = PrintedPages(fdtest::NumberedFindings(56), "56.pdf");
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(Holds(pages[0], u8"確認申請書_建築物_エラーリスト"));
    for (int n = 1; n <= 56; ++n)
        EXPECT_TRUE(Holds(pages[0], Finding(n))) << n;

    pages = PrintedPages(fdtest::NumberedFindings(57), "57.pdf");
    ASSERT_EQ(2u, pages.size());
    EXPECT_TRUE(Holds(pages[0], Finding(56)));
    EXPECT_FALSE(Holds(pages[0], Finding(57)));
    EXPECT_TRUE(Holds(pages[1], u8"確認申請書_建築物_エラーリスト"));
    EXPECT_TRUE(Holds(pages[1], Finding(57)));
    EXPECT_EQ(2u, m_ui.fileRequests.size());
    EXPECT_EQ(CString("zn-first"), m_printers.DefaultPrinter());
    EXPECT_EQ(m_defaultJobs, m_cups.Jobs("zn-first").size());
    EXPECT_TRUE(fdtest::FolderEntries(m_temp.Path()).empty());
}

TEST_F(CheckListPdf, AFindingWithCommaAndQuotesPrintsWhole)
{
    std::vector<std::string> pages =
        PrintedPages({"第五面：1番の建築物F1,\"A\"の１番目の用途別床面積が未入力です。"}, "quotes.pdf");
    ASSERT_EQ(1u, pages.size());
    EXPECT_TRUE(Holds(pages[0], u8"第五面：1番の建築物F1，”A”の１番目の用途別床面積が未入力です。")) << pages[0];
}
