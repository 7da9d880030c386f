// The floppy medium: its check, the folders it is given, and the map bitmaps copied onto it.
#include "tests/writers/FloppyTestSupport.h"

#include "platform/core/WinError.h"
#include "platform/files/WinDrive.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/fdoutput/ZnFloppyMedium.h"

#include <deque>
#include <filesystem>

using namespace floppytest;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::WriteFileBytes;
using ziptest::Snapshot;
using Files = std::map<std::string, std::string>;

namespace {

const char kMediaText[] = "データを出力できません。下記をご確認ください。\n"
                          "①   メディア（フロッピーなど）が入っていない。\n"
                          "②   メディアが書き込み禁止になっている。\n"
                          "③   Kelmoでは出力できないドライブを指定している。";
const UINT kStop = MB_OK | MB_ICONSTOP;

// A medium whose check meets the given Win32 errors first, then looks at the disk.
class ScriptedMedium : public ZnFloppyMedium {
public:
    mutable std::deque<DWORD> errors;
    mutable int searches = 0;

protected:
    DWORD LookForEntries(const CString& pattern) const override
    {
        ++searches;
        if (errors.empty())
            return ZnFloppyMedium::LookForEntries(pattern);
        DWORD error = errors.front();
        errors.pop_front();
        return error;
    }
};

class FloppyMediaTest : public FloppyTest {
protected:
    // Files in the three folders that a preparation empties, and things of the root's own.
    void FillRoot()
    {
        for (const char* folder : {"Keikaku", "Sinsei", "Info", "Other"})
            mkdir(RootPath(folder).c_str(), 0777);
        for (const char* file : {"Keikaku/Ksq001.110", "Sinsei/filename", "Info/filename.iba", "Other/a", "kept"})
            WriteFileBytes(RootPath(file), file);
    }
    Files Prepared(Files files)
    {
        for (const char* file : {"Keikaku/Ksq001.110", "Sinsei/filename", "Info/filename.iba"})
            files.erase(file);
        return files;
    }
    CString Map(const char* name, const std::string& bytes)
    {
        WriteFileBytes(register_.Path(name), bytes);
        return WinPath(register_.Path(name));
    }
};

} // namespace

// The drive's answers through the seam: "file not found" passes, an unformatted medium and any
// other error stop, a drive that is not ready asks until it answers or the user cancels. A
// preparation empties or makes its three folders and leaves the rest; after a failed check nothing
// is deleted or made. An empty root passes the check on the disk.
TEST_F(FloppyMediaTest, TheMediumCheckTakesTheDrivesAnswers)
{
    const UINT retry = MB_RETRYCANCEL | MB_ICONSTOP;
    struct {
        std::deque<DWORD> errors;
        std::vector<int> answers;
        int result, searches; // a retry searches again, the last time here on the disk
        Messages_t messages;
    } cases[] = {
        {{ERROR_FILE_NOT_FOUND}, {}, 1, 1, {}},
        {{ERROR_UNRECOGNIZED_MEDIA}, {IDOK}, 0, 1, {{"フロッピーがフォーマットされていません。", MB_ICONSTOP}}},
        {{ERROR_NOT_READY, ERROR_NOT_READY}, {IDRETRY, IDRETRY}, 1, 3, {{kMediaText, retry}, {kMediaText, retry}}},
        {{ERROR_NOT_READY}, {IDCANCEL}, 0, 1, {{kMediaText, retry}}},
        {{ERROR_ACCESS_DENIED}, {IDOK}, 0, 1, {{kMediaText, kStop}}},
        {{ERROR_PATH_NOT_FOUND}, {IDOK}, 0, 1, {{kMediaText, kStop}}},
    };
    FillRoot();
    const Files before = Snapshot(RootPath());
    for (auto& c : cases) {
        SCOPED_TRACE(c.errors.front());
        for (int answer : c.answers)
            ui_.AnswerMessageBox(answer);
        ScriptedMedium medium;
        medium.errors = c.errors;
        EXPECT_EQ(c.result, medium.Prepare(Root(), "Keikaku"));
        EXPECT_EQ(c.searches, medium.searches);
        EXPECT_EQ(c.messages, TakeMessages());
        EXPECT_EQ(c.result ? Prepared(before) : before, Snapshot(RootPath()));
        FillRoot();
    }
    TempFolder empty;
    EXPECT_EQ(1, ZnAppDocFDOut00().PrepareMedia(WinPath(empty.Path()), "Keikaku"));
    EXPECT_EQ((Files{{"Keikaku", "<folder>"}, {"Sinsei", "<folder>"}, {"Info", "<folder>"}}), Snapshot(empty.Path()));
}

// A folder inside a folder to be emptied, a file where a folder must be, a drive without a folder:
// each stops with its message; what was deleted before stays deleted, and nothing is made.
TEST_F(FloppyMediaTest, FoldersThatCannotBeEmptiedOrMadeStopThePreparation)
{
    FillRoot();
    mkdir(RootPath("Sinsei/sub").c_str(), 0777);
    WriteFileBytes(RootPath("Sinsei/z"), "after the folder in name order");
    Files expected = Snapshot(RootPath());
    expected.erase("Keikaku/Ksq001.110");
    expected.erase("Sinsei/filename");
    TempFolder blocked;
    WriteFileBytes(blocked.Path("Info"), "a file");
    SetDriveFolder('A', "");
    for (int i = 0; i < 3; ++i)
        ui_.AnswerMessageBox(IDOK);
    EXPECT_EQ(0, ZnAppDocFDOut00().PrepareMedia(Root(), "Keikaku"));
    EXPECT_EQ(0, ZnAppDocFDOut00().PrepareMedia(WinPath(blocked.Path()), "Keikaku"));
    EXPECT_EQ(0, ZnAppDocFDOut00().PrepareMedia("A:", "Keikaku"));
    ResetDriveTable();
    EXPECT_EQ(
        (Messages_t{{kMediaText, kStop}, {"申請用ディレクトリの作成に失敗しました。", kStop}, {kMediaText, kStop}}),
        TakeMessages());
    EXPECT_EQ(expected, Snapshot(RootPath()));
    EXPECT_EQ("a file", ReadFileBytes(blocked.Path("Info")));
}

