// The zip library itself: packing a real folder, read back with minizip, and its failures.
#include "tests/writers/ZipTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/process/WinModule.h"
#include "writers/zip/ZipPacking.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace ziptest;
using testsupport::Hex;

namespace {

// The export's reference-data folder: Japanese names, text files with CR LF (one with lone CRs
// and a CR at its very end), an empty file, a binary file and an empty sub-folder.
std::string MakeExportFolder(const std::string& parent)
{
    std::string folder = parent + u8"/共通データ20100903140501";
    fs::create_directories(folder + u8"/物件/空");
    WriteBytes(folder + u8"/共通データ.xml", u8"<a>\r\n値\r\n</a>\r\n");
    WriteBytes(folder + u8"/マーカー", "");
    WriteBytes(folder + u8"/物件/申請書データ.xml", "x\r\r\ny\rz\r\n\r");
    WriteBytes(folder + u8"/物件/図.bmp", std::string("BM\0\r\n\x01", 6));
    std::tm local = {};
    local.tm_year = 110, local.tm_mon = 8, local.tm_mday = 3, local.tm_hour = 14, local.tm_min = 5, local.tm_sec = 8;
    SetTimes(folder, local);
    return folder;
}

// The library's own entries, loaded from the application folder.
struct LibraryEntries {
    LibraryEntries()
    {
        library = LoadLibraryA((LinuxPathToWin(AppFolder()) + "\\zipnorva32.dll").c_str());
        init = reinterpret_cast<ZpInitEntry>(GetProcAddress(library, "ZpInit"));
        setOptions = reinterpret_cast<ZpSetOptionsEntry>(GetProcAddress(library, "ZpSetOptions"));
        archive = reinterpret_cast<ZpArchiveEntry>(GetProcAddress(library, "ZpArchive"));
    }
    ~LibraryEntries() { FreeLibrary(library); }

    // Packs folder + "\*.*" with the export's options into archiveName (relative to the folder).
    int Pack(const std::string& folder, const std::string& archiveName)
    {
        ZpUserFunctions functions = {};
        SetZipUserFunctions(&functions);
        std::string root = LinuxPathToWin(folder);
        std::string name = root + "\\*.*";
        ZpOptions options = {};
        options.rootDir = root.c_str();
        options.crlfToLf = options.move = options.recurse = 1;
        if (!init(&functions) || !setOptions(&options))
            return -1;
        const char* names[] = {name.c_str()};
        return archive({1, archiveName.c_str(), names});
    }

    HMODULE library;
    ZpInitEntry init;
    ZpSetOptionsEntry setOptions;
    ZpArchiveEntry archive;
};

// Each path fsync is asked to flush while a test watches, and whether the sources' folder still
// held them then; with fail set, fsync fails as a failing disk's would.
struct SyncWatch {
    std::string sources;
    std::vector<std::pair<std::string, bool>> synced;
    bool fail = false;
};
SyncWatch* syncWatch = nullptr;

} // namespace

// The process's fsync, the zip library's too (the executable exports it); forwards to the C library's.
extern "C" int fsync(int fd)
{
    using Fsync = int (*)(int);
    static Fsync next = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
    if (syncWatch) {
        char path[4096] = {};
        ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
        syncWatch->synced.push_back({std::string(path, length > 0 ? length : 0), !fs::is_empty(syncWatch->sources)});
        if (syncWatch->fail) {
            errno = EIO;
            return -1;
        }
    }
    return next(fd);
}

namespace {

class ZipLibraryTest : public ZipTest {
protected:
    void SetUp() override
    {
        ZipTest::SetUp();
        testing::internal::CaptureStdout(); // the library's failure texts
    }
    void TearDown() override
    {
        testing::internal::GetCapturedStdout();
        ZipTest::TearDown();
    }

    // Packs folder with the library's own entries and expects error, with nothing below the
    // temporary parent changed: every source kept, no archive and no partial file.
    void ExpectFailureChangingNothing(const std::string& folder, const std::string& archiveName, int error)
    {
        auto before = Snapshot(parent_.Path());
        LibraryEntries library;
        EXPECT_EQ(error, library.Pack(folder, archiveName));
        EXPECT_EQ(before, Snapshot(parent_.Path()));
    }

    TempFolder parent_;
};

} // namespace

