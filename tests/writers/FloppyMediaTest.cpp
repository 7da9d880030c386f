// The floppy medium: its check, the folders it is given, and the map bitmaps copied onto it.
#include "tests/writers/FloppyTestSupport.h"

#include "platform/core/WinError.h"
#include "platform/files/WinDrive.h"
#include "writers/ZnAppDocFDOut00.h"

#include <deque>
#include <filesystem>

using namespace floppytest;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::WriteFileBytes;
using ziptest::Snapshot;

namespace {

const char kMediaText[] = "データを出力できません。下記をご確認ください。\n"
                          "①   メディア（フロッピーなど）が入っていない。\n"
                          "②   メディアが書き込み禁止になっている。\n"
                          "③   Kelmoでは出力できないドライブを指定している。";
const char kFolderNotCreatedText[] = "申請用ディレクトリの作成に失敗しました。";

// Output support whose medium check meets the given Win32 errors first, then looks at the disk.
class ScriptedMedium : public ZnAppDocFDOut00 {
public:
    mutable std::deque<DWORD> errors;
    mutable int searches = 0;

protected:
    DWORD LookForEntries(const CString& pattern) const override
    {
        ++searches;
        if (errors.empty())
            return ZnAppDocFDOut00::LookForEntries(pattern);
        DWORD error = errors.front();
        errors.pop_front();
        return error;
    }
};

class FloppyMediaTest : public FloppyTest {
protected:
    // A root that holds files in the three folders that a preparation empties, and things of its own.
    void FillRoot()
    {
        for (const char* folder : {"Keikaku", "Sinsei", "Info", "Other"})
            mkdir(RootPath(folder).c_str(), 0777);
        for (const char* file : {"Keikaku/Ksq001.110", "Keikaku/~002.xml", "Sinsei/filename", "Info/filename.iba",
                                 "Other/kept.txt", "kept.txt"})
            WriteFileBytes(RootPath(file), file);
    }
    // The root prepared: the three folders empty, the rest as it was.
    std::map<std::string, std::string> Prepared(std::map<std::string, std::string> files)
    {
        for (const char* file : {"Keikaku/Ksq001.110", "Keikaku/~002.xml", "Sinsei/filename", "Info/filename.iba"})
            files.erase(file);
        for (const char* folder : {"Keikaku", "Sinsei", "Info"})
            files[folder] = "<folder>";
        return files;
    }
    CString Fixture(const char* name, const std::string& bytes)
    {
        WriteFileBytes(register_.Path(name), bytes);
        return WinPath(register_.Path(name));
    }
};

} // namespace

// The drive's answers through the seam: "file not found" passes, an unformatted medium and any
// other error stop, a drive that is not ready asks until it answers or the user cancels. Nothing
// is deleted or created after a failed check.
TEST_F(FloppyMediaTest, TheMediumCheckTakesTheDrivesAnswers)
{
    const UINT stop = MB_OK | MB_ICONSTOP, retry = MB_RETRYCANCEL | MB_ICONSTOP;
    struct {
        std::deque<DWORD> errors;
        std::vector<int> answers;
        int result;
        int searches; // a retry searches again; the last one here is the disk's own
        Messages_t messages;
    } cases[] = {
        {{ERROR_FILE_NOT_FOUND}, {}, 1, 1, {}},
        {{ERROR_UNRECOGNIZED_MEDIA}, {IDOK}, 0, 1, {{"フロッピーがフォーマットされていません。", MB_ICONSTOP}}},
        {{ERROR_NOT_READY, ERROR_NOT_READY}, {IDRETRY, IDRETRY}, 1, 3, {{kMediaText, retry}, {kMediaText, retry}}},
        {{ERROR_NOT_READY}, {IDCANCEL}, 0, 1, {{kMediaText, retry}}},
        {{ERROR_ACCESS_DENIED}, {IDOK}, 0, 1, {{kMediaText, stop}}},
        {{ERROR_PATH_NOT_FOUND}, {IDOK}, 0, 1, {{kMediaText, stop}}},
    };
    FillRoot();
    const std::map<std::string, std::string> before = Snapshot(RootPath());
    for (auto& c : cases) {
        SCOPED_TRACE(c.errors.front());
        for (int answer : c.answers)
            ui_.AnswerMessageBox(answer);
        ScriptedMedium medium;
        medium.errors = c.errors;
        EXPECT_EQ(c.result, medium.PrepareMedia(Root(), "Keikaku"));
        EXPECT_EQ(c.searches, medium.searches);
        EXPECT_EQ(c.messages, TakeMessages());
        EXPECT_EQ(c.result ? Prepared(before) : before, Snapshot(RootPath()));
        FillRoot();
    }
}

