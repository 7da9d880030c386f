#include "tests/fdoutput/FdOutputTestSupport.h"

#include "fdoutput/ZnCheckListPrint.h"
#include "platform/files/WinStdio.h"
#include "platform/wnd/CDC.h"
#include "platform/wnd/CPrintDialog.h"

using testsupport::DataPath;
using testsupport::ReadFileBytes;
using testsupport::ScopedEnv;
using testsupport::TempFolder;

namespace {

// The layout as WriteLayout writes it through a text-mode stream.
std::string LayoutBytes(const CString& title, const std::vector<CString>& entries)
{
    TempFolder folder;
    std::string path = folder.Path("layout");
    FILE* file = WinFopen(CString(LinuxPathToWin(path)), "w");
    EXPECT_NE(nullptr, file);
    if (!file)
        return std::string();
    ZnCheckListPrint::WriteLayout(file, title, entries);
    fclose(file);
    return ReadFileBytes(path);
}

// A print whose library call keeps what it was given: the command, the printer, and the bytes of
// the two files at that moment. Temporary files may be made to fail from the n-th on.
class RecordingPrint : public ZnCheckListPrint {
public:
    int failFrom = 0; // 0: none fails
    int made = 0;
    std::vector<CString> commands;
    std::vector<bool> withDC;
    std::string data, layout;
    CString dataPath, layoutPath;

protected:
    FILE* CreateTempFile(CString& path) override
    {
        ++made;
        if (failFrom && made >= failFrom)
            return nullptr;
        FILE* file = ZnCheckListPrint::CreateTempFile(path);
        (made == 1 ? dataPath : layoutPath) = path;
        return file;
    }
    std::unique_ptr<CDC> CreatePrinterDC(CPrintDialog& dialog) override { return std::make_unique<CDC>(); }
    void PrintCommand(const CString& command, CDC* dc) override
    {
        commands.push_back(command);
        withDC.push_back(dc != nullptr);
        data = ReadFileBytes(WinPathToLinux(dataPath));
        layout = ReadFileBytes(WinPathToLinux(layoutPath));
    }
};

class CheckListPrint : public ::testing::Test {
protected:
    TempFolder m_temp;
    ScopedEnv m_tmpdir{"TMPDIR", m_temp.Path()};
    RecordingUi m_ui;
};

} // namespace

TEST(CheckListCellText, FullWidthCommaAndQuoteAndBlankForLineBreaksDoubleByteUntouched)
{
    EXPECT_EQ(CString("F1，”A”の床"), ZnCheckListPrint::CellText("F1,\"A\"の床"));
    EXPECT_EQ(CString("一 二 三"), ZnCheckListPrint::CellText("一\r二\n三"));
    // 申 (90 5C), ソ (83 5C) and 表 (95 5C) end in a backslash, 〜 of the IBM rows (FA 7C) in "|":
    // kept as they are.
    EXPECT_EQ(CString("申請ソ表\xFA\x7C"), ZnCheckListPrint::CellText("申請ソ表\xFA\x7C"));
    // A lead byte before a comma or quote starts no character: the comma still is one.
    EXPECT_EQ(CString("\x81，\x82”"), ZnCheckListPrint::CellText("\x81,\x82\""));
    EXPECT_EQ(CString(""), ZnCheckListPrint::CellText(""));
}

TEST(CheckListLayout, TwoFindingsOneWithCommaAndQuotesAsWorkedOutByHand)
{
    std::vector<CString> findings = {"第二面：設計者の氏名が未入力です。",
                                     "第五面：1番の建築物F1,\"A\"の１番目の用途別床面積が未入力です。"};
    EXPECT_EQ(ReadFileBytes(DataPath("fdoutput/CheckListTwoFindings.txt")),
              LayoutBytes("確認申請書_建築物_エラーリスト", findings));
}

TEST(CheckListLayout, FiftySevenFindingsOpenASecondPageOnRowThree)
{
    const CString title = "完了検査申請書_昇降機_エラーリスト";
    std::string expected = ReadFileBytes(DataPath("fdoutput/CheckList57Findings.txt"));
    EXPECT_EQ(expected, LayoutBytes(title, fdtest::NumberedFindings(57)));

    // 56 findings fill one page, rows 3 to 58, with one closing FORMFEED: the 57-finding layout
    // up to its second page head, then FORMFEED.
    std::string secondPage = "FORMFEED\r\nACTIVE_CELL 0,0\r\n";
    size_t cut = expected.find(secondPage);
    ASSERT_NE(std::string::npos, cut);
    EXPECT_EQ(expected.substr(0, cut) + "FORMFEED\r\n", LayoutBytes(title, fdtest::NumberedFindings(56)));
    EXPECT_NE(std::string::npos, expected.find("ACTIVE_CELL 58,2\r\n"));
    EXPECT_EQ(std::string::npos, expected.find("ACTIVE_CELL 59,2"));
}

