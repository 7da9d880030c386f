// The export folders: preparing a folder under the destination with its drive check, the marker.
#include "tests/support/TempWorkingFolder.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnMigrationExport.h"
#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"

#include <deque>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace ziptest;

namespace {

// An export whose drive check meets the given errors first, then looks at the disk.
class ScriptedDriveExport : public ZnMigrationExport {
public:
    using ZnMigrationExport::ZnMigrationExport;
    mutable std::deque<DWORD> driveErrors;

protected:
    DWORD LookForEntries(const CString& pattern) const override
    {
        if (driveErrors.empty())
            return ZnMigrationExport::LookForEntries(pattern);
        DWORD error = driveErrors.front();
        driveErrors.pop_front();
        return error;
    }
};

// Every test: no zip library bound, message boxes recorded, a working folder and a destination.
class PrepareFolderTest : public ZipTest {
protected:
    CString Destination() const { return LinuxPathToWin(destination_.Path()).c_str(); }
    std::string DestinationPath(const std::string& relative = "") const
    {
        return relative.empty() ? destination_.Path() : destination_.Path() + "/" + relative;
    }

    testsupport::TempWorkingFolder work_;
    TempFolder destination_;
};

const char kCannotOutput[] = "データを出力できません。下記をご確認ください。\n"
                             "①   メディアが書き込み禁止になっている。\n"
                             "②   Kelmoでは出力できないドライブを指定している。";

} // namespace

// A missing folder is made and an existing one emptied; a marker is an empty file, and one that
// cannot be opened is told.
TEST_F(PrepareFolderTest, FoldersAreMadeOrEmptiedAndMarkersWritten)
{
    ZnMigrationExport exporter(Destination());
    EXPECT_EQ(1, exporter.PrepareFolder(Destination(), "物件 A"));
    EXPECT_EQ((std::vector<std::string>{u8"物件 A"}), FolderNames(DestinationPath()));
    WriteBytes(DestinationPath(u8"物件 A/物件情報.xml"), "old");
    WriteBytes(DestinationPath(u8"物件 A/marker"), "");
    // The destination with a trailing separator, as the exports pass it.
    EXPECT_EQ(1, exporter.PrepareFolder(Destination() + "\\", "物件 A"));
    EXPECT_TRUE(exporter.WriteMarkerFile(Destination(), "Pellori_1_1_0_物件データ"));
    EXPECT_EQ(Messages_t(), Messages());
    EXPECT_FALSE(exporter.HasFailed());

    EXPECT_FALSE(exporter.WriteMarkerFile(Destination() + "\\missing", "Pellori_1_1_0_物件データ"));
    EXPECT_EQ((Messages_t{{"ファイルのオープンに失敗しました。", MB_ICONSTOP}}), Messages());
    EXPECT_EQ((std::map<std::string, std::string>{{u8"Pellori_1_1_0_物件データ", ""}, {u8"物件 A", "<folder>"}}),
              Snapshot(DestinationPath()));
    EXPECT_TRUE(exporter.HasFailed());
}

// Drive problems stop with their texts; an empty destination answers "file not found" and is used.
TEST_F(PrepareFolderTest, DriveProblemsStopWithTheirTextsAndChangeNothing)
{
    WriteBytes(DestinationPath("file"), "data");
    fs::create_directories(DestinationPath(u8"物件/確認申請書_建築物_01"));
    WriteBytes(DestinationPath(u8"物件/確認申請書_建築物_01/申請書データ.xml"), "kept");
    std::map<std::string, std::string> before = Snapshot(DestinationPath());
    ScriptedDriveExport exporter(Destination());
    for (const char* folder : {"\\missing", "\\file", ""})
        EXPECT_EQ(0, exporter.PrepareFolder(Destination() + folder, "物件")) << folder;
    exporter.driveErrors = {ERROR_UNRECOGNIZED_MEDIA, ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND};
    EXPECT_EQ(0, exporter.PrepareFolder(Destination(), "one"));
    EXPECT_EQ(0, exporter.PrepareFolder(Destination(), "two"));
    EXPECT_EQ(1, exporter.PrepareFolder(Destination(), "three"));

    const std::pair<std::string, UINT> cannot = {kCannotOutput, MB_OK | MB_ICONSTOP};
    EXPECT_EQ((Messages_t{cannot, cannot, cannot, {"メディアがフォーマットされていません。", MB_ICONSTOP}, cannot}),
              Messages());
    before["three"] = "<folder>";
    EXPECT_EQ(before, Snapshot(DestinationPath()));
    EXPECT_TRUE(exporter.HasFailed());
}

