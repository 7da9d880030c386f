// The migration button from end to end over the sample data set, and the faults it meets.
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/RunLogCheck.h"
#include "tests/support/ShellTestSupport.h"
#include "tests/support/TabbedCases.h"
#include "tests/writers/XmlCheck.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnDlgAppSelectObjDialog.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/Afxwin.h"
#include "res/MainFrameIds.h"
#include "writers/ZnAppDocFDOut00.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::ReadFileBytes;
using ziptest::FileSizeLimit;
using ziptest::FolderNames;
using ziptest::Snapshot;

namespace {

// More than any file the exports write (about 20 KB at most); less than the properties' archive (40 KB).
const rlim_t kFullDiskBytes = 32768;

const char kFinished[] = u8"移行データ作成が終わりました。";
const char kFinishedWithFailures[] = u8"移行データ作成が終わりましたが、出力できなかったデータがあります。";

// An export file of tests/data/app as the archive holds it (LF line ends), with {0}, {1}... filled in.
std::string Filled(const std::string& name, const std::vector<std::string>& values)
{
    std::string text = ReadFileBytes(testsupport::DataPath("app/" + name));
    for (size_t i = 0; i < values.size(); ++i)
        text.replace(text.find("{" + std::to_string(i) + "}"), 3, values[i]);
    return text;
}

// A text as written to a file in text mode: each "\n" as CR LF.
std::string Crlf(const std::string& text)
{
    std::string written;
    for (char c : text)
        written += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return written;
}

// The run log's lines without their time: "[level] source#function - message".
std::vector<std::string> LogLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream log(cp932::ToUtf8(ReadFileBytes(path)));
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t bracket = line.find('[');
        lines.push_back(bracket == std::string::npos ? line : line.substr(bracket));
    }
    return lines;
}

std::string PropertyLine(int index, const std::string& name)
{
    return u8"[INFO ] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 物件【" + std::to_string(index) + " - " + name +
           u8"】の情報を出力します--------------------。";
}

std::string SameNameLine(const std::string& property, const std::string& folder)
{
    return u8"[INFO ] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() -      物件【" + property +
           u8"】は同じ名前のフォルダがあるため、フォルダ【" + folder + u8"】に出力します。";
}

std::string DocumentLine(const std::string& folder)
{
    return u8"[INFO ] ZnDlgAppSelectObjDialog.cpp#ExportBukkenXml() -      文書【" + folder +
           u8"】の情報を出力しました。";
}

class PropertyExport : public ShellTest {
protected:
    // Each text that the migration dialog's progress line showed at once.
    std::vector<CString> ProgressShown() const
    {
        std::vector<CString> texts;
        for (const auto& update : m_ui.updates)
            if (update.first == IDC_SO_PROGRESS)
                texts.push_back(update.second);
        return texts;
    }

    PropertyExport()
    {
        MakeExportableSampleDataSet(m_data.Path("sample"));
    }

    // Starts the program on the sample folders, presses the migration button with that many
    // message boxes answered, closes the dialog and expects the sources unchanged. With
    // fileSizeLimit, no file can grow past that many bytes from the press of the button on.
    void RunExport(int messageBoxes = 1, const std::string& destination = "sample/export", rlim_t fileSizeLimit = 0)
    {
        auto sources = Snapshot(m_data.Path("sample/bukken")), common = Snapshot(m_data.Path("sample/common"));
        StoreFolders(Data("sample/codes"), Data("sample/common"), Data("sample/bukken"), Data(destination), nullptr);
        m_before = ziptest::Stamp(std::time(nullptr));
        Start([&](CDialog& dialog) {
            CWnd* button = dialog.GetDlgItem(IDC_SO_BTN_IKOU);
            ASSERT_NE(nullptr, button);
            for (int i = 0; i < messageBoxes; ++i)
                m_ui.AnswerMessageBox(IDOK);
            std::optional<FileSizeLimit> limit;
            if (fileSizeLimit)
                limit.emplace(fileSizeLimit);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SO_BTN_IKOU, BN_CLICKED),
                               reinterpret_cast<LPARAM>(button->m_hWnd));
            dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(sources, Snapshot(m_data.Path("sample/bukken")));
        EXPECT_EQ(common, Snapshot(m_data.Path("sample/common")));
    }

