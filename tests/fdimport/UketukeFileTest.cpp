// The information file of an accepted floppy: its field reader, its opening checks with their
// messages, and the records that its header counts.
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "fdimport/ZnFloppyLine.h"
#include "fdimport/ZnUketukeFile.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kNotAccepted[] = "受理済FDではありません。FDをチェックしてください。";
const char kAccessFailed[] = "フロッピーのアクセスに失敗しました。FDをチェックしてください。";
const char kBadHeader[] = "情報ファイル（uke001.000)のデータ(#000)が不正です。";

// The Windows path of a fixture floppy.
CString Floppy(const std::string& name) { return LinuxPathToWin(testsupport::DataPath("fdimport/" + name)).c_str(); }

// The tags, dates and numbers of the records read, one text each.
std::vector<CString> Records(const ZnUketukeFile& file)
{
    std::vector<CString> records;
    for (const ZnUketukeFile::Record& record : file.m_records)
        records.push_back(record.tag + "|" + record.date + "|" + record.number);
    return records;
}

class UketukeFile : public ::testing::Test {
protected:
    // Reads a floppy, expecting the one message text (or none) with the error icon.
    BOOL ReadExpecting(const CString& root, const char* message, const EntrySearch& search = SearchForEntries)
    {
        if (message)
            m_ui.AnswerMessageBox(IDOK);
        BOOL read = m_file.Read(root, search);
        if (message) {
            EXPECT_EQ(1u, m_ui.messageBoxes.size());
            if (!m_ui.messageBoxes.empty()) {
                EXPECT_EQ(message, m_ui.messageBoxes.back().text);
                EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), m_ui.messageBoxes.back().type);
            }
        } else {
            EXPECT_TRUE(m_ui.messageBoxes.empty());
        }
        return read;
    }

    ScriptedUi m_ui;
    ZnUketukeFile m_file;
};

} // namespace

TEST(FloppyLine, TakesTheBareTagAndTheQuotedFieldsWithoutTrimming)
{
    const CString line = "#110,\" a \",\"\",x,\"170401\",\"U-1\"";
    EXPECT_EQ("#110", ZnFloppyLine::GetField(0, line));
    EXPECT_EQ(" a ", ZnFloppyLine::GetField(1, line));
    EXPECT_EQ("", ZnFloppyLine::GetField(2, line));
    EXPECT_EQ("", ZnFloppyLine::GetField(3, line)); // one byte between the commas
    EXPECT_EQ("170401", ZnFloppyLine::GetField(4, line));
    EXPECT_EQ("U-1", ZnFloppyLine::GetField(5, line));
    // Fields that the line does not have are empty, never a repeat of the last one.
    EXPECT_EQ("", ZnFloppyLine::GetField(6, line));
    EXPECT_EQ("", ZnFloppyLine::GetField(-1, line));
    EXPECT_EQ("", ZnFloppyLine::GetField(2, "#000,\"a\","));
    EXPECT_EQ("", ZnFloppyLine::GetField(1, "#000,,\"b\""));
    // Field 0 of a line without a comma is empty; a quoted tag keeps its quotes.
    EXPECT_EQ("", ZnFloppyLine::GetField(0, "#000"));
    EXPECT_EQ("\"#000\"", ZnFloppyLine::GetField(0, "\"#000\",\"a\""));
    // The first and last bytes go untested.
    EXPECT_EQ("bc", ZnFloppyLine::GetField(1, "#1,abcd"));
}

TEST_F(UketukeFile, ReadsTheHeaderAndTheCountedRecordsOfABuildingConfirmation)
{
    ASSERT_TRUE(ReadExpecting(Floppy("building_confirmation"), nullptr));
    EXPECT_EQ("南町の家", m_file.m_strName);
    EXPECT_EQ("100001", m_file.m_strCodeText);
    EXPECT_EQ(100001, m_file.m_nCode);
    EXPECT_EQ((std::vector<int>{3, 2, 0, 1, 0}), std::vector<int>(m_file.m_counts, m_file.m_counts + 5));
    // 5 + 2 + 0 + 1 + 0 records; the main count is no part of the sum.
    EXPECT_EQ((std::vector<CString>{"#110|170401|建-110", "#120|170401|X-120", "#161|170402|昇-1", "#161|170403|昇-2",
                                    "#130|170404|X-130", "#181||工-1", "#240|170405|届-240", "#140|170406|X-140"}),
              Records(m_file));
}

