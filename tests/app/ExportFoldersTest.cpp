// The export folders: preparing a folder under the destination with its drive check, the marker.
#include "tests/support/TempWorkingFolder.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnMigrationExport.h"
#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"
#include "writers/XmlText.h"
#include "writers/zip/ZipPacking.h"

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

// A missing folder is made and held: what is written through the handle's path lands in it even
// after its name has gone elsewhere. A marker is an empty file, and one that cannot be opened is
// told.
TEST_F(PrepareFolderTest, FoldersAreMadeAndHeldAndMarkersWrittenThroughTheHandle)
{
    ZnMigrationExport exporter(Destination());
    WinFolderHandle folder;
    // The destination with a trailing separator, as the exports pass it.
    EXPECT_EQ(1, exporter.PrepareFolder(Destination() + "\\", "物件 A", folder));
    EXPECT_TRUE(exporter.WriteMarkerFile(folder.GetPath(), "Pellori_1_1_0_物件データ"));
    ASSERT_EQ(0, rename(DestinationPath(u8"物件 A").c_str(), DestinationPath("moved").c_str()));
    EXPECT_TRUE(exporter.WriteMarkerFile(folder.GetPath(), "second"));
    EXPECT_EQ(Messages_t(), Messages());
    EXPECT_FALSE(exporter.HasFailed());

    EXPECT_FALSE(exporter.WriteMarkerFile(Destination() + "\\missing", "Pellori_1_1_0_物件データ"));
    EXPECT_EQ((Messages_t{{"ファイルのオープンに失敗しました。", MB_ICONSTOP}}), Messages());
    EXPECT_EQ((std::map<std::string, std::string>{
                  {"moved", "<folder>"}, {u8"moved/Pellori_1_1_0_物件データ", ""}, {"moved/second", ""}}),
              Snapshot(DestinationPath()));
    EXPECT_TRUE(exporter.HasFailed());
}

// A folder of the name that exists already, in any case of its letters, is refused as a folder
// that cannot be made: nothing in it is deleted, least of all by a name such as "..\c" that a
// Windows path would take for a file beside it.
TEST_F(PrepareFolderTest, AFolderOfTheNameThatExistsIsRefusedAndNothingInItOrBesideItIsTouched)
{
    fs::create_directories(DestinationPath("Taken/sub"));
    for (const char* name : {"Taken/..\\c", "Taken/..\\..\\victim.txt", "Taken/kept.xml", "c", "victim.txt"})
        WriteBytes(DestinationPath(name), name);
    std::map<std::string, std::string> before = Snapshot(DestinationPath());
    ZnMigrationExport exporter(Destination());
    WinFolderHandle folder;
    for (const char* name : {"Taken", "TAKEN", "taken"})
        EXPECT_EQ(0, exporter.PrepareFolder(Destination(), name, folder)) << name;
    EXPECT_FALSE(folder.IsOpen());
    EXPECT_EQ((Messages_t{{"物件Takenディレクトリの作成に失敗しました。", MB_ICONSTOP},
                          {"物件TAKENディレクトリの作成に失敗しました。", MB_ICONSTOP},
                          {"物件takenディレクトリの作成に失敗しました。", MB_ICONSTOP}}),
              Messages());
    EXPECT_EQ(before, Snapshot(DestinationPath()));
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
    WinFolderHandle folder;
    for (const char* parent : {"\\missing", "\\file"})
        EXPECT_EQ(0, exporter.PrepareFolder(Destination() + parent, "物件", folder)) << parent;
    exporter.driveErrors = {ERROR_UNRECOGNIZED_MEDIA, ERROR_ACCESS_DENIED, ERROR_FILE_NOT_FOUND};
    EXPECT_EQ(0, exporter.PrepareFolder(Destination(), "one", folder));
    EXPECT_EQ(0, exporter.PrepareFolder(Destination(), "two", folder));
    EXPECT_EQ(1, exporter.PrepareFolder(Destination(), "three", folder));

    const std::pair<std::string, UINT> cannot = {kCannotOutput, MB_OK | MB_ICONSTOP};
    EXPECT_EQ((Messages_t{cannot, cannot, {"メディアがフォーマットされていません。", MB_ICONSTOP}, cannot}),
              Messages());
    before["three"] = "<folder>";
    EXPECT_EQ(before, Snapshot(DestinationPath()));
    EXPECT_TRUE(exporter.HasFailed());
}

