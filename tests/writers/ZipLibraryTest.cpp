// The zip library itself: packing a real folder, read back with minizip, and its failures.
#include "tests/writers/ZipTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/process/WinModule.h"
#include "writers/zip/ZipPacking.h"

#include "zipnorva/ZpZip64End.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <unzip.h>
#include <zip.h>

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

    // Packs folder + "\*.*" with the export's options into archiveName (relative to the folder),
    // at the level given as the option record's byte (0: the library's default), with or without
    // folder entries.
    int Pack(const std::string& folder, const std::string& archiveName, char level = 0, bool folderEntries = true)
    {
        return PackNames(folder, archiveName, {LinuxPathToWin(folder) + "\\*.*"}, level, folderEntries);
    }

    // Packs the names (Windows paths, CP932) with folder as the root folder.
    int PackNames(const std::string& folder, const std::string& archiveName, const std::vector<std::string>& names,
                  char level = 0, bool folderEntries = true)
    {
        ZpUserFunctions functions = {};
        SetZipUserFunctions(&functions);
        std::string root = LinuxPathToWin(folder);
        ZpOptions options = {};
        options.rootDir = root.c_str();
        options.crlfToLf = options.move = options.recurse = 1;
        options.level = level;
        options.noDirEntries = folderEntries ? 0 : 1;
        if (!init(&functions) || !setOptions(&options))
            return -1;
        std::vector<const char*> pointers;
        for (const std::string& name : names)
            pointers.push_back(name.c_str());
        return archive({static_cast<int>(pointers.size()), archiveName.c_str(), pointers.data()});
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
    std::function<void(const std::string& path)> whileSyncing; // called with each path flushed
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
        if (syncWatch->whileSyncing)
            syncWatch->whileSyncing(syncWatch->synced.back().first);
        if (syncWatch->fail) {
            errno = EIO;
            return -1;
        }
    }
    return next(fd);
}

namespace {

// While set, changes what the central directory says of an entry as it is read back.
std::function<void(unz_file_info64&, char* name)> readBackChange;

} // namespace