    // The entries of the one archive in the destination whose name starts with word + "_".
    std::map<std::string, std::string> Archive(const std::string& word)
    {
        std::string after = ziptest::Stamp(std::time(nullptr));
        for (const std::string& name : FolderNames(m_data.Path("sample/export")))
            if (name.compare(0, word.size() + 1, word + "_") == 0) {
                std::string stamp = name.substr(word.size() + 1, 14);
                EXPECT_EQ(word + "_" + stamp + ".zip", name);
                EXPECT_LE(m_before, stamp);
                EXPECT_GE(after, stamp);
                std::map<std::string, std::string> entries; // by UTF-8 name
                for (const auto& entry : ziptest::ArchiveEntries(m_data.Path("sample/export/" + name)))
                    entries[cp932::ToUtf8(entry.first)] = entry.second;
                return entries;
            }
        ADD_FAILURE() << "no archive " << word;
        return {};
    }

    // Outside the program's drive C, as the zip library, which keeps no drive table, needs.
    CString Data(const std::string& relative) const { return CString(LinuxPathToWin(m_data.Path(relative))); }

    // The last lines of the run log.
    std::vector<std::string> LogTail(size_t count) const
    {
        std::vector<std::string> log = LogLines(m_folder.Path("ravuRivo.log"));
        EXPECT_LE(count, log.size());
        return std::vector<std::string>(log.end() - std::min(count, log.size()), log.end());
    }

    testsupport::TempFolder m_data;
    std::string m_before;
};

// The sample register and reference database as SQLite files and as Access files.
class PropertyExportFormats : public PropertyExport, public ::testing::WithParamInterface<std::string> {
protected:
    PropertyExportFormats()
    {
        if (GetParam() != "Jet4")
            return;
        for (const char* file : {"sample/bukken/APP_BUKKEN.mdb", "sample/common/APP_USER_REGIST.mdb"}) {
            std::string path = m_data.Path(file), source = path + ".source";
            EXPECT_EQ(0, std::rename(path.c_str(), source.c_str()));
            CopyToJetFile(source, path, JetVersion::Jet4);
            std::remove(source.c_str());
        }
    }
};

INSTANTIATE_TEST_SUITE_P(Formats, PropertyExportFormats, ::testing::Values("Sqlite", "Jet4"),
                         [](const auto& info) { return info.param; });

} // namespace

TEST_P(PropertyExportFormats, TheSampleRegisterEndsUpInTheArchiveWithItsLog)
{
    RunExport();
    EXPECT_EQ(std::vector<std::string>{kFinished}, MessageTexts());
    EXPECT_EQ(UINT(MB_ICONINFORMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);
    // Two archives and no folder.
    std::vector<std::string> names = FolderNames(m_data.Path("sample/export"));
    ASSERT_EQ(2u, names.size());
    EXPECT_EQ(1u, Archive(u8"共通データ").count(u8"共通データ.xml"));

    // The tree and the log from the table of the sample register; folders are entries of their
    // own, named with a "/" at the end.
    std::map<std::string, std::string> entries = Archive(u8"物件データ");
    std::map<std::string, std::string> expected = {{u8"Pellori_1_1_0_物件データ", ""}};
    std::vector<std::string> log;
    std::string property;
    for (const auto& row : testsupport::ReadTabbedCases("app/sample_export.txt")) {
        std::vector<std::string> f;
        for (const CString& field : row)
            f.push_back(cp932::ToUtf8(field.Bytes()));
        if (f[0] == "property") {
            property = f[2];
            expected[property + "/"] = "";
            expected[property + u8"/物件情報.xml"] = Filled("bukken_info.xml", {property, f[3], f[4], "000000"});
            log.push_back(PropertyLine(std::stoi(f[1]), property));
            continue;
        }
        log.push_back(DocumentLine(f[1]));
        if (f[0] == "logged")
            continue;
        std::string folder = property + "/" + f[1] + "/";
        expected[folder] = "";
        expected[folder + u8"申請書管理情報.xml"] = Filled("management_info.xml", {f[2], f[3], f[4]});
        expected[folder + u8"申請書データ.xml"] = entries[folder + u8"申請書データ.xml"];
        EXPECT_TRUE(xmlcheck::IsWellFormed(entries[folder + u8"申請書データ.xml"])) << folder;
    }
    ASSERT_EQ(22u, log.size());
    EXPECT_EQ(expected, entries);
    EXPECT_EQ(log, LogLines(m_folder.Path("ravuRivo.log")));

    // The progress line showed each step at once, once per property, and was emptied after the
    // completion message; the wait cursor went on once and off again.
    EXPECT_EQ((std::vector<CString>{"共通データを作成しています。", "物件データを作成しています。　1 / 6",
                                    "物件データを作成しています。　2 / 6", "物件データを作成しています。　3 / 6",
                                    "物件データを作成しています。　4 / 6", "物件データを作成しています。　5 / 6",
                                    "物件データを作成しています。　6 / 6", ""}),
              ProgressShown());
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), m_ui.waitCursor);
}