// The folders are emptied of files or made, the rest of the root is left alone; an empty folder
// is a medium that can be read.
TEST_F(FloppyMediaTest, PreparationEmptiesOrMakesItsThreeFoldersAndNothingElse)
{
    FillRoot();
    std::map<std::string, std::string> before = Snapshot(RootPath());
    EXPECT_EQ(1, ZnAppDocFDOut00().PrepareMedia(Root(), "Keikaku"));
    EXPECT_EQ(Prepared(before), Snapshot(RootPath()));

    TempFolder empty;
    EXPECT_EQ(1, ZnAppDocFDOut00().PrepareMedia(WinPath(empty.Path()), "Keikaku"));
    EXPECT_EQ(
        (std::map<std::string, std::string>{{"Keikaku", "<folder>"}, {"Sinsei", "<folder>"}, {"Info", "<folder>"}}),
        Snapshot(empty.Path()));
    EXPECT_EQ(Messages_t(), TakeMessages());
}

// Real failures: a folder inside a folder to be emptied, a file where a folder must be, a drive
// without a folder. What was deleted before the failure stays deleted; nothing is made.
TEST_F(FloppyMediaTest, FoldersThatCannotBeEmptiedOrMadeStopThePreparation)
{
    FillRoot();
    mkdir(RootPath("Sinsei/sub").c_str(), 0777);
    WriteFileBytes(RootPath("Sinsei/z.txt"), "after the folder");
    std::map<std::string, std::string> expected = Snapshot(RootPath());
    ui_.AnswerMessageBox(IDOK);
    EXPECT_EQ(0, ZnAppDocFDOut00().PrepareMedia(Root(), "Keikaku"));
    EXPECT_EQ((Messages_t{{kMediaText, MB_OK | MB_ICONSTOP}}), TakeMessages());
    expected.erase("Keikaku/Ksq001.110");
    expected.erase("Keikaku/~002.xml");
    expected.erase("Sinsei/filename"); // before "sub" in name order
    EXPECT_EQ(expected, Snapshot(RootPath()));

    TempFolder blocked;
    WriteFileBytes(blocked.Path("Info"), "a file");
    ui_.AnswerMessageBox(IDOK);
    EXPECT_EQ(0, ZnAppDocFDOut00().PrepareMedia(WinPath(blocked.Path()), "Keikaku"));
    EXPECT_EQ((Messages_t{{kFolderNotCreatedText, MB_OK | MB_ICONSTOP}}), TakeMessages());
    EXPECT_EQ("a file", ReadFileBytes(blocked.Path("Info")));

    SetDriveFolder('A', "");
    ui_.AnswerMessageBox(IDOK);
    EXPECT_EQ(0, ZnAppDocFDOut00().PrepareMedia("A:", "Keikaku"));
    ResetDriveTable();
    EXPECT_EQ((Messages_t{{kMediaText, MB_OK | MB_ICONSTOP}}), TakeMessages());
}

