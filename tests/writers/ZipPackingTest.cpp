// The system's side of the zip library, against stand-ins for the library that record what they
// are given.
#include "tests/writers/stub/ZpStub.h"
#include "tests/writers/ZipTestSupport.h"

#include "platform/files/WinPath.h"
#include "platform/process/WinModule.h"
#include "writers/zip/ZipPacking.h"

#include <cstring>
#include <dlfcn.h>

using namespace ziptest;

namespace {

const char kPackingPath[] = "C:\\移行\\共通データ20100903140501\\*.*";

std::string StubLibrary(const std::string& variant)
{
    return StubFolder(variant) + "/libzipnorva32.so";
}

// The recording stand-in's record, through a load of the test's own (released at once: the
// binding's load keeps the library in memory).
ZpStubRecord* StubRecord()
{
    HMODULE library = LoadLibraryA(LinuxPathToWin(StubFolder("recording")).append("\\zipnorva32.dll").c_str());
    auto recorded = reinterpret_cast<ZpStubRecordEntry>(GetProcAddress(library, "ZpStubRecorded"));
    ZpStubRecord* record = recorded ? recorded() : nullptr;
    FreeLibrary(library);
    return record;
}

bool IsLoaded(const std::string& path)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

class MakeZipTest : public ZipTest {
protected:
    void LoadStub(const char* results)
    {
        setenv("ZP_STUB_RESULTS", results, 1);
        SetInstallPath(LinuxPathToWin(StubFolder("recording")).c_str());
        ASSERT_EQ(1, LoadZipLibrary());
        record_ = StubRecord();
        ASSERT_NE(nullptr, record_);
        *record_ = ZpStubRecord();
    }

    ZpStubRecord* record_ = nullptr;
};

} // namespace

TEST_F(MakeZipTest, HandsTheLibraryTheCallbacksTheFolderOptionsAndADatedArchiveName)
{
    LoadStub("1,1,0");
    std::time_t before = std::time(nullptr);
    MakeZip(kPackingPath, "共通データ");
    std::time_t after = std::time(nullptr);

    EXPECT_EQ(Messages_t(), Messages());
    EXPECT_EQ(1, record_->initCalls);
    EXPECT_EQ(&ZipPrintCallback, record_->functions.print);
    EXPECT_EQ(&ZipCommentCallback, record_->functions.comment);
    EXPECT_EQ(&ZipPasswordCallback, record_->functions.password);
    EXPECT_EQ(nullptr, record_->functions.service);

    // Every field zero but the root folder and three flags.
    EXPECT_EQ("C:\\移行\\共通データ20100903140501", record_->rootDir);
    ZpOptions expected;
    std::memset(&expected, 0, sizeof expected);
    expected.rootDir = record_->options.rootDir;
    expected.crlfToLf = 1;
    expected.move = 1;
    expected.recurse = 1;
    EXPECT_EQ(0, std::memcmp(&expected, &record_->options, sizeof expected));

    EXPECT_EQ(1, record_->archiveCalls);
    EXPECT_EQ(1, record_->nameCount);
    EXPECT_EQ(kPackingPath, record_->firstName);
    bool named = false;
    for (std::time_t t = before; t <= after; ++t)
        named = named || record_->archiveName == "..\\共通データ_" + Stamp(t) + ".zip";
    EXPECT_TRUE(named) << record_->archiveName;
}

TEST_F(MakeZipTest, RootFolderOfALongPathIsKeptWhole)
{
    LoadStub("1,1,0");
    std::string folder = "C:\\" + std::string(300, 'x') + "\\共通データ20100903140501";
    MakeZip((folder + "\\*.*").c_str(), "共通データ");
    EXPECT_EQ(folder, record_->rootDir);
}