// A name that is not one folder name, that Windows cannot hold, too long for the disk or held by
// a file, a folder or a link touches nothing, and no link is followed; names that only look like
// those are made.
TEST_F(PrepareFolderTest, ANameThatIsNotOneFolderNameOrCannotBeMadeIsRefusedAndNothingIsTouched)
{
    TempFolder outside;
    WriteBytes(outside.Path("kept.xml"), "kept");
    mkdir(DestinationPath("a").c_str(), 0777);
    symlink(outside.Path().c_str(), DestinationPath("a/folder").c_str());
    symlink(outside.Path("kept.xml").c_str(), DestinationPath("a/file").c_str());
    fs::create_directory(DestinationPath("a/made"));
    symlink(outside.Path("missing").c_str(), DestinationPath("a/dangling").c_str());
    WriteBytes(DestinationPath("a/kept.xml"), "kept");
    WriteBytes(DestinationPath(u8"a/物件"), "a file");
    std::map<std::string, std::string> before = Snapshot(DestinationPath("a"));
    // 90 characters of three UTF-8 bytes each: 270 bytes, more than a Linux name may have.
    CString longName;
    for (int i = 0; i < 90; ++i)
        longName += "あ";

    ZnMigrationExport exporter(Destination() + "\\a");
    WinFolderHandle folder;
    Messages_t expected;
    for (const CString& name : {CString(""),      CString("."),         CString(".."),     CString("a\\b"),
                                CString("a/b"),   CString("*"),         CString("表?"),    CString("物件"),
                                longName,         CString("a\tb"),      CString("a\nb"),   CString("\x01"),
                                CString("a:b"),   CString("a<b"),       CString("a|b"),    CString("\"a\""),
                                CString("物件."), CString("物件 "),     CString("CON"),    CString("prn"),
                                CString("Aux"),   CString("nul.txt"),   CString("COM1"),   CString("com9.tar.gz"),
                                CString("LPT1"),  CString("lpt9 .log"), CString("folder"), CString("FOLDER"),
                                CString("file"),  CString("dangling"),  CString("made"),   CString("MADE")}) {
        EXPECT_EQ(0, exporter.PrepareFolder(Destination() + "\\a", name, folder)) << name.Bytes();
        expected.push_back({std::string("物件") + name.Bytes() + "ディレクトリの作成に失敗しました。", MB_ICONSTOP});
    }
    // A NUL would cut the name on the disk: the part before it is never made.
    EXPECT_EQ(0, exporter.PrepareFolder(Destination() + "\\a", CString(std::string("new\0name", 8)), folder));
    expected.push_back({"物件new", MB_ICONSTOP});
    EXPECT_EQ(expected, Messages());
    EXPECT_EQ(before, Snapshot(DestinationPath("a")));

    // A trail byte 5C or 7C is part of its character; device names only as whole names.
    for (const char* name : {"表", "ソ", "ポ", "COM10", "CONSOLE", "LPT0x", "a.b", "AUXILIARY.txt"})
        EXPECT_EQ(1, exporter.PrepareFolder(Destination() + "\\a", name, folder)) << name;
    EXPECT_EQ(expected, Messages());
    EXPECT_EQ((std::map<std::string, std::string>{{"kept.xml", "kept"}}), Snapshot(outside.Path()));
}

TEST_F(PrepareFolderTest, ADriveThatIsNotReadyMayBeRetriedOrGivenUp)
{
    ScriptedUi answers;
    for (int answer : {IDRETRY, IDRETRY, IDCANCEL})
        answers.AnswerMessageBox(answer);
    ScriptedDriveExport exporter(Destination());
    exporter.driveErrors = {ERROR_NOT_READY, ERROR_NOT_READY};
    WinFolderHandle folder;
    EXPECT_EQ(1, exporter.PrepareFolder(Destination(), "retried", folder));
    EXPECT_FALSE(exporter.HasFailed());
    exporter.driveErrors = {ERROR_NOT_READY};
    EXPECT_EQ(0, exporter.PrepareFolder(Destination(), "cancelled", folder));
    EXPECT_TRUE(exporter.HasFailed());
    ASSERT_EQ(3u, answers.messageBoxes.size());
    for (const MessageBoxRequest& box : answers.messageBoxes) {
        EXPECT_EQ(CString(kCannotOutput), box.text);
        EXPECT_EQ(UINT(MB_RETRYCANCEL | MB_ICONSTOP), box.type & (MB_TYPEMASK | MB_ICONMASK));
    }
    EXPECT_EQ((std::vector<std::string>{"retried"}), FolderNames(DestinationPath()));
}