// A register that cannot be read ends the export with the database's report: the wait cursor
// is off again and the progress line empty, with no completion message.
TEST_F(PropertyExport, ARegisterThatCannotBeReadLeavesNoWaitCursorOrProgress)
{
    ziptest::WriteBytes(m_data.Path("sample/bukken/APP_BUKKEN.mdb"), "not a database at all");
    RunExport(0);
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    // Told when the dialog lists the register, and when the export opens it.
    ASSERT_EQ(2u, m_ui.registerReports.size());
    EXPECT_EQ(m_ui.registerReports[0], m_ui.registerReports[1]);
    EXPECT_EQ((std::vector<CString>{"共通データを作成しています。", ""}), ProgressShown());
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), m_ui.waitCursor);
    EXPECT_EQ(1u, FolderNames(m_data.Path("sample/export")).size()); // the reference data's archive
    // The run log, emptied at the start, says why the properties were not written.
    testsupport::ExpectLogLines(
        ReadFileBytes(m_folder.Path("ravuRivo.log")),
        {cp932::FromUtf8(
            u8" [ERROR] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 物件データを出力できませんでした。【" +
            m_ui.registerReports[1] + u8"】")});
}

namespace {

// Replaces every file of a sample property's folder by bytes that are no document, or removes them.
void SpoilDocuments(const std::string& folder, bool remove)
{
    for (const auto& entry : Snapshot(folder)) {
        std::string path = folder + "/" + entry.first;
        if (remove)
            EXPECT_EQ(0, unlink(path.c_str())) << path;
        else
            ziptest::WriteBytes(path, "no document here");
    }
}

std::string ErrorLine(const std::string& function, const std::string& message)
{
    return u8"[ERROR] ZnDlgAppSelectObjDialog.cpp#" + function + " - " + message;
}

std::string DocumentError(const std::string& folder)
{
    return ErrorLine("ExportBukkenXml()", u8"     文書【" + folder + u8"】を出力できませんでした。");
}

} // namespace