// Both map folders are prepared even without maps; each map is copied byte for byte onto the
// medium and into the property's folder, under the names of the object kind, replacing an older
// copy there; a map picked from the property's own copy stays as it is.
TEST_F(FloppyMediaTest, MapsAreCopiedUnderTheNamesOfTheObjectKind)
{
    std::string siteMap = ReadHexFixture("writers/bitmap_info40_1x1.hex");
    std::string layout = ReadHexFixture("writers/bitmap_core12_4x4.hex");
    CString siteMapPath = Fixture(u8"見取図.bmp", siteMap), layoutPath = Fixture("layout.bmp", layout);
    for (const char* folder : {"Mitori", "Haichi"})
        mkdir(RootPath(folder).c_str(), 0777);
    WriteFileBytes(RootPath("Mitori/old.bmp"), "old");
    EXPECT_EQ(1, ZnAppDocFDOut00().CopyMapBitmaps(Root(), "", ""));
    EXPECT_EQ((std::map<std::string, std::string>{{"Mitori", "<folder>"}, {"Haichi", "<folder>"}}),
              Snapshot(RootPath()));

    struct {
        int objKind;
        const char* siteMapName;
        const char* layoutName;
    } kinds[] = {
        {1023, "Ksq310.bmp", "Ksq330.bmp"}, {1009, "Ksq310.bmp", "Ksq330.bmp"}, {1012, "Ksq320.bmp", "Ksq340.bmp"}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.objKind);
        shell_.objKind = kind.objKind;
        WriteFileBytes(PropertyPath(kind.siteMapName), "older map");
        EXPECT_EQ(1, ZnAppDocFDOut00().CopyMapBitmaps(Root(), siteMapPath, layoutPath));
        EXPECT_EQ((std::map<std::string, std::string>{{"Mitori", "<folder>"},
                                                      {"Haichi", "<folder>"},
                                                      {std::string("Mitori/") + kind.siteMapName, siteMap},
                                                      {std::string("Haichi/") + kind.layoutName, layout}}),
                  Snapshot(RootPath()));
        EXPECT_EQ(siteMap, ReadFileBytes(PropertyPath(kind.siteMapName)));
        EXPECT_EQ(layout, ReadFileBytes(PropertyPath(kind.layoutName)));
    }

    // The property keeps its maps under these names, so they are picked again.
    EXPECT_EQ(1, ZnAppDocFDOut00().CopyMapBitmaps(Root(), WinPath(PropertyPath("Ksq320.bmp")), ""));
    EXPECT_EQ(siteMap, ReadFileBytes(PropertyPath("Ksq320.bmp")));
    EXPECT_EQ(siteMap, ReadFileBytes(RootPath("Mitori/Ksq320.bmp")));
    EXPECT_EQ(Messages_t(), TakeMessages());
}

// A map that is no bitmap the output takes, or that cannot be copied whole, stops with the map's
// own message; no cut-off copy stands under its name.
TEST_F(FloppyMediaTest, MapsThatAreRefusedOrCannotBeCopiedStopWithTheirMessage)
{
    shell_.objKind = 1023;
    std::string bitmap = ReadHexFixture("writers/bitmap_info40_1x1.hex");
    CString good = Fixture("good.bmp", bitmap), large = Fixture("large.bmp", bitmap + std::string(5000, '\x55'));
    CString missing = WinPath(register_.Path("missing.bmp"));
    struct {
        CString siteMap, layout;
        const char* message;
        rlim_t sizeLimit;
    } cases[] = {
        {Fixture("v5.bmp", ReadHexFixture("writers/bitmap_v5_header.hex")), good,
         "この見取図のビットマップファイルはサポートされない形式です。", RLIM_INFINITY},
        {good, Fixture("short.bmp", ReadHexFixture("writers/bitmap_short20.hex")),
         "この配置図のビットマップファイルはサポートされない形式です。", RLIM_INFINITY},
        {missing, "", "この見取図のビットマップファイルはサポートされない形式です。", RLIM_INFINITY},
        {large, "", "見取図のファイルコピーに失敗しました。", 1000},
        {"", large, "配置図のファイルコピーに失敗しました。", 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ui_.AnswerMessageBox(IDOK);
        {
            ziptest::FileSizeLimit limit(c.sizeLimit);
            EXPECT_EQ(0, ZnAppDocFDOut00().CopyMapBitmaps(Root(), c.siteMap, c.layout));
        }
        EXPECT_EQ((Messages_t{{c.message, MB_OK | MB_ICONSTOP}}), TakeMessages());
        std::map<std::string, std::string> expected = {{"Mitori", "<folder>"}, {"Haichi", "<folder>"}};
        if (c.layout.IsEmpty() == false && c.siteMap == good)
            expected["Mitori/Ksq310.bmp"] = bitmap; // the site map went before the layout failed
        EXPECT_EQ(expected, Snapshot(RootPath()));
    }

    // A copy into a property folder that is missing: what went onto the medium stays.
    std::filesystem::remove_all(PropertyPath());
    ui_.AnswerMessageBox(IDOK);
    EXPECT_EQ(0, ZnAppDocFDOut00().CopyMapBitmaps(Root(), good, good));
    EXPECT_EQ((Messages_t{{"見取図のファイルコピーに失敗しました。", MB_OK | MB_ICONSTOP}}), TakeMessages());
    EXPECT_EQ((std::map<std::string, std::string>{
                  {"Mitori", "<folder>"}, {"Haichi", "<folder>"}, {"Mitori/Ksq310.bmp", bitmap}}),
              Snapshot(RootPath()));
}