// minizip's, the zip library's too (the executable exports it); forwards to minizip's.
extern "C" int unzGetCurrentFileInfo64(unzFile file, unz_file_info64* info, char* name, uLong nameSize, void* extra,
                                       uLong extraSize, char* comment, uLong commentSize)
{
    using Next = int (*)(unzFile, unz_file_info64*, char*, uLong, void*, uLong, char*, uLong);
    static Next next = reinterpret_cast<Next>(dlsym(RTLD_NEXT, "unzGetCurrentFileInfo64"));
    int result = next(file, info, name, nameSize, extra, extraSize, comment, commentSize);
    if (result == UNZ_OK && info && name && readBackChange)
        readBackChange(*info, name);
    return result;
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
    SyncWatch watch;
    watch.sources = folder;
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

// The central directory read back must name every entry as written, with its size and checksum;
// an archive that does not is refused before anything is removed.
TEST_F(ZipLibraryTest, AnEntryReadBackDifferentlyLeavesEverySourceAndNoArchive)
{
    const std::vector<std::function<void(unz_file_info64&, char*)>> changes = {
        [](unz_file_info64& info, char*) { info.crc ^= 1; },
        [](unz_file_info64& info, char*) { ++info.uncompressed_size; },
        [](unz_file_info64&, char* name) { name[0] ^= 1; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        std::string folder = MakeExportFolder(parent_.Path() + "/" + std::to_string(i));
        readBackChange = [&](unz_file_info64& info, char* name) {
            if (std::string(name, info.size_filename) == "物件/申請書データ.xml") // CP932
                changes[i](info, name);
        };
        ExpectFailureChangingNothing(folder, "..\\out.zip", ZP_ERROR_CHECK);
        readBackChange = nullptr;
    }
}

// What is read back must also come in the order written and with the methods written: two
// entries of the same data read back in each other's places, or an entry read back as stored.
TEST_F(ZipLibraryTest, EntriesReadBackInAnotherOrderOrWithAnotherMethodLeaveEverySource)
{
    const std::vector<std::function<void(unz_file_info64&, char*)>> changes = {
        [](unz_file_info64& info, char* name) {
            std::string read(name, info.size_filename); // CP932
            if (read == "物件/甲.txt" || read == "物件/乙.txt")
                std::memcpy(name, read == "物件/甲.txt" ? "物件/乙.txt" : "物件/甲.txt", read.size());
        },
        [](unz_file_info64& info, char* name) {
            if (std::string(name, info.size_filename) == "物件/申請書データ.xml")
                info.compression_method = 0;
        },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        std::string folder = MakeExportFolder(parent_.Path() + "/" + std::to_string(i));
        WriteBytes(folder + u8"/物件/甲.txt", u8"同じ");
        WriteBytes(folder + u8"/物件/乙.txt", u8"同じ");
        readBackChange = changes[i];
        ExpectFailureChangingNothing(folder, "..\\out.zip", ZP_ERROR_CHECK);
        readBackChange = nullptr;
    }
}

namespace {

// Packs folder into "..\\out.zip" with the library's own entries and calls change once the archive
// is complete and named (its folder is being flushed), before any source is removed.
int PackChangingBeforeTheRemoval(const std::string& folder, const std::function<void()>& change,
                                 bool folderEntries = true)
{
    std::string parent = fs::path(folder).parent_path().string();
    SyncWatch watch;
    watch.sources = folder;
    watch.whileSyncing = [&](const std::string& path) {
        if (path == parent)
            change();
    };
    syncWatch = &watch;
    LibraryEntries library;
    int packed = library.Pack(folder, "..\\out.zip", 0, folderEntries);
    syncWatch = nullptr;
    return packed;
}

} // namespace

// The removal goes by what the archive holds: a file put among the sources once they are packed
// stays, and so do its folder and a folder made then, with or without folder entries in the
// archive; the rest goes, the empty folder too.
TEST_F(ZipLibraryTest, MoveRemovesWhatTheArchiveHoldsAndKeepsWhatCameAfterIt)
{
    for (bool folderEntries : {true, false}) {
        SCOPED_TRACE(folderEntries);
        std::string parent = parent_.Path() + (folderEntries ? "/with" : "/without");
        std::string folder = MakeExportFolder(parent);
        int packed = PackChangingBeforeTheRemoval(
            folder,
            [&] {
                WriteBytes(folder + u8"/物件/後から.xml", "late");
                fs::create_directory(folder + u8"/新しい");
            },
            folderEntries);

        EXPECT_EQ(ZP_ERROR_MOVE, packed); // the folder of the new file cannot go
        std::map<std::string, std::string> kept = {
            {u8"新しい", "<folder>"}, {u8"物件", "<folder>"}, {u8"物件/後から.xml", "late"}};
        EXPECT_EQ(kept, Snapshot(folder));
        std::vector<std::string> names;
        for (const auto& entry : ArchiveEntries(parent + "/out.zip"))
            names.push_back(entry.first);
        std::vector<std::string> expected = {
            "マーカー", "共通データ.xml",        "物件/",
            "物件/空/", "物件/申請書データ.xml", "物件/図.bmp"}; // CP932, by their bytes
        if (!folderEntries)
            expected = {"マーカー", "共通データ.xml", "物件/申請書データ.xml", "物件/図.bmp"};
        EXPECT_EQ(expected, names);
    }
}

// Names that CP932 cannot spell are stored with "?" for what it lacks; their sources are still
// removed by their own names, and so is what lies in a folder so named.
TEST_F(ZipLibraryTest, SourcesWhoseNamesCp932LacksAreRemovedByTheirOwnNames)
{
    std::string folder = parent_.Path() + "/data";
    fs::create_directories(folder + u8"/café");
    WriteBytes(folder + u8"/café/naïve.txt", "a");
    WriteBytes(folder + u8"/ü.txt", "b");
    WriteBytes(folder + u8"/日本.txt", "c");
    LibraryEntries library;
    ASSERT_EQ(ZP_OK, library.Pack(folder, "..\\out.zip"));
    EXPECT_TRUE(fs::is_empty(folder));
    std::map<std::string, std::string> expected = {
        {"?.txt", "b"}, {"caf?/", ""}, {"caf?/na?ve.txt", "a"}, {"日本.txt", "c"}}; // CP932
    EXPECT_EQ(expected, ArchiveEntries(parent_.Path() + "/out.zip"));
}

// Entry names start from the root folder, also for what a sub-folder named with "*.*" holds, whose
// own entry is left out and which is kept, and for a file named in a sub-folder.
TEST_F(ZipLibraryTest, EntryNamesStartFromTheRootFolderWhereverANameStarts)
{
    std::string folder = MakeExportFolder(parent_.Path());
    LibraryEntries library;
    ASSERT_EQ(ZP_OK, library.PackNames(folder, "..\\out.zip", {"物件\\*.*"}));
    std::vector<std::string> names;
    for (const auto& entry : ArchiveEntries(parent_.Path() + "/out.zip"))
        names.push_back(entry.first);
    EXPECT_EQ(std::vector<std::string>({"物件/空/", "物件/申請書データ.xml", "物件/図.bmp"}), names); // CP932
    EXPECT_EQ(std::vector<std::string>({u8"マーカー", u8"共通データ.xml", u8"物件"}), FolderNames(folder));
    EXPECT_TRUE(fs::is_empty(folder + u8"/物件"));

    std::string named = MakeExportFolder(parent_.Path() + "/named");
    ASSERT_EQ(ZP_OK, library.PackNames(named, "..\\out.zip", {"物件\\図.bmp"}));
    std::map<std::string, std::string> entries = {{"物件/図.bmp", std::string("BM\0\r\n\x01", 6)}}; // CP932
    EXPECT_EQ(entries, ArchiveEntries(parent_.Path() + "/named/out.zip"));
    EXPECT_EQ(std::vector<std::string>({u8"申請書データ.xml", u8"空"}), FolderNames(named + u8"/物件"));
}

// An archive named inside the folder that it packs is not one of its sources, and stays.
TEST_F(ZipLibraryTest, AnArchiveInsideThePackedFolderIsNeitherPackedNorRemoved)
{
    std::string folder = MakeExportFolder(parent_.Path());
    LibraryEntries library;
    ASSERT_EQ(ZP_OK, library.Pack(folder, "out.zip"));
    EXPECT_EQ(std::vector<std::string>{"out.zip"}, FolderNames(folder));
    EXPECT_EQ(Hex(testsupport::ReadHexFixture("writers/zip_export_folder_listing.hex")),
              Hex(ArchiveListing(folder + "/out.zip")));
}

TEST_F(ZipLibraryTest, LinkInTheFolderIsRefusedBeforeAnythingIsWritten)
{
    std::string folder = MakeExportFolder(parent_.Path());
    fs::create_symlink(u8"共通データ.xml", folder + u8"/物件/リンク");
    ExpectFailureChangingNothing(folder, "..\\out.zip", ZP_ERROR_SOURCE);
}

// A root folder that is a link is refused, wherever it leads: nothing is packed or removed there,
// and no archive is written beside it or beside what it leads to.
TEST_F(ZipLibraryTest, RootFolderThatIsALinkIsRefusedAndNoArchiveIsWrittenAnywhere)
{
    std::string outside = MakeExportFolder(parent_.Path() + "/outside");
    fs::create_directories(parent_.Path() + "/destination");
    std::string root = parent_.Path() + "/destination/link";
    fs::create_directory_symlink(outside, root);
    ExpectFailureChangingNothing(root, "..\\out.zip", ZP_ERROR_SOURCE);
}

// "." and ".." in the archive's name, relative or absolute, are taken on the text, as Windows
// takes them: two folders up from a root reached through a link is two folders up in the path
// given, not above where the link leads.
TEST_F(ZipLibraryTest, DotsInTheArchiveNameAreTakenOnTheTextNotWhereALinkOnTheWayLeads)
{
    for (bool absolute : {false, true}) {
        SCOPED_TRACE(absolute);
        std::string base = parent_.Path() + (absolute ? "/absolute" : "/relative");
        std::string folder = MakeExportFolder(base + "/elsewhere/data");
        fs::create_directories(base + "/given");
        fs::create_directory_symlink(base + "/elsewhere/data", base + "/given/link");
        std::string root = base + "/given/link/" + fs::path(folder).filename().string();
        std::string name = (absolute ? LinuxPathToWin(root) + "\\" : "") + ".\\..\\..\\out.zip";
        LibraryEntries library;
        ASSERT_EQ(ZP_OK, library.Pack(root, name));
        EXPECT_EQ(Hex(testsupport::ReadHexFixture("writers/zip_export_folder_listing.hex")),
                  Hex(ArchiveListing(base + "/given/out.zip")));
        EXPECT_EQ(std::vector<std::string>{"data"}, FolderNames(base + "/elsewhere"));
        EXPECT_TRUE(fs::is_empty(folder));
    }
}

// The caller may name the parent by a folder it holds open (/proc/self/fd/N): the archive goes
// into that very folder, whatever has become of its name.
TEST_F(ZipLibraryTest, AParentNamedByAnOpenFolderGetsTheArchiveWhateverItsNameBecame)
{
    std::string folder = MakeExportFolder(parent_.Path() + "/before");
    int held = open((parent_.Path() + "/before").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_LE(0, held);
    fs::rename(parent_.Path() + "/before", parent_.Path() + "/after");
    std::string root = "/proc/self/fd/" + std::to_string(held) + "/" + fs::path(folder).filename().string();
    LibraryEntries library;
    int packed = library.Pack(root, "..\\out.zip");
    close(held);
    ASSERT_EQ(ZP_OK, packed);
    std::string name = fs::path(folder).filename().string();
    EXPECT_EQ(std::vector<std::string>({"out.zip", name}), FolderNames(parent_.Path() + "/after"));
    EXPECT_TRUE(fs::is_empty(parent_.Path() + "/after/" + name));
    EXPECT_EQ(Hex(testsupport::ReadHexFixture("writers/zip_export_folder_listing.hex")),
              Hex(ArchiveListing(parent_.Path() + "/after/out.zip")));
}

// A sub-folder swapped for a link to a folder elsewhere once the sources are packed: nothing is
// removed where the link leads, nor from the folder moved away; the rest goes, and the archive
// stays.
TEST_F(ZipLibraryTest, ASubFolderSwappedForALinkBeforeTheRemovalRemovesNothingWhereItLeads)
{
    std::string folder = MakeExportFolder(parent_.Path() + "/destination");
    std::string outside = MakeExportFolder(parent_.Path() + "/outside");
    auto before = Snapshot(parent_.Path() + "/outside");
    int packed = PackChangingBeforeTheRemoval(folder, [&] {
        fs::rename(folder + u8"/物件", parent_.Path() + "/moved");
        fs::create_directory_symlink(outside + u8"/物件", folder + u8"/物件");
    });

    EXPECT_EQ(ZP_ERROR_MOVE, packed);
    EXPECT_EQ(before, Snapshot(parent_.Path() + "/outside"));
    std::map<std::string, std::string> moved = {{u8"空", "<folder>"},
                                                {u8"申請書データ.xml", "x\r\r\ny\rz\r\n\r"},
                                                {u8"図.bmp", std::string("BM\0\r\n\x01", 6)}};
    EXPECT_EQ(moved, Snapshot(parent_.Path() + "/moved"));
    EXPECT_TRUE(fs::is_symlink(folder + u8"/物件"));
    EXPECT_EQ(std::vector<std::string>{u8"物件"}, FolderNames(folder));
    EXPECT_EQ(Hex(testsupport::ReadHexFixture("writers/zip_export_folder_listing.hex")),
              Hex(ArchiveListing(parent_.Path() + "/destination/out.zip")));
}

// The root folder swapped for another folder holding the same names, or for a link to one, once
// the sources are packed: nothing at all is removed, neither there nor in the folder packed.
TEST_F(ZipLibraryTest, ARootFolderSwappedBeforeTheRemovalRemovesNothing)
{
    for (bool link : {false, true}) {
        SCOPED_TRACE(link);
        std::string parent = parent_.Path() + (link ? "/link" : "/folder");
        std::string folder = MakeExportFolder(parent + "/destination");
        std::string other = MakeExportFolder(parent + "/other");
        auto packedFiles = Snapshot(folder);
        auto otherFiles = Snapshot(other);
        int packed = PackChangingBeforeTheRemoval(folder, [&] {
            fs::rename(folder, parent + "/moved");
            if (link)
                fs::create_directory_symlink(other, folder);
            else
                fs::rename(other, folder);
        });

        EXPECT_EQ(ZP_ERROR_MOVE, packed);
        EXPECT_EQ(packedFiles, Snapshot(parent + "/moved"));
        EXPECT_EQ(otherFiles, Snapshot(folder));
        EXPECT_EQ(Hex(testsupport::ReadHexFixture("writers/zip_export_folder_listing.hex")),
                  Hex(ArchiveListing(parent + "/destination/out.zip")));
    }
}

// A name that Windows cannot hold, above all one that would lead an unpacker out of the archive's
// folder, fails the packing before anything is written or removed.
TEST_F(ZipLibraryTest, NamesThatWindowsCannotHoldAreRefusedBeforeAnythingIsWritten)
{
    for (const char* name : {u8"..\\..\\Users\\Public\\evil.bat", u8"CON.txt", u8"a?b", u8"末尾."}) {
        std::string folder = MakeExportFolder(parent_.Path());
        WriteBytes(folder + u8"/物件/" + name, "x");
        ExpectFailureChangingNothing(folder, "..\\out.zip", ZP_ERROR_PARAMETERS);
        fs::remove_all(folder);
    }
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

namespace {

// An entry as an archive stores it: its header's fields and its data still compressed.
struct StoredEntry {
    std::string name;
    unsigned long method, flag, crc;
    unsigned long long size;
    std::string raw;

    bool operator==(const StoredEntry& other) const
    {
        return std::tie(name, method, flag, crc, size, raw) ==
               std::tie(other.name, other.method, other.flag, other.crc, other.size, other.raw);
    }
};

std::ostream& operator<<(std::ostream& out, const StoredEntry& entry)
{
    return out << entry.name << " method " << entry.method << " flag " << entry.flag << " crc " << entry.crc << " size "
               << entry.size << " stored " << entry.raw.size() << " bytes";
}

std::vector<StoredEntry> StoredEntries(const std::string& path)
{
    std::vector<StoredEntry> entries;
    unzFile unzip = unzOpen64(path.c_str());
    for (int rc = unzip ? unzGoToFirstFile(unzip) : UNZ_END_OF_LIST_OF_FILE; rc == UNZ_OK;
         rc = unzGoToNextFile(unzip)) {
        unz_file_info64 info;
        char name[1024];
        unzGetCurrentFileInfo64(unzip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        StoredEntry entry{std::string(name, info.size_filename),
                          info.compression_method,
                          info.flag,
                          info.crc,
                          info.uncompressed_size,
                          ""};
        int method = 0, level = 0;
        char buffer[65536];
        int got = 0;
        if (unzOpenCurrentFile2(unzip, &method, &level, 1) == UNZ_OK) {
            while ((got = unzReadCurrentFile(unzip, buffer, sizeof buffer)) > 0)
                entry.raw.append(buffer, got);
            unzCloseCurrentFile(unzip);
        }
        entries.push_back(entry);
    }
    if (unzip)
        unzClose(unzip);
    return entries;
}

// Writes the entries with minizip's own compression, as the library wrote each entry before it
// compressed on threads of its own: empty files stored, the rest deflated at the level, each
// entry's data handed over in the writes given.
void WriteWithMinizip(const std::string& path,
                      const std::vector<std::pair<std::string, std::vector<std::string>>>& entries, int level)
{
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    for (const auto& entry : entries) {
        zip_fileinfo info = {};
        zipOpenNewFileInZip4_64(zip, entry.first.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                entry.second.empty() ? 0 : Z_DEFLATED, level, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                Z_DEFAULT_STRATEGY, nullptr, 0, 20, 0, 0);
        for (const std::string& write : entry.second)
            zipWriteInFileInZip(zip, write.data(), static_cast<unsigned>(write.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}

// A file's bytes in the writes that the library has always handed to minizip: one for each read
// piece of 256 KiB; with translate, CR LF pairs become LF, a CR that ends a piece is held back
// for the next, and one that ends the file is written on its own.
std::vector<std::string> Writes(const std::string& bytes, bool translate)
{
    const size_t piece = 256 * 1024;
    std::vector<std::string> writes;
    bool held = false;
    for (size_t at = 0; at < bytes.size(); at += piece) {
        std::string out;
        for (char c : bytes.substr(at, piece)) {
            if (translate && held && c != '\n')
                out += '\r';
            held = translate && c == '\r';
            if (!held)
                out += c;
        }
        if (!out.empty())
            writes.push_back(out);
    }
    if (held)
        writes.push_back("\r");
    return writes;
}

std::string LittleEndian(unsigned long long value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i, value >>= 8)
        out += static_cast<char>(value & 0xFF);
    return out;
}

} // namespace

// Whichever way an entry goes (held in memory and deflated on a worker, or streamed when larger
// than a read piece), the archive holds the same bytes as minizip's own compression of the file's
// translated bytes handed over as the library always has (Writes), at every level: CR LF pairs
// (one split by the read piece) become LF, a lone CR is kept even as the only or the last byte,
// binary data are kept as they are, output longer than minizip's 64 KiB buffer is not cut
// differently, and an entry larger than the archive file's 1 MiB buffer still gets its header
// filled in.
TEST_F(ZipLibraryTest, EntriesHoldWhatMinizipWritesForTheTranslatedBytesAtEveryLevel)
{
    std::string text = "<a>\r\n";
    while (text.size() < 300000)
        text += u8"\t<項目>値 " + std::to_string(text.size() * 7919 % 100003) + u8"</項目>\r\n";
    std::string binary;
    for (unsigned seed = 1; binary.size() < 1200000;) {
        seed = seed * 1103515245u + 12345u;
        binary += static_cast<char>(seed >> 16);
    }
    std::string streamed = std::string(256 * 1024 - 1, 'x') + "\r\n" + text + "\r";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"binary.bin", binary.substr(0, 70000) + "\r\n"},
        {"cr.txt", "\r"},
        {"empty.txt", ""},
        {"large.bin", binary},
        {"limit.txt", text.substr(0, 256 * 1024 - 1) + "\r"}, // the largest held in memory
        {"limit1.txt", text.substr(0, 256 * 1024) + "\r"},    // the smallest streamed
        {"streamed.txt", streamed},
        {"text.xml", text.substr(0, 100000) + "\r"},
    };
    for (char level : {'0', '1', '\0', '9'}) {
        SCOPED_TRACE(level);
        TempFolder parent;
        std::string folder = parent.Path() + "/data";
        fs::create_directories(folder);
        std::vector<std::pair<std::string, std::vector<std::string>>> expected;
        for (const auto& file : files) {
            WriteBytes(folder + "/" + file.first, file.second);
            expected.emplace_back(file.first, Writes(file.second, file.first.find(".bin") == std::string::npos));
        }
        WriteWithMinizip(parent.Path() + "/expected.zip", expected, level ? level - '0' : -1);
        LibraryEntries library;
        ASSERT_EQ(ZP_OK, library.Pack(folder, "..\\out.zip", level));
        EXPECT_EQ(StoredEntries(parent.Path() + "/expected.zip"), StoredEntries(parent.Path() + "/out.zip"));
    }
}

// A temporary folder in memory where the machine has one: tens of thousands of files are made
// and removed there in a fraction of the time that a disk shared with other work takes.
std::unique_ptr<TempFolder> MemoryTempFolder()
{
    const char* set = std::getenv("TMPDIR");
    std::string saved = set ? set : "";
    if (access("/dev/shm", W_OK) == 0)
        setenv("TMPDIR", "/dev/shm", 1);
    std::unique_ptr<TempFolder> folder(new TempFolder);
    if (set)
        setenv("TMPDIR", saved.c_str(), 1);
    else
        unsetenv("TMPDIR");
    return folder;
}

// The last bytes of a file.
std::string TailOf(const std::string& path, size_t size, size_t& fileSize)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    fileSize = static_cast<size_t>(in.tellg());
    std::string tail(std::min(size, fileSize), '\0');
    in.seekg(fileSize - tail.size());
    in.read(&tail[0], tail.size());
    return tail;
}

// 70,007 entries (the 16-bit count of the end record tops out at 65,535) are all listed, in order,
// through the Zip64 end records, and every source is removed.
TEST_F(ZipLibraryTest, SeventyThousandEntriesAreListedWholeThroughTheZip64EndRecords)
{
    std::unique_ptr<TempFolder> parent = MemoryTempFolder();
    std::string folder = parent->Path() + "/many";
    std::vector<std::string> expected;
    for (int f = 0; f < 7; ++f) {
        std::string sub = "d" + std::to_string(f);
        fs::create_directories(folder + "/" + sub);
        expected.push_back(sub + "/");
        int dir = open((folder + "/" + sub).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (int i = 0; i < 10000; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "%05d", i);
            close(openat(dir, name, O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
            expected.push_back(sub + "/" + name);
        }
        close(dir);
    }
    LibraryEntries library;
    ASSERT_EQ(ZP_OK, library.Pack(folder, "..\\many.zip"));
    EXPECT_TRUE(fs::is_empty(folder));

    std::string archive = parent->Path() + "/many.zip";
    unzFile unzip = unzOpen64(archive.c_str());
    ASSERT_NE(nullptr, unzip);
    unz_global_info64 global;
    ASSERT_EQ(UNZ_OK, unzGetGlobalInfo64(unzip, &global));
    EXPECT_EQ(70007u, global.number_entry);
    std::vector<std::string> names;
    for (int rc = unzGoToFirstFile(unzip); rc == UNZ_OK; rc = unzGoToNextFile(unzip)) {
        char name[64];
        unz_file_info64 info;
        unzGetCurrentFileInfo64(unzip, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        names.emplace_back(name, info.size_filename);
    }
    unzClose(unzip);
    EXPECT_TRUE(names == expected) << names.size() << " names";

    // The end: the Zip64 record (version 4.5, MS-DOS) with the count, the locator pointing at it,
    // and minizip's end record with the count marked 0xFFFF.
    size_t size = 0;
    std::string tail = TailOf(archive, 98, size);
    ASSERT_EQ(98u, tail.size());
    std::string directory = tail.substr(98 - 10, 8); // its size and offset, from the end record
    std::string expectedTail =
        std::string("PK\x06\x06", 4) + LittleEndian(44, 8) + LittleEndian(45, 2) + LittleEndian(45, 2) +
        LittleEndian(0, 8) + LittleEndian(70007, 8) + LittleEndian(70007, 8) + directory.substr(0, 4) +
        LittleEndian(0, 4) + directory.substr(4, 4) + LittleEndian(0, 4) + std::string("PK\x06\x07", 4) +
        LittleEndian(0, 4) + LittleEndian(size - 98, 8) + LittleEndian(1, 4) + std::string("PK\x05\x06", 4) +
        LittleEndian(0, 4) + LittleEndian(0xFFFFFFFF, 4) + directory + LittleEndian(0, 2);
    EXPECT_EQ(Hex(expectedTail), Hex(tail));
}

// From 0xFFFF entries on, the count mark of minizip's end record is read from the Zip64 records
// put before it; below, the archive is left as it is, as is one that does not end as minizip ends
// an archive.
TEST(Zip64EndRecords, AreAddedFrom0xFFFFEntriesOnBeforeMinizipsEndRecord)
{
    TempFolder folder;
    std::string archive = folder.Path() + "/a.zip";
    auto addRecords = [&archive](unsigned long long entries) {
        int fd = open(archive.c_str(), O_RDWR | O_CLOEXEC);
        bool added = AddZip64EndRecords(fd, entries);
        close(fd);
        return added;
    };
    WriteWithMinizip(archive, {{"a", {"x"}}}, 6);
    std::string written = ReadBytes(archive);
    std::string marked = written.substr(0, written.size() - 14) + LittleEndian(0xFFFFFFFF, 4) +
                         written.substr(written.size() - 10); // the counts as minizip marks them
    WriteBytes(archive, marked);
    EXPECT_TRUE(addRecords(0xFFFE));
    EXPECT_EQ(Hex(marked), Hex(ReadBytes(archive)));

    EXPECT_TRUE(addRecords(0xFFFF));
    std::string end = marked.substr(marked.size() - 22);
    size_t at = marked.size() - 22;
    std::string records = std::string("PK\x06\x06", 4) + LittleEndian(44, 8) + LittleEndian(45, 2) +
                          LittleEndian(45, 2) + LittleEndian(0, 8) + LittleEndian(0xFFFF, 8) + LittleEndian(0xFFFF, 8) +
                          end.substr(12, 4) + LittleEndian(0, 4) + end.substr(16, 4) + LittleEndian(0, 4) +
                          std::string("PK\x06\x07", 4) + LittleEndian(0, 4) + LittleEndian(at, 8) + LittleEndian(1, 4);
    EXPECT_EQ(Hex(marked.substr(0, at) + records + end), Hex(ReadBytes(archive)));

    WriteBytes(archive, written); // counts not marked
    EXPECT_FALSE(addRecords(0x10000));
    EXPECT_EQ(Hex(written), Hex(ReadBytes(archive)));
}