// Bad documents are logged and skipped, a second property of a name (in any case of its letters, or
// the marker's) goes to name_2, bad names are told.
TEST_F(PropertyExport, FaultsOfTheUsersDataAreLoggedAndSkipped)
{
    SpoilDocuments(m_data.Path(u8"sample/bukken/駅前広告塔設置工事"), false);
    SpoilDocuments(m_data.Path(u8"sample/bukken/東部生コン第二プラント"), true);
    CDaoDatabase database;
    database.Open(Data("sample/bukken/APP_BUKKEN.mdb"));
    CString longName;
    for (int i = 0; i < 100; ++i)
        longName += "あ"; // 300 bytes in UTF-8, more than a folder name can hold
    for (const CString& row :
         {CString("7, '山田邸新築工事', '2012-03-04 05:06:07', 13, 1"), CString("8, '', '2012-01-01 00:00:00', 13, 0"),
          CString("9, 'A/B', '2012-01-01 00:00:00', 13, 0"), "10, '" + longName + "', '2012-01-01 00:00:00', 13, 0",
          CString("11, 'Pellori_1_1_0_物件データ', '2012-01-01 00:00:00', 13, 0"),
          CString("12, 'Abc', '2012-01-01 00:00:00', 13, 0"), CString("13, 'aBC', '2012-01-01 00:00:00', 13, 0")})
        database.Execute("INSERT INTO AppBukkenKanriTbl VALUES (" + row + ", '', NULL)");
    database.Close();

    RunExport(5);
    // The framework tells of the corrupt file; the missing one is only logged.
    const std::string longUtf8 = cp932::ToUtf8(longName.Bytes());
    EXPECT_EQ(
        (std::vector<std::string>{u8"予期しないファイル形式です。", u8"物件ディレクトリの作成に失敗しました。",
                                  u8"物件A/Bディレクトリの作成に失敗しました。",
                                  u8"物件" + longUtf8 + u8"ディレクトリの作成に失敗しました。", kFinishedWithFailures}),
        MessageTexts());
    std::map<std::string, std::string> entries = Archive(u8"物件データ");
    EXPECT_EQ(1u, entries.count(u8"駅前広告塔設置工事/物件情報.xml"));
    EXPECT_EQ(0u, entries.count(u8"駅前広告塔設置工事/確認申請書_工作物（法第88条1項）_01/"));
    EXPECT_EQ(0u, entries.count(u8"東部生コン第二プラント/確認申請書_工作物（法第88条2項）_01/"));
    EXPECT_EQ(1u, entries.count(u8"鈴木ビル建替工事/確認申請書_建築物_02/申請書データ.xml"));
    EXPECT_EQ(Filled("bukken_info.xml", {u8"山田邸新築工事", "2", "20120304", "050607"}),
              entries[u8"山田邸新築工事_2/物件情報.xml"]);
    EXPECT_EQ(1u, entries.count(u8"山田邸新築工事/確認申請書_建築物_01/申請書データ.xml"));
    EXPECT_EQ(1u, entries.count(u8"Pellori_1_1_0_物件データ_2/物件情報.xml"));
    EXPECT_EQ(1u, entries.count(u8"Abc/物件情報.xml"));
    EXPECT_EQ(1u, entries.count(u8"aBC_2/物件情報.xml"));
    // Nothing but the ten property folders and the marker at the top.
    int top = 0;
    for (const auto& entry : entries)
        top += entry.first.find('/') + 1 == entry.first.size() || entry.first.find('/') == std::string::npos;
    EXPECT_EQ(11, top);

    std::vector<std::string> tail = LogTail(19);
    EXPECT_EQ(0u, tail[1].find(u8"[ERROR] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 文書【")) << tail[1];
    tail.erase(tail.begin() + 6, tail.begin() + 9); // the last sample property's documents
    tail[1] = "";
    auto notMade = [](const std::string& property) {
        return ErrorLine("ExportBukkenInfo()",
                         u8"物件【" + property + u8"】のフォルダを作成できないため出力しませんでした。");
    };
    EXPECT_EQ(
        (std::vector<std::string>{
            PropertyLine(4, u8"駅前広告塔設置工事"), "", DocumentError(u8"確認申請書_工作物（法第88条1項）_01"),
            PropertyLine(5, u8"東部生コン第二プラント"), DocumentError(u8"確認申請書_工作物（法第88条2項）_01"),
            PropertyLine(6, u8"鈴木ビル建替工事"), PropertyLine(7, u8"山田邸新築工事"),
            SameNameLine(u8"7 - 山田邸新築工事", u8"山田邸新築工事_2"),
            notMade("8 - "), notMade("9 - A/B"), notMade("10 - " + longUtf8),
            PropertyLine(11, u8"Pellori_1_1_0_物件データ"), SameNameLine(u8"11 - Pellori_1_1_0_物件データ", u8"Pellori_1_1_0_物件データ_2"),
            PropertyLine(12, "Abc"), PropertyLine(13, "aBC"), SameNameLine("13 - aBC", "aBC_2")}),
        tail);
}