TEST_F(ZipLibraryTest, PacksAJapaneseFolderIntoACp932ArchiveBesideItAndEmptiesIt)
{
    std::string folder = MakeExportFolder(parent_.Path());
    SetInstallPath(LinuxPathToWin(AppFolder()).c_str());
    ASSERT_EQ(1, LoadZipLibrary());
    std::time_t before = std::time(nullptr);
    MakeZip((LinuxPathToWin(folder) + "\\*.*").c_str(), "共通データ");
    std::time_t after = std::time(nullptr);

    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(fs::is_empty(folder));
    std::vector<std::string> names = FolderNames(parent_.Path());
    ASSERT_EQ(2u, names.size()); // the folder and the archive
    std::string archive = names[0] == fs::path(folder).filename() ? names[1] : names[0];
    bool named = false;
    for (std::time_t t = before; t <= after; ++t)
        named = named || archive == u8"共通データ_" + Stamp(t) + ".zip";
    EXPECT_TRUE(named) << archive;

    std::string listing = ArchiveListing(parent_.Path() + "/" + archive);
    EXPECT_EQ(Hex(testsupport::ReadHexFixture("writers/zip_export_folder_listing.hex")), Hex(listing));
}

TEST_F(ZipLibraryTest, UnwritableDestinationLeavesTheFolderAsItWas)
{
    std::string folder = MakeExportFolder(parent_.Path());
    auto before = Snapshot(parent_.Path());
    SetInstallPath(LinuxPathToWin(AppFolder()).c_str());
    ASSERT_EQ(1, LoadZipLibrary());
    MakeZip((LinuxPathToWin(folder) + "\\*.*").c_str(), "無い\\共通データ");

    EXPECT_EQ(Messages_t({{"ZpArchiveでエラー発生", MB_OK}}), Messages());
    EXPECT_EQ(before, Snapshot(parent_.Path()));
}

TEST_F(ZipLibraryTest, ExistingArchiveIsNeitherReplacedNorAddedTo)
{
    std::string folder = MakeExportFolder(parent_.Path());
    WriteBytes(parent_.Path() + u8"/物件データ_20100903140509.zip", "kept");
    ExpectFailureChangingNothing(folder, "..\\物件データ_20100903140509.zip", ZP_ERROR_EXISTS);
}

// The archive and then its folder are flushed to the disk before any source goes; a disk that
// cannot flush them leaves every source and no archive.
TEST_F(ZipLibraryTest, TheArchiveIsOnTheDiskBeforeAnySourceIsRemoved)
{
    std::string folder = MakeExportFolder(parent_.Path());
    SyncWatch watch{folder};
    syncWatch = &watch;
    LibraryEntries library;
    int packed = library.Pack(folder, "..\\out.zip");
    syncWatch = nullptr;
    ASSERT_EQ(ZP_OK, packed);
    ASSERT_EQ(2u, watch.synced.size());
    EXPECT_EQ(0u, watch.synced[0].first.find(parent_.Path() + "/out.zip.")) << watch.synced[0].first;
    EXPECT_EQ(std::make_pair(parent_.Path(), true), watch.synced[1]);
    EXPECT_TRUE(watch.synced[0].second);

    folder = MakeExportFolder(parent_.Path() + "/again");
    watch.fail = true;
    syncWatch = &watch;
    ExpectFailureChangingNothing(folder, "..\\out.zip", ZP_ERROR_WRITE);
    syncWatch = nullptr;
}

// A write that fails part way: PropertyExportEndToEndTest, on a destination that fills up.

TEST_F(ZipLibraryTest, LinkInTheFolderIsRefusedBeforeAnythingIsWritten)
{
    std::string folder = MakeExportFolder(parent_.Path());
    fs::create_symlink(u8"共通データ.xml", folder + u8"/物件/リンク");
    ExpectFailureChangingNothing(folder, "..\\out.zip", ZP_ERROR_SOURCE);
}

TEST_F(ZipLibraryTest, CrLfPairsAcrossReadPiecesBecomeLf)
{
    // "a\r\n" repeated: over 1 MiB, some piece boundary of any power-of-two size falls between
    // a CR and its LF.
    std::string folder = parent_.Path() + "/data";
    fs::create_directories(folder);
    std::string text, expected;
    for (int i = 0; i < 400000; ++i) {
        text += "a\r\n";
        expected += "a\n";
    }
    WriteBytes(folder + "/long.txt", text);
    LibraryEntries library;
    ASSERT_EQ(ZP_OK, library.Pack(folder, "..\\out.zip"));
    std::string listing = ArchiveListing(parent_.Path() + "/out.zip");
    ASSERT_GE(listing.size(), expected.size());
    EXPECT_TRUE(listing.compare(listing.size() - expected.size(), expected.size(), expected) == 0);
    EXPECT_EQ(std::string("\x00\x35\x0C\x00", 4), listing.substr(listing.size() - expected.size() - 4, 4));
}
