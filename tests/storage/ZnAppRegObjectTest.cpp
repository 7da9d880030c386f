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
    EXPECT_EQ(44u, placement.length);
    EXPECT_EQ(9u, placement.showCmd);
    EXPECT_EQ(100, placement.ptMinPosition.x);
    EXPECT_EQ(80, placement.ptMinPosition.y);
    EXPECT_EQ(0, placement.ptMaxPosition.x);
    EXPECT_EQ(700, placement.rcNormalPosition.bottom);
}

TEST_F(ZnAppRegObjectTest, OutputDefaultsToTheFirstDrivePresent)
{
    StoreValues({{"ZnApp", "C:\\App"}});
    TempFolder floppy;
    SetDriveFolder('A', floppy.Path());
    ZnAppRegObject folders = Folders();
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("C:\\App", folders.m_strValues[0]);
    EXPECT_EQ("", folders.m_strValues[1]);
    EXPECT_EQ("A:\\", folders.m_strValues[ZnAppRegObject::kOutputIndex]);

    SetDriveFolder('A', "");
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("C:\\", folders.m_strValues[ZnAppRegObject::kOutputIndex]); // the default table's C: is "/"

    SetDriveFolder('C', "");
    SetDriveFolder('K', floppy.Path());
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("K:\\", folders.m_strValues[ZnAppRegObject::kOutputIndex]);

    SetDriveFolder('K', "");
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("", folders.m_strValues[ZnAppRegObject::kOutputIndex]);

    // A stored output folder wins, even on a drive that is absent, and even when it is empty.
    StoreValues({{"ZnOutput", "Q:\\出力"}});
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("Q:\\出力", folders.m_strValues[ZnAppRegObject::kOutputIndex]);
    StoreValues({{"ZnOutput", ""}});
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("", folders.m_strValues[ZnAppRegObject::kOutputIndex]);
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

TEST(ZnAppRegRoot, PlacementTextMissingFieldsAreZero)
{
    ZnAppRegRoot root(kAppKey, "StartUp");
    WINDOWPLACEMENT placement;
    EXPECT_FALSE(root.GetStartUpPlacement(placement));
    root.m_strStartUp = "2,1, 5,-6,x,9";
    ASSERT_TRUE(root.GetStartUpPlacement(placement));
    EXPECT_EQ(44u, placement.length);
    EXPECT_EQ(2u, placement.flags);
    EXPECT_EQ(5, placement.ptMinPosition.x);
    EXPECT_EQ(-6, placement.ptMinPosition.y);
    EXPECT_EQ(0, placement.ptMaxPosition.x); // "x" is no number: it and the rest stay 0
    EXPECT_EQ(0, placement.rcNormalPosition.bottom);
}