// The map folders are prepared even without maps. Each map goes byte for byte onto the medium and
// into the property's folder under the names of the object kind, replacing an older copy there; a
// map picked from the property's own copy stays as it is. A map that is no bitmap the output takes,
// or that cannot be copied whole (a full medium, no property folder), stops with the map's own
// message: no cut-off copy is left, and a map that went before stays.
TEST_F(FloppyMediaTest, MapsAreCopiedUnderTheNamesOfTheObjectKindOrRefusedWithTheirMessage)
{
    std::string siteMap = ReadHexFixture("writers/bitmap_info40_1x1.hex");
    std::string layout = ReadHexFixture("writers/bitmap_core12_4x4.hex");
    CString site = Map(u8"見取図.bmp", siteMap), plan = Map("layout.bmp", layout),
            own = WinPath(PropertyPath("Ksq310.bmp"));
    CString large = Map("large.bmp", siteMap + std::string(5000, 'x'));
    CString unsupported = Map("v5.bmp", ReadHexFixture("writers/bitmap_v5_header.hex"));
    mkdir(RootPath("Mitori").c_str(), 0777);
    WriteFileBytes(RootPath("Mitori/old.bmp"), "old");
    WriteFileBytes(PropertyPath("Ksq320.bmp"), "older map");
    struct {
        int objKind;
        CString siteMap, layout;
        const char *siteMapName, *layoutName; // on the medium afterwards
        const char* message;
        rlim_t sizeLimit;
    } cases[] = {
        {1023, "", "", nullptr, nullptr, nullptr, RLIM_INFINITY},
        {1023, site, plan, "Ksq310.bmp", "Ksq330.bmp", nullptr, RLIM_INFINITY},
        {1009, own, plan, "Ksq310.bmp", "Ksq330.bmp", nullptr, RLIM_INFINITY},
        {1012, site, plan, "Ksq320.bmp", "Ksq340.bmp", nullptr, RLIM_INFINITY},
        {1023, unsupported, plan, nullptr, nullptr, "この見取図のビットマップファイルはサポートされない形式です。",
         RLIM_INFINITY},
        {1023, WinPath(register_.Path("missing.bmp")), "", nullptr, nullptr,
         "この見取図のビットマップファイルはサポートされない形式です。", RLIM_INFINITY},
        {1023, site, Map("short.bmp", ReadHexFixture("writers/bitmap_short20.hex")), "Ksq310.bmp", nullptr,
         "この配置図のビットマップファイルはサポートされない形式です。", RLIM_INFINITY},
        {1023, large, "", nullptr, nullptr, "見取図のファイルコピーに失敗しました。", 1000},
        {1023, site, large, "Ksq310.bmp", nullptr, "配置図のファイルコピーに失敗しました。", 1000},
        {1023, site, plan, "Ksq310.bmp", nullptr, "見取図のファイルコピーに失敗しました。", 0}, // no property folder
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.siteMapName ? c.siteMapName : "-");
        shell_.objKind = c.objKind;
        if (c.sizeLimit == 0)
            std::filesystem::remove_all(PropertyPath());
        if (c.message)
            ui_.AnswerMessageBox(IDOK);
        {
            ziptest::FileSizeLimit limit(c.sizeLimit ? c.sizeLimit : RLIM_INFINITY);
            EXPECT_EQ(c.message ? 0 : 1, ZnAppDocFDOut00().CopyMapBitmaps(Root(), c.siteMap, c.layout));
        }
        EXPECT_EQ(c.message ? Messages_t({{c.message, kStop}}) : Messages_t(), TakeMessages());
        Files expected = {{"Mitori", "<folder>"}, {"Haichi", "<folder>"}};
        if (c.siteMapName)
            expected[std::string("Mitori/") + c.siteMapName] = siteMap;
        if (c.layoutName)
            expected[std::string("Haichi/") + c.layoutName] = layout;
        EXPECT_EQ(expected, Snapshot(RootPath()));
        if (!c.message && c.siteMapName) {
            EXPECT_EQ(siteMap, ReadFileBytes(PropertyPath(c.siteMapName)));
            EXPECT_EQ(layout, ReadFileBytes(PropertyPath(c.layoutName)));
        }
    }
    std::filesystem::remove_all(RootPath("Haichi"));
    WriteFileBytes(RootPath("Haichi"), "a file where the map folder must be");
    ui_.AnswerMessageBox(IDOK);
    EXPECT_EQ(0, ZnAppDocFDOut00().CopyMapBitmaps(Root(), site, plan));
    EXPECT_EQ((Messages_t{{"申請用ディレクトリの作成に失敗しました。", kStop}}), TakeMessages());
    EXPECT_EQ((Files{{"Mitori", "<folder>"}, {"Haichi", "a file where the map folder must be"}}), Snapshot(RootPath()));
}