TEST_F(CheckListPrint, PrintsOnTheChosenPrinterAndRemovesBothFiles)
{
    RecordingPrint print;
    m_ui.AnswerPrintDialog(CString("事務所のプリンタ"));
    print.Print("確認申請書_建築物_エラーリスト", {"第二面：設計者の氏名が未入力です。"});
    ASSERT_EQ(1u, m_ui.printRequests.size());
    EXPECT_FALSE(m_ui.printRequests[0]); // a print dialog, not print setup
    ASSERT_EQ(1u, print.commands.size());
    EXPECT_EQ(std::vector<bool>{true}, print.withDC);
    // -c"data" "layout" /s, both in the temporary folder, in the program's path form.
    CString folder(LinuxPathToWin(m_temp.Path()));
    EXPECT_EQ(folder, print.dataPath.Left(folder.GetLength()));
    EXPECT_EQ(folder, print.layoutPath.Left(folder.GetLength()));
    EXPECT_NE(print.dataPath, print.layoutPath);
    EXPECT_EQ("-c\"" + print.dataPath + "\" \"" + print.layoutPath + "\" /s", print.commands[0]);
    EXPECT_EQ("\r\n", print.data);
    EXPECT_NE(std::string::npos, print.layout.find("TEXT \"第二面：設計者の氏名が未入力です。\"\r\nFORMFEED\r\n"));
    EXPECT_TRUE(fdtest::FolderEntries(m_temp.Path()).empty());
    EXPECT_TRUE(m_ui.messageBoxes.empty());
}

TEST_F(CheckListPrint, NothingToPrintAndCancelWriteNothing)
{
    RecordingPrint print;
    print.Print("title", {});
    ASSERT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_EQ(CString("エラーはありません。"), m_ui.messageBoxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);
    EXPECT_TRUE(m_ui.printRequests.empty());

    m_ui.AnswerPrintDialog(std::nullopt);
    print.Print("title", {"finding"});
    EXPECT_EQ(1u, m_ui.printRequests.size());
    EXPECT_EQ(0, print.made);
    EXPECT_TRUE(print.commands.empty());
    EXPECT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_TRUE(fdtest::FolderEntries(m_temp.Path()).empty());
}

TEST_F(CheckListPrint, ATemporaryFileThatCannotBeMadeIsToldAndLeavesNothing)
{
    struct Case {
        int failFrom;
        const char* text;
    };
    for (Case c : {Case{1, "テンポラリファイルのオープンに失敗しました。"},
                   Case{2, "フォームデータファイルのオープンに失敗しました。"}}) {
        SCOPED_TRACE(c.failFrom);
        RecordingPrint print;
        print.failFrom = c.failFrom;
        m_ui.messageBoxes.clear();
        m_ui.AnswerPrintDialog(CString("PDF"));
        print.Print("title", {"finding"});
        ASSERT_EQ(1u, m_ui.messageBoxes.size());
        EXPECT_EQ(CString(c.text), m_ui.messageBoxes[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), m_ui.messageBoxes[0].type & MB_ICONMASK);
        EXPECT_TRUE(print.commands.empty());
        EXPECT_TRUE(fdtest::FolderEntries(m_temp.Path()).empty());
    }
}

TEST_F(CheckListPrint, ATemporaryFolderThatIsMissingOrAFileCannotBeWritten)
{
    testsupport::WriteFileBytes(m_temp.Path("file"), "x");
    for (const char* name : {"missing", "file"}) {
        SCOPED_TRACE(name);
        m_tmpdir.Set(m_temp.Path(name));
        ZnCheckListPrint print;
        m_ui.messageBoxes.clear();
        m_ui.AnswerPrintDialog(CString("PDF"));
        print.Print("title", {"finding"});
        ASSERT_EQ(1u, m_ui.messageBoxes.size());
        EXPECT_EQ(CString("テンポラリファイルのオープンに失敗しました。"), m_ui.messageBoxes[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), m_ui.messageBoxes[0].type & MB_ICONMASK);
    }
    EXPECT_EQ(std::vector<std::string>{"file"}, fdtest::FolderEntries(m_temp.Path()));
}