namespace {

// A reference-data export whose sections are one fixed line, and where a racer swaps the export's
// folder for a link to a folder outside the destination at one of its steps, moving the folder
// itself to a place of the racer's.
class SwappedFolderExport : public ZnMigrationExport {
public:
    SwappedFolderExport(const CString& destination, const std::string& destinationPath, FolderStep swapAt,
                        const std::string& outside, const std::string& moved)
        : ZnMigrationExport(destination), destination_(destinationPath), swapAt_(swapAt), outside_(outside),
          moved_(moved)
    {
    }

protected:
    void WriteCommonDataSections(const CString&, XmlText& xml) override { xml.Literal("<a/>\n"); }
    void BeforeFolderStep(FolderStep step) override
    {
        if (step != swapAt_)
            return;
        for (const std::string& name : FolderNames(destination_))
            if (fs::is_directory(fs::symlink_status(destination_ + "/" + name))) {
                ASSERT_EQ(0, rename((destination_ + "/" + name).c_str(), moved_.c_str()));
                ASSERT_EQ(0, symlink(outside_.c_str(), (destination_ + "/" + name).c_str()));
            }
    }

private:
    std::string destination_;
    FolderStep swapAt_;
    std::string outside_, moved_;
};

} // namespace

// Wherever the folder is swapped, nothing outside the destination is written, packed or removed:
// the files go on into the folder itself wherever it now is, and the packing or the removal
// refuses the link.
TEST_F(PrepareFolderTest, AFolderSwappedForALinkChangesNothingOutsideTheDestination)
{
    SetInstallPath(LinuxPathToWin(AppFolder()).c_str());
    ASSERT_EQ(1, LoadZipLibrary());
    TempFolder outside, racer;
    WriteBytes(outside.Path("precious.txt"), "precious");
    fs::create_directory(outside.Path("sub"));
    WriteBytes(outside.Path("sub/precious2.txt"), "precious too");
    std::map<std::string, std::string> before = Snapshot(outside.Path());

    for (auto step :
         {ZnMigrationExport::writingFolder, ZnMigrationExport::packingFolder, ZnMigrationExport::removingFolder}) {
        SCOPED_TRACE(step);
        fs::remove_all(DestinationPath());
        fs::create_directory(DestinationPath());
        fs::remove_all(racer.Path("moved"));
        ClearMessages();
        SwappedFolderExport exporter(Destination(), DestinationPath(), step, outside.Path(), racer.Path("moved"));
        EXPECT_FALSE(exporter.ExportCommonData(""));
        EXPECT_TRUE(exporter.HasFailed());
        EXPECT_EQ(before, Snapshot(outside.Path()));

        // The folder made and held, with what was written into it, or emptied by the packing.
        bool packed = step == ZnMigrationExport::removingFolder;
        std::vector<std::string> names = FolderNames(DestinationPath());
        ASSERT_EQ(packed ? 2u : 1u, names.size()); // the link, and the archive after it
        EXPECT_TRUE(fs::is_symlink(DestinationPath(names.front())));
        if (packed) {
            EXPECT_EQ((std::map<std::string, std::string>{
                          {"Pellori_1_1_0_共通データ", ""},
                          {"共通データ.xml",
                           u8"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<共通データ>\n<a/>\n</共通データ>\n"}}),
                      ziptest::ArchiveEntries(DestinationPath(names.back())));
        }
        std::vector<std::string> written = {u8"Pellori_1_1_0_共通データ", u8"共通データ.xml"};
        EXPECT_EQ(packed ? std::vector<std::string>() : written, FolderNames(racer.Path("moved")));
        EXPECT_EQ(packed ? Messages_t() : Messages_t({{"ZpArchiveでエラー発生", MB_OK}}), Messages());
    }
    UnloadZipLibrary();
}
