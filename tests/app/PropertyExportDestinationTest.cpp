// The migration button from end to end over the sample data set, and the faults of its
// destination: another export holding it, one that cannot be written, one that fills up, and links
// planted under the names of the export folders.
#include "tests/app/PropertyExportTestSupport.h"

#include "tests/support/RunLogCheck.h"

#include "writers/ZnAppDocFDOut00.h"

#include <filesystem>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace exporttest;

namespace {

// More than any file the exports write (about 20 KB at most); less than the properties' archive (40 KB).
const rlim_t kFullDiskBytes = 32768;

} // namespace

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
    // Each failure is told under the export it stopped, and the end on an empty line.
    EXPECT_EQ((std::vector<CString>{"共通データを作成しています。", "物件データを作成しています。", ""}),
              ProgressAtMessageBoxes());
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
    // The packing fails after the last property.
    EXPECT_EQ((std::vector<CString>{"物件データを作成しています。", ""}), ProgressAtMessageBoxes());

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