TEST_F(UketukeFile, EndsTheRecordsAtAnEmptyLineOrTheEndOfTheFile)
{
    ASSERT_TRUE(ReadExpecting(Floppy("empty_line"), nullptr));
    EXPECT_EQ((std::vector<CString>{"#110|170401|建-110"}), Records(m_file));
    // Five records are counted; the file holds four.
    ASSERT_TRUE(ReadExpecting(Floppy("notice_only"), nullptr));
    EXPECT_EQ(4u, m_file.m_records.size());
    // Line feeds alone end lines too.
    ASSERT_TRUE(ReadExpecting(Floppy("lift_confirmation"), nullptr));
    EXPECT_EQ((std::vector<CString>{"#160|170401|L-1", "#160||L-2"}), Records(m_file));
}

TEST_F(UketukeFile, CountsMissingHeaderFieldsAsEmpty)
{
    ASSERT_TRUE(ReadExpecting(Floppy("short_header"), nullptr));
    EXPECT_EQ((std::vector<int>{1, 0, 0, 0, 0}), std::vector<int>(m_file.m_counts, m_file.m_counts + 5));
    EXPECT_EQ(1u, m_file.m_records.size());
}

TEST_F(UketukeFile, FindsItsNamesWhateverTheirLetterCase)
{
    ASSERT_TRUE(ReadExpecting(Floppy("upper_case_names"), nullptr));
    EXPECT_EQ((std::vector<CString>{"#160|170401|L-1"}), Records(m_file));
}

TEST_F(UketukeFile, ReadsNoRecordForACodeWithoutTags)
{
    ASSERT_TRUE(ReadExpecting(Floppy("notification_code"), nullptr));
    EXPECT_EQ(100801, m_file.m_nCode);
    EXPECT_TRUE(m_file.m_records.empty());
}

TEST(UketukeRecordCount, FollowsTheCodeAndTheCounts)
{
    const int counts[] = {7, 1, 2, 3, 4};
    for (int code : {100001, 100101, 100201, 100301})
        EXPECT_EQ(15, ZnUketukeFile::RecordCount(code, counts)) << code;
    for (int procedure = 0; procedure <= 3; ++procedure)
        for (int kind = 2; kind <= 6; ++kind)
            EXPECT_EQ(17, ZnUketukeFile::RecordCount(100000 + procedure * 100 + kind, counts)) << procedure << kind;
    for (int code : {100801, 100401, 100007, 100401, 100501, 0, 300001, 100402})
        EXPECT_EQ(0, ZnUketukeFile::RecordCount(code, counts)) << code;
    const int none[] = {9, 0, 0, 0, 0};
    EXPECT_EQ(5, ZnUketukeFile::RecordCount(100001, none));
}

// A count beyond an int is held at the largest or smallest int, and the counts add up without
// overflow; reading ends with the records that the file holds.
TEST_F(UketukeFile, CountsBeyondAnIntAddUpWithoutOverflow)
{
    ASSERT_TRUE(ReadExpecting(Floppy("counts_beyond_an_int"), nullptr));
    EXPECT_EQ(INT_MAX, m_file.m_counts[ZnUketukeFile::structLiftCount]);
    EXPECT_EQ(8000000000LL + INT_MAX, ZnUketukeFile::RecordCount(m_file.m_nCode, m_file.m_counts));
    EXPECT_EQ((std::vector<CString>{"#160|170401|L-1", "#160|170402|L-2"}), Records(m_file));
    const int largest[] = {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX};
    const int smallest[] = {INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN};
    EXPECT_EQ(5 + 4LL * INT_MAX, ZnUketukeFile::RecordCount(100001, largest));
    EXPECT_EQ(5LL * INT_MIN, ZnUketukeFile::RecordCount(100302, smallest));

    const std::vector<std::pair<const char*, int>> numbers = {{"", 0},
                                                              {"x1", 0},
                                                              {" 12x", 12},
                                                              {"+7", 7},
                                                              {"-2147483648", INT_MIN},
                                                              {"2147483648", INT_MAX},
                                                              {"4294967297", INT_MAX},
                                                              {"-99999999999", INT_MIN},
                                                              {"99999999999999999999999", INT_MAX}};
    for (const auto& [field, number] : numbers)
        EXPECT_EQ(number, ZnFloppyLine::Number(field)) << field;
}

TEST(UketukeRecordCount, NamesTheTagAndTitleOfEachObjectKind)
{
    const char* const expected[4][5] = {{"#160", "#170", "#180", "#160", "#190"},
                                        {"#280", "#280", "#280", "#280", "#280"},
                                        {"#210", "#210", "#210", "#210", "#210"},
                                        {"#420", "#430", "#440", "#420", "#450"}};
    for (int procedure = 0; procedure <= 3; ++procedure)
        for (int kind = 2; kind <= 6; ++kind)
            EXPECT_EQ(expected[procedure][kind - 2], ZnUketukeFile::ObjectTag(100000 + procedure * 100 + kind));
    EXPECT_EQ("", ZnUketukeFile::ObjectTag(100001));
    EXPECT_EQ("", ZnUketukeFile::ObjectTag(100402));
    EXPECT_EQ("建築物", ZnUketukeFile::KindTitle(100301));
    EXPECT_EQ("工作物(88-2)", ZnUketukeFile::KindTitle(100206));
    EXPECT_EQ("", ZnUketukeFile::KindTitle(100007));
}

