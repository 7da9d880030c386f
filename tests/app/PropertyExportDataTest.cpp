// The migration button from end to end over the sample data set: the sample register in both
// database formats, a register that cannot be read, and the faults of the users' data (bad
// documents, names that meet, bytes that are no characters).
#include "tests/app/PropertyExportTestSupport.h"

#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/RunLogCheck.h"
#include "tests/support/TabbedCases.h"
#include "tests/writers/XmlCheck.h"

#include "platform/database/CDaoDatabase.h"
#include "writers/ZnAppDocFDOut00.h"

#include <cstdio>
#include <unistd.h>

using namespace exporttest;

namespace {

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

    // The progress line showed each step at once, once per property and again for the packing,
    // and was emptied before the completion message; the wait cursor went on once and off again.
    EXPECT_EQ((std::vector<CString>{"共通データを作成しています。", "物件データを作成しています。",
                                    "物件データを作成しています。　1 / 6", "物件データを作成しています。　2 / 6",
                                    "物件データを作成しています。　3 / 6", "物件データを作成しています。　4 / 6",
                                    "物件データを作成しています。　5 / 6", "物件データを作成しています。　6 / 6",
                                    "物件データを作成しています。", ""}),
              ProgressShown());
    EXPECT_EQ(std::vector<CString>{""}, ProgressAtMessageBoxes());
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
    EXPECT_EQ((std::vector<CString>{"共通データを作成しています。", "物件データを作成しています。", ""}),
              ProgressShown());
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), m_ui.waitCursor);
    EXPECT_EQ(1u, FolderNames(m_data.Path("sample/export")).size()); // the reference data's archive
    // The run log, emptied at the start, says why the properties were not written.
    testsupport::ExpectLogLines(
        ReadFileBytes(m_folder.Path("ravuRivo.log")),
        {cp932::FromUtf8(
            u8" [ERROR] ZnDlgAppSelectObjDialog.cpp#ExportBukkenInfo() - 物件データを出力できませんでした。【" +
            m_ui.registerReports[1] + u8"】")});
}

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