TEST_F(MakeZipTest, ArchiveFailureIsShownAndKeepsTheLibrary)
{
    LoadStub("1,1,5");
    MakeZip(kPackingPath, "物件データ");
    MakeZip(kPackingPath, "物件データ");
    EXPECT_EQ(Messages_t({{"ZpArchiveでエラー発生", MB_OK}, {"ZpArchiveでエラー発生", MB_OK}}), Messages());
    EXPECT_EQ(2, record_->archiveCalls);
}

// A failed init or options call releases the library; later packings tell that nothing is bound.
TEST_F(MakeZipTest, InitOrOptionsFailureReleasesTheLibraryAndLaterPackingsDoNotCallIt)
{
    const std::pair<const char*, const char*> cases[] = {{"1,0,0", "ZpSetOptionsでエラー発生"},
                                                         {"0,1,0", "ZipInitでエラー発生。"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        LoadStub(c.first);
        MakeZip(kPackingPath, "共通データ");
        EXPECT_FALSE(IsLoaded(StubLibrary("recording")));
        MakeZip(kPackingPath, "物件データ");
        EXPECT_EQ(Messages_t({{c.second, MB_OK}, {"ZipInitでエラー発生。", MB_OK}}), Messages());
        ClearMessages();
    }
}

TEST_F(MakeZipTest, LoadFailuresAnswerZeroWithAMessageOnlyForTheInstallationFolder)
{
    EXPECT_EQ(0, LoadZipLibrary());
    EXPECT_EQ(Messages_t({{"インストールパスの取得に失敗しました。", MB_ICONSTOP}}), Messages());
    ClearMessages();

    TempFolder empty;
    SetInstallPath(LinuxPathToWin(empty.Path()).c_str());
    EXPECT_EQ(0, LoadZipLibrary());

    SetInstallPath(LinuxPathToWin(StubFolder("noarchive")).c_str());
    EXPECT_EQ(0, LoadZipLibrary());
    EXPECT_FALSE(IsLoaded(StubLibrary("noarchive")));
    EXPECT_EQ(Messages_t(), Messages());

    // Nothing is bound after the failed loads.
    MakeZip(kPackingPath, "共通データ");
    EXPECT_EQ(Messages_t({{"ZipInitでエラー発生。", MB_OK}}), Messages());
}

TEST(GetFolderOfPath, CutsAtTheLastBackslashWithinSize)
{
    char buffer[256];
    std::memset(buffer, '#', sizeof buffer);
    GetFolderOfPath("C:\\a\\共通データ\\*.*", buffer, 256);
    EXPECT_STREQ("C:\\a\\共通データ", buffer);

    // 3 + 150 + 1 + 140 + 4 = 298 bytes: only the first 256 are looked at.
    std::string longPath = "C:\\" + std::string(150, 'x') + "\\" + std::string(140, 'y') + "\\*.*";
    GetFolderOfPath(longPath.c_str(), buffer, 256);
    EXPECT_EQ("C:\\" + std::string(150, 'x'), std::string(buffer));

    std::memset(buffer, '#', sizeof buffer);
    GetFolderOfPath("abc", buffer, 256);
    EXPECT_EQ(std::string("\0bc#", 4), std::string(buffer, 4));

    std::memset(buffer, '#', sizeof buffer);
    GetFolderOfPath("", buffer, 256);
    EXPECT_EQ('#', buffer[0]);
}

TEST(ZipCallbacks, PrintWritesTheTextAsItIsAndTheOthersAnswerOne)
{
    char text[] = "100% %s %d\n";
    testing::internal::CaptureStdout();
    int printed = ZipPrintCallback(text, 11);
    EXPECT_EQ("100% %s %d\n", testing::internal::GetCapturedStdout());
    EXPECT_EQ(11, printed);

    char comment[] = "old";
    EXPECT_EQ(1, ZipCommentCallback(comment));
    EXPECT_EQ('\0', comment[0]);

    char password[] = "pw";
    EXPECT_EQ(1, ZipPasswordCallback(password, 3, "prompt", "name"));
    EXPECT_STREQ("pw", password);
}