TEST_F(UketukeFile, RefusesAFileThatIsNoInformationFile)
{
    EXPECT_FALSE(
        ReadExpecting(Floppy("empty_file"), "フロッピーのファイル情報ファイル（uke001.000)のデータが不正です。"));
    m_ui.messageBoxes.clear();
    EXPECT_FALSE(ReadExpecting(Floppy("header_without_comma"), kBadHeader));
    m_ui.messageBoxes.clear();
    EXPECT_FALSE(ReadExpecting(Floppy("quoted_tag"), kBadHeader));
    EXPECT_TRUE(m_file.m_strName.IsEmpty());
}

TEST_F(UketukeFile, RefusesAFloppyWithoutItsFolderOrFile)
{
    EXPECT_FALSE(ReadExpecting(Floppy("no_uketuke_folder"), kNotAccepted));
    m_ui.messageBoxes.clear();
    EXPECT_FALSE(
        ReadExpecting(Floppy("no_information_file"), "フロッピーにファイル情報ファイル（uke001.000)がありません。"));
    m_ui.messageBoxes.clear();
    // A missing folder is a failed access.
    EXPECT_FALSE(ReadExpecting(Floppy("no_such_floppy"), kAccessFailed));
}

TEST_F(UketukeFile, RefusesAFileThatCannotBeOpened)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    testsupport::TempFolder folder;
    std::filesystem::create_directories(folder.Path("Uketuke"));
    testsupport::WriteFileBytes(folder.Path("Uketuke/uke001.000"), "#000,\"a\"\r\n");
    chmod(folder.Path("Uketuke/uke001.000").c_str(), 0);
    EXPECT_FALSE(ReadExpecting(LinuxPathToWin(folder.Path()).c_str(),
                               "フロッピーのファイル情報ファイル（uke001.000)のオープンに失敗しました。"));
    m_ui.messageBoxes.clear();
    chmod(folder.Path().c_str(), 0);
    EXPECT_FALSE(ReadExpecting(LinuxPathToWin(folder.Path()).c_str(), kAccessFailed));
    chmod(folder.Path().c_str(), 0700);
}

TEST_F(UketukeFile, TellsTheDrivesAnswersApart)
{
    auto answer = [](std::vector<DWORD> errors) {
        return [errors, call = size_t(0)](const CString& pattern) mutable {
            EXPECT_EQ("A:\\*.*", pattern);
            return errors[std::min(call++, errors.size() - 1)];
        };
    };
    // A floppy that holds nothing is no accepted floppy.
    EXPECT_FALSE(ReadExpecting("A:", kNotAccepted, answer({ERROR_FILE_NOT_FOUND})));
    m_ui.messageBoxes.clear();
    EXPECT_FALSE(ReadExpecting("A:", "フロッピーがフォーマットされていません。", answer({ERROR_UNRECOGNIZED_MEDIA})));
    m_ui.messageBoxes.clear();
    EXPECT_FALSE(ReadExpecting("A:", kAccessFailed, answer({ERROR_ACCESS_DENIED})));
    m_ui.messageBoxes.clear();

    // Not ready: Retry looks again, Cancel ends.
    m_ui.AnswerMessageBox(IDRETRY);
    m_ui.AnswerMessageBox(IDCANCEL);
    EXPECT_FALSE(m_file.Read("A:", answer({ERROR_NOT_READY})));
    ASSERT_EQ(2u, m_ui.messageBoxes.size());
    for (const MessageBoxRequest& box : m_ui.messageBoxes) {
        EXPECT_EQ("フロッピーが準備できていません。", box.text);
        EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONERROR), box.type);
    }
    m_ui.messageBoxes.clear();
    // Retry after the floppy went in reads it.
    m_ui.AnswerMessageBox(IDRETRY);
    CString root = Floppy("lift_confirmation");
    int calls = 0;
    EXPECT_TRUE(m_file.Read(root, [&](const CString& pattern) {
        return ++calls == 1 ? static_cast<DWORD>(ERROR_NOT_READY) : SearchForEntries(pattern);
    }));
    EXPECT_EQ(2, calls);
    EXPECT_EQ(2u, m_file.m_records.size());
}