// A name that is not one folder name, that Windows cannot hold, too long for the disk or held by
// a file or a link touches nothing, and no link is followed; names that only look like those are
// made. A link in a folder that is emptied goes, and what it points at stays.
TEST_F(PrepareFolderTest, ANameThatIsNotOneFolderNameOrCannotBeMadeIsRefusedAndNothingIsTouched)
{
    TempFolder outside;
    WriteBytes(outside.Path("kept.xml"), "kept");
    for (const char* folder : {"a", "b"}) {
        mkdir(DestinationPath(folder).c_str(), 0777);
        symlink(outside.Path().c_str(), DestinationPath(std::string(folder) + "/folder").c_str());
        symlink(outside.Path("kept.xml").c_str(), DestinationPath(std::string(folder) + "/file").c_str());
    }
    symlink(outside.Path("missing").c_str(), DestinationPath("a/dangling").c_str());
    WriteBytes(DestinationPath("a/kept.xml"), "kept");
    WriteBytes(DestinationPath(u8"a/物件"), "a file");
    std::map<std::string, std::string> before = Snapshot(DestinationPath("a"));
    // 90 characters of three UTF-8 bytes each: 270 bytes, more than a Linux name may have.
    CString longName;
    for (int i = 0; i < 90; ++i)
        longName += "あ";

    ZnMigrationExport exporter(Destination() + "\\a");
    Messages_t expected;
    for (const CString& name : {CString(""),      CString("."),        CString(".."),      CString("a\\b"),
                                CString("a/b"),   CString("*"),        CString("表?"),     CString("物件"),
                                longName,         CString("a\tb"),     CString("a\nb"),    CString("\x01"),
                                CString("a:b"),   CString("a<b"),      CString("a|b"),     CString("\"a\""),
                                CString("物件."), CString("物件 "),    CString("CON"),     CString("prn"),
                                CString("Aux"),   CString("nul.txt"),  CString("COM1"),    CString("com9.tar.gz"),
                                CString("LPT1"),  CString("lpt9 .log"), CString("folder"), CString("FOLDER"),
                                CString("file"),  CString("dangling")}) {
        EXPECT_EQ(0, exporter.PrepareFolder(Destination() + "\\a", name)) << name.Bytes();
        expected.push_back({std::string("物件") + name.Bytes() + "ディレクトリの作成に失敗しました。", MB_ICONSTOP});
    }
    // A NUL would cut the name on the disk: the part before it is never made.
    EXPECT_EQ(0, exporter.PrepareFolder(Destination() + "\\a", CString(std::string("new\0name", 8))));
    expected.push_back({"物件new", MB_ICONSTOP});
    EXPECT_EQ(expected, Messages());
    EXPECT_EQ(before, Snapshot(DestinationPath("a")));

    // A trail byte 5C or 7C is part of its character; device names only as whole names.
    for (const char* name : {"表", "ソ", "ポ", "COM10", "CONSOLE", "LPT0x", "a.b", "AUXILIARY.txt"})
        EXPECT_EQ(1, exporter.PrepareFolder(Destination() + "\\a", name)) << name;
    EXPECT_EQ(1, exporter.PrepareFolder(Destination(), "b"));
    EXPECT_EQ(expected, Messages());
    EXPECT_TRUE(fs::is_empty(DestinationPath("b")));
    EXPECT_EQ((std::map<std::string, std::string>{{"kept.xml", "kept"}}), Snapshot(outside.Path()));
}

TEST_F(PrepareFolderTest, ADriveThatIsNotReadyMayBeRetriedOrGivenUp)
{
    ScriptedUi answers;
    for (int answer : {IDRETRY, IDRETRY, IDCANCEL})
        answers.AnswerMessageBox(answer);
    ScriptedDriveExport exporter(Destination());
    exporter.driveErrors = {ERROR_NOT_READY, ERROR_NOT_READY};
    EXPECT_EQ(1, exporter.PrepareFolder(Destination(), "retried"));
    EXPECT_FALSE(exporter.HasFailed());
    exporter.driveErrors = {ERROR_NOT_READY};
    EXPECT_EQ(0, exporter.PrepareFolder(Destination(), "cancelled"));
    EXPECT_TRUE(exporter.HasFailed());
    ASSERT_EQ(3u, answers.messageBoxes.size());
    for (const MessageBoxRequest& box : answers.messageBoxes) {
        EXPECT_EQ(CString(kCannotOutput), box.text);
        EXPECT_EQ(UINT(MB_RETRYCANCEL | MB_ICONSTOP), box.type & (MB_TYPEMASK | MB_ICONMASK));
    }
    EXPECT_EQ((std::vector<std::string>{"retried"}), FolderNames(DestinationPath()));
}
