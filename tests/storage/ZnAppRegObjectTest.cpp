#include "platform/files/WinDrive.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnAppRegRoot.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::TempFolder;
using testsupport::TempRegistry;

namespace {

const char kAppKey[] = "Norva\\Zadazez\\App\\6.00.0.1";

ZnAppRegObject Folders() { return ZnAppRegObject(kAppPosSubKey, "ZnApp", "ZnCom", "ZnObj", "ZnDst", "ZnOutput"); }

// A placement's members in their order, joined by ",".
std::string Members(const WINDOWPLACEMENT& p)
{
    std::string text;
    for (long member : std::initializer_list<long>{long(p.length), long(p.flags), long(p.showCmd), p.ptMinPosition.x, p.ptMinPosition.y,
                        p.ptMaxPosition.x, p.ptMaxPosition.y, p.rcNormalPosition.left, p.rcNormalPosition.top,
                        p.rcNormalPosition.right, p.rcNormalPosition.bottom})
        text += (text.empty() ? "" : ",") + std::to_string(member);
    return text;
}

class ZnAppRegObjectTest : public ::testing::Test {
protected:
    void TearDown() override { ResetDriveTable(); }

    // Stores only the given folder values (name, text) below AppPos.
    static void StoreValues(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        ZnRegKey key;
        ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey));
        for (const auto& value : values)
            key.SetValue(value.second, value.first);
    }

    TempRegistry m_registry;
};

} // namespace

TEST_F(ZnAppRegObjectTest, WritesAndReadsTheFiveFoldersAndThePlacement)
{
    ZnAppRegObject folders = Folders();
    const char* values[] = {"C:\\Zadazez\\表", "C:\\ソフト\\共通\\", "D:\\物件", "", "A:\\"};
    for (int i = 0; i < ZnAppRegObject::kValueCount; ++i)
        folders.m_strValues[i] = values[i];
    ASSERT_EQ(1, folders.Write());
    ZnAppRegRoot root(kAppKey, "StartUp");
    WINDOWPLACEMENT closing = {sizeof(WINDOWPLACEMENT), 0, 3, {-32000, -32000}, {-1, -1}, {100, 80, 900, 700}};
    root.SetStartUpPlacement(closing);
    EXPECT_EQ("0,9,100,80,0,0,100,80,900,700", root.m_strStartUp);
    ASSERT_EQ(1, root.Write());
    EXPECT_EQ(Hex(ReadHexFixture("registry/MachineHiveAfterFolders.hex")), Hex(ReadFileBytes(m_registry.MachineHive())));

    ZnAppRegObject read = Folders();
    read.m_strValues[0] = "stale";
    ASSERT_EQ(1, read.Read());
    for (int i = 0; i < ZnAppRegObject::kValueCount; ++i)
        EXPECT_EQ(values[i], read.m_strValues[i]) << i;
    CString install = "unchanged";
    EXPECT_EQ(1, GetInstallPath(install));
    EXPECT_EQ("C:\\Zadazez\\表", install);

    ZnAppRegRoot again(kAppKey, "StartUp");
    ASSERT_EQ(1, again.Read());
    WINDOWPLACEMENT placement = {};
    ASSERT_TRUE(again.GetStartUpPlacement(placement));
    EXPECT_EQ("44,0,9,100,80,0,0,100,80,900,700", Members(placement));
}

// Without a stored output folder it is the first drive present (A:, C:, then from K:), or empty.
TEST_F(ZnAppRegObjectTest, OutputDefaultsToTheFirstDrivePresent)
{
    StoreValues({{"ZnApp", "C:\\App"}});
    TempFolder floppy;
    const struct {
        char drive;
        std::string folder;
        const char* output;
    } steps[] = {{'A', floppy.Path(), "A:\\"}, {'A', "", "C:\\"}, {'C', "", nullptr}, {'K', floppy.Path(), "K:\\"},
                 {'K', "", ""}};
    ZnAppRegObject folders = Folders();
    for (const auto& step : steps) {
        SetDriveFolder(step.drive, step.folder);
        ASSERT_EQ(1, folders.Read());
        if (step.output)
            EXPECT_EQ(step.output, folders.m_strValues[ZnAppRegObject::kOutputIndex]) << step.drive << step.folder;
    }
    EXPECT_EQ("C:\\App", folders.m_strValues[0]);
    EXPECT_EQ("", folders.m_strValues[1]);

    // A stored output folder wins, even on a drive that is absent, and even when it is empty.
    for (const char* stored : {"Q:\\出力", ""}) {
        StoreValues({{"ZnOutput", stored}});
        ASSERT_EQ(1, folders.Read());
        EXPECT_EQ(stored, folders.m_strValues[ZnAppRegObject::kOutputIndex]);
    }
}

// Without the key every folder is empty and there is no install path; a value too long for the
// 256-byte buffer, or of another type, reads as missing: empty, or the drive default for the
// output folder.
TEST_F(ZnAppRegObjectTest, MissingAndUnreadableValuesReadAsMissing)
{
    ZnAppRegObject missing = Folders();
    missing.m_strValues[4] = "stale";
    EXPECT_EQ(0, missing.Read());
    for (const CString& value : missing.m_strValues)
        EXPECT_EQ("", value);
    CString install = "unchanged";
    EXPECT_EQ(0, GetInstallPath(install));
    EXPECT_EQ("unchanged", install);

    std::string tooLong = std::string(254, 'x') + "表";
    StoreValues({{"ZnApp", tooLong.c_str()}, {"ZnOutput", tooLong.c_str()}});
    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey));
    key.SetValue(DWORD(0x00363534), "ZnCom");
    ZnAppRegObject folders = Folders();
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("", folders.m_strValues[0]);
    EXPECT_EQ("", folders.m_strValues[1]);
    EXPECT_EQ("C:\\", folders.m_strValues[ZnAppRegObject::kOutputIndex]);
}

// "x" is no number: it and the rest stay 0.
TEST(ZnAppRegRoot, PlacementTextMissingFieldsAreZero)
{
    ZnAppRegRoot root(kAppKey, "StartUp");
    WINDOWPLACEMENT placement;
    EXPECT_FALSE(root.GetStartUpPlacement(placement));
    root.m_strStartUp = "2,1, 5,-6,x,9";
    ASSERT_TRUE(root.GetStartUpPlacement(placement));
    EXPECT_EQ("44,2,1,5,-6,0,0,0,0,0,0", Members(placement));
}