// While another process exports into the destination (it holds the destination's lock), the
// export tells so once and changes nothing: not the destination, not the run log.
TEST_F(PropertyExport, AnotherExportIntoTheDestinationIsWaitedForWithoutTouchingAnything)
{
    std::string destination = m_data.Path("sample/export");
    ZnAppDocFDOut00::WriteLog(2, "kept", "s", "f()");
    std::string log = testsupport::ReadFileBytes("ravuRivo.log");
    int locked[2], done[2];
    ASSERT_EQ(0, pipe(locked));
    ASSERT_EQ(0, pipe(done));
    pid_t child = fork();
    if (child == 0) {
        int fd = open(destination.c_str(), O_RDONLY | O_DIRECTORY);
        char byte = flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
        bool told = write(locked[1], &byte, 1) == 1;
        _exit(told && read(done[0], &byte, 1) == 1 ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(1, read(locked[0], &byte, 1));
    ASSERT_EQ('y', byte);
    auto before = Snapshot(destination);
    RunExport();
    EXPECT_EQ(std::vector<std::string>{u8"出力先【" + cp932::ToUtf8(Data("sample/export").Bytes()) +
                                       u8"】では別の移行データ作成が実行中です。終わってから実行してください。"},
              MessageTexts());
    EXPECT_EQ(UINT(MB_ICONSTOP), m_ui.messageBoxes[0].type & MB_ICONMASK);
    EXPECT_EQ(before, Snapshot(destination));
    EXPECT_EQ(log, testsupport::ReadFileBytes("ravuRivo.log"));
    ASSERT_EQ(1, write(done[1], "x", 1));
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(0, status);
    for (int fd : {locked[0], locked[1], done[0], done[1]})
        close(fd);
}

// A destination that cannot be written is told by both exports and nothing is made.
TEST_F(PropertyExport, ADestinationThatCannotBeWrittenIsToldAndChangesNothing)
{
    RunExport(3, "gone");
    const char kCannotOutput[] = u8"データを出力できません。下記をご確認ください。\n"
                                 u8"①   メディアが書き込み禁止になっている。\n"
                                 u8"②   Kelmoでは出力できないドライブを指定している。";
    EXPECT_EQ((std::vector<std::string>{kCannotOutput, kCannotOutput, kFinishedWithFailures}), MessageTexts());
    EXPECT_EQ(UINT(MB_ICONSTOP), m_ui.messageBoxes[2].type & MB_ICONMASK);
    EXPECT_TRUE(FolderNames(m_data.Path("sample/export")).empty());
    EXPECT_FALSE(std::filesystem::exists(m_data.Path("gone")));
    // The run log, emptied at the start, says why neither export wrote anything.
    const char kWhy[] = u8"を出力できませんでした。【データを出力できません。下記をご確認ください。 "
                        u8"①   メディアが書き込み禁止になっている。 ②   Kelmoでは出力できないドライブを指定している。】";
    testsupport::ExpectLogLines(
        ReadFileBytes(m_folder.Path("ravuRivo.log")),
        {cp932::FromUtf8(u8" [ERROR] ZnDlgAppSelectObjDialog.cpp#ExportCommonData() - 共通データ" + std::string(kWhy)),
         cp932::FromUtf8(u8" [ERROR] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 物件データ" + std::string(kWhy))});
}

// Filling up while packing leaves no property archive, and the folder whole for another try.
TEST_F(PropertyExport, ADestinationThatFillsUpLeavesNoPropertyArchive)
{
    RunExport(2, "sample/export", kFullDiskBytes);
    EXPECT_EQ((std::vector<std::string>{u8"ZpArchiveでエラー発生", kFinishedWithFailures}), MessageTexts());

    EXPECT_EQ(1u, Archive(u8"共通データ").count(u8"共通データ.xml"));
    std::vector<std::string> names = FolderNames(m_data.Path("sample/export"));
    ASSERT_EQ(2u, names.size());
    std::string left = names[0].find(u8"物件データ") == 0 ? names[0] : names[1];
    // 物件データ and the start time, no archive name.
    EXPECT_EQ(std::string(u8"物件データ").size() + 14, left.size()) << left;
    int propertyFiles = 0;
    for (const auto& entry : Snapshot(m_data.Path("sample/export/" + left)))
        propertyFiles +=
            entry.first.size() > 16 && entry.first.compare(entry.first.size() - 16, 16, u8"物件情報.xml") == 0;
    EXPECT_EQ(6, propertyFiles);
}

// Filling up while the files are written stops each export at the first file cut off, and removes it.
TEST_F(PropertyExport, ADestinationThatFillsUpWhileTheFilesAreWrittenStopsTheExport)
{
    RunExport(3, "sample/export", 2048); // more than 物件情報.xml, 申請書管理情報.xml and the log
    EXPECT_EQ(
        (std::vector<std::string>{u8"ファイルの書き込み(共通データ.xml)に失敗しました。",
                                  u8"ファイルの書き込み(申請書データ.xml)に失敗しました。", kFinishedWithFailures}),
        MessageTexts());

    std::vector<std::string> names = FolderNames(m_data.Path("sample/export"));
    ASSERT_EQ(2u, names.size());
    std::map<std::string, std::string> left = Snapshot(m_data.Path("sample/export/" + names[0]));
    for (const auto& entry : Snapshot(m_data.Path("sample/export/" + names[1])))
        left[entry.first] = entry.second;
    EXPECT_EQ((std::map<std::string, std::string>{
                  {u8"Pellori_1_1_0_共通データ", ""},
                  {u8"Pellori_1_1_0_物件データ", ""},
                  {u8"山田邸新築工事", "<folder>"},
                  {u8"山田邸新築工事/確認申請書_建築物_01", "<folder>"},
                  {u8"山田邸新築工事/物件情報.xml",
                   Crlf(Filled("bukken_info.xml", {u8"山田邸新築工事", "1", "20100412", "000000"}))},
                  {u8"山田邸新築工事/確認申請書_建築物_01/申請書管理情報.xml",
                   Crlf(Filled("management_info.xml", {"1", "20100531", "1"}))},
              }),
              left);
    EXPECT_EQ((std::vector<std::string>{PropertyLine(1, u8"山田邸新築工事"), DocumentError(u8"確認申請書_建築物_01")}),
              LogLines(m_folder.Path("ravuRivo.log")));
}

namespace {

// Replaces every occurrence of from in the file by to, which is as long: the stored strings keep
// their lengths.
void ReplaceBytes(const std::string& path, const std::string& from, const std::string& to)
{
    std::string bytes = ReadFileBytes(path);
    for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    ziptest::WriteBytes(path, bytes);
}

// The export-folder-relative names of the files that the run log names for dropped characters.
std::vector<std::string> FilesLoggedForDroppedChars(const std::vector<std::string>& log)
{
    const std::string start = u8"[WARN ] ZnAppDocFDOut00.cpp#CloseWrittenFile() - ファイル【";
    const std::string end = u8"】に出力できない制御文字があったため、取り除いて出力しました。";
    std::vector<std::string> names;
    for (const std::string& line : log) {
        if (line.compare(0, start.size(), start) != 0)
            continue;
        std::string path = line.substr(start.size(), line.size() - start.size() - end.size());
        EXPECT_EQ(end, line.substr(start.size() + path.size()));
        path = path.substr(path.find(u8"\\export\\") + 8); // the destination
        path = path.substr(path.find('\\') + 1);           // the export folder
        std::replace(path.begin(), path.end(), '\\', '/');
        names.push_back(path);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// Links planted under the export folders' names of the coming seconds are refused, and nothing
// they point at is emptied.
TEST_F(PropertyExport, LinksUnderTheExportFoldersNamesAreRefused)
{
    fs::create_directories(m_data.Path("outside"));
    ziptest::WriteBytes(m_data.Path("outside/kept.xml"), "kept");
    std::time_t now = std::time(nullptr);
    for (std::time_t t = now; t < now + 30; ++t)
        for (const char* word : {u8"共通データ", u8"物件データ"})
            ASSERT_EQ(0, symlink(m_data.Path("outside").c_str(),
                                 m_data.Path("sample/export/" + std::string(word) + ziptest::Stamp(t)).c_str()));
    auto planted = Snapshot(m_data.Path("sample/export"));

    RunExport(3);
    std::vector<std::string> texts = MessageTexts();
    ASSERT_EQ(3u, texts.size());
    for (size_t i = 0; i < 2; ++i) {
        const std::string start = i == 0 ? u8"物件共通データ" : u8"物件物件データ";
        EXPECT_EQ(0u, texts[i].find(start)) << texts[i];
        EXPECT_EQ(start.size() + 14, texts[i].find(u8"ディレクトリの作成に失敗しました。")) << texts[i];
    }
    EXPECT_EQ(kFinishedWithFailures, texts[2]);
    EXPECT_EQ((std::map<std::string, std::string>{{"kept.xml", "kept"}}), Snapshot(m_data.Path("outside")));
    EXPECT_EQ(planted, Snapshot(m_data.Path("sample/export")));
}

// A designer's office name with lead bytes before "<", "&", "'", "/" and '"' (each lead byte one
// U+FFFD, each byte after it a character of its own), another office name with a control character
// and a NUL, a reference row with a control character: every file is well-formed XML, and the log
// names once each file that lost characters.
TEST_F(PropertyExport, BytesThatAreNoCharactersStillMakeWellFormedFiles)
{
    for (const auto& entry : Snapshot(m_data.Path("sample/bukken"))) {
        std::string path = m_data.Path("sample/bukken/" + entry.first);
        if (entry.second == "<folder>" || entry.first == "APP_BUKKEN.mdb")
            continue;
        ReplaceBytes(path, "中村建築設計事務所", "\x81<\x81&\x81'\x81/\x81\"Nakamura");
        ReplaceBytes(path, "加藤設計室", std::string("加\x01\0設計室", 10));
    }
    CDaoDatabase database;
    database.Open(Data("sample/common/APP_USER_REGIST.mdb"));
    database.Execute("UPDATE AppYaneTbl SET KoumokuMei = 'スレート\x01葺' WHERE Hyoujijun = 2");
    database.Close();

    RunExport();
    EXPECT_EQ(std::vector<std::string>{kFinished}, MessageTexts());
    std::map<std::string, std::string> entries = Archive(u8"物件データ");
    entries[u8"共通データ.xml"] = Archive(u8"共通データ")[u8"共通データ.xml"];
    EXPECT_NE(std::string::npos, entries[u8"共通データ.xml"].find(u8"<屋根>スレート葺</屋根>"));
    EXPECT_NE(std::string::npos, entries[u8"山田邸新築工事/確認申請書_建築物_01/申請書データ.xml"].find(
                                     u8">\uFFFD&lt;\uFFFD&amp;\uFFFD&apos;\uFFFD/\uFFFD&quot;Nakamura<"));
    std::vector<std::string> dropped = {u8"共通データ.xml"};
    for (const auto& entry : entries) {
        if (entry.first.size() < 4 || entry.first.compare(entry.first.size() - 4, 4, ".xml") != 0)
            continue;
        EXPECT_TRUE(xmlcheck::IsWellFormed(entry.second)) << entry.first;
        if (entry.second.find(u8"加設計室") != std::string::npos)
            dropped.push_back(entry.first);
    }
    std::sort(dropped.begin(), dropped.end());
    EXPECT_LE(2u, dropped.size());
    EXPECT_EQ(dropped, FilesLoggedForDroppedChars(LogLines(m_folder.Path("ravuRivo.log"))));
}
