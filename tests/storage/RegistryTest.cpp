// The settings objects over the registry: keys, values, folders, placements, user settings.
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/files/WinDrive.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnAppRegRoot.h"
#include "storage/ZnRegistry.h"
#include "storage/ZnRegistryDataLocation.h"
#include "storage/ZnRegistryStartup.h"
#include "storage/ZnRegistrySystemStartup.h"

#include <cstring>

using namespace testsupport;

namespace {

// The base alone, with Read and Write that only open and create the key.
class BareRegistry : public ZnRegistry {
public:
    using ZnRegistry::ZnRegistry;
    BOOL Read() override { ZnRegKey key; return OpenKey(key); }
    BOOL Write() override { ZnRegKey key; return CreateKey(key); }
};

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

// The five folder values joined by "|".
std::string Values(const ZnAppRegObject& folders)
{
    std::string values;
    for (const CString& value : folders.m_strValues)
        values += value.Bytes() + "|";
    return values.substr(0, values.size() - 1);
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

const char kCompany[] = "Norva\\Zadazez";

// The objects as the code-table manager makes them.
std::unique_ptr<ZnRegistrySystemStartup> SystemStartup(LPCTSTR rightsName = "ShiyoushaKengen")
{
    auto user = std::make_unique<ZnRegistrySystemStartup>("SystemStartup", "ShiyoushaCode", "ShiyoushaName",
                                                          "ShiyoushaFirstName", "ShiyoushaTanmatsu", rightsName);
    user->SetCompanyKey(kCompany);
    return user;
}

std::unique_ptr<ZnRegistryStartup> Startup()
{
    auto startup = std::make_unique<ZnRegistryStartup>("Startup", "WindowPlacement");
    startup->SetCompanyKey(kCompany);
    startup->SetKey("App\\6.00.0.0");
    return startup;
}

} // namespace

TEST(ZnRegistry, KeyPathFollowsRootCompanyAndKey)
{
    EXPECT_EQ("SOFTWARE\\Norva\\Zadazez\\DataLocation",
              BareRegistry("Norva\\Zadazez", "DataLocation", HKEY_LOCAL_MACHINE).GetKeyPath());
    EXPECT_EQ("software\\Norva\\Zadazez\\DataLocation",
              BareRegistry("Norva\\Zadazez", "DataLocation", HKEY_CURRENT_USER).GetKeyPath());
    EXPECT_EQ("software\\DataLocation", BareRegistry(nullptr, "DataLocation", HKEY_CURRENT_USER).GetKeyPath());
    EXPECT_EQ("software", BareRegistry("", nullptr, HKEY_CURRENT_USER).GetKeyPath());

    TempRegistry registry;
    BareRegistry base("Norva", "Missing", HKEY_CURRENT_USER);
    CString text = "kept";
    EXPECT_EQ(1, base.GetValue("Any", text));
    EXPECT_EQ("kept", text);
    EXPECT_EQ(0, base.Read());
    EXPECT_EQ(1, base.Write());
    EXPECT_EQ(1, base.Read());
}

// A text reads whole with its zero (at most 255 CP932 bytes), of its own type only, never cut.
TEST(ZnRegKey, ReadsValuesWholeAndOfTheirTypeOnly)
{
    TempRegistry registry;
    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_CURRENT_USER, "software\\Raw"));
    std::string fits = std::string(253, 'a') + "表";
    ASSERT_EQ(ERROR_SUCCESS, key.SetValue(fits.c_str(), "Value"));
    CString text;
    EXPECT_TRUE(ZnRegistry::QueryText(key, "Value", text));
    EXPECT_EQ(CString(fits.c_str()), text);

    char buffer[ZnRegistry::kTextBufferSize];
    std::memset(buffer, '#', sizeof buffer);
    DWORD size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, key.SetValue((std::string(254, 'a') + "表").c_str(), "Value"));
    EXPECT_EQ(ERROR_MORE_DATA, key.QueryValue(buffer, "Value", &size));
    ASSERT_EQ(ERROR_SUCCESS, key.SetValue(DWORD(0x41424344), "Value"));
    size = sizeof buffer;
    EXPECT_EQ(ERROR_UNSUPPORTED_TYPE, key.QueryValue(buffer, "Value", &size));
    EXPECT_EQ('#', buffer[0]); // the buffer never changes on failure

    ASSERT_EQ(ERROR_SUCCESS, key.SetValue("12", "Value"));
    DWORD number = 0xFFFFFFFF;
    EXPECT_EQ(ERROR_UNSUPPORTED_TYPE, key.QueryValue(number, "Value"));
    EXPECT_EQ(0xFFFFFFFFu, number);

    // A text stored by another program without its zero gets one, when there is room.
    RegSetValueExA(key.GetHandle(), "Value", 0, REG_SZ, reinterpret_cast<LPCBYTE>("abc"), 3);
    size = 4;
    EXPECT_EQ(ERROR_SUCCESS, key.QueryValue(buffer, "Value", &size));
    EXPECT_STREQ("abc", buffer);
    size = 3;
    EXPECT_EQ(ERROR_MORE_DATA, key.QueryValue(buffer, "Value", &size));
}

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
    EXPECT_EQ("C:\\Zadazez\\表|C:\\ソフト\\共通\\|D:\\物件||A:\\", Values(read));
    CString install = "unchanged";
    EXPECT_EQ(1, GetInstallPath(install));
    EXPECT_EQ("C:\\Zadazez\\表", install);

    ZnAppRegRoot again(kAppKey, "StartUp");
    ASSERT_EQ(1, again.Read());
    WINDOWPLACEMENT placement = {};
    ASSERT_TRUE(again.GetStartUpPlacement(placement));
    EXPECT_EQ("44,0,9,100,80,0,0,100,80,900,700", Members(placement));
    // "x" is no number: it and the rest stay 0; no text, no placement.
    again.m_strStartUp = "2,1, 5,-6,x,9";
    ASSERT_TRUE(again.GetStartUpPlacement(placement));
    EXPECT_EQ("44,2,1,5,-6,0,0,0,0,0,0", Members(placement));
    again.m_strStartUp.Empty();
    EXPECT_FALSE(again.GetStartUpPlacement(placement));
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
    EXPECT_EQ("C:\\App||||", Values(folders));

    // A stored output folder wins, even on a drive that is absent, and even when it is empty.
    for (const char* stored : {"Q:\\出力", ""}) {
        StoreValues({{"ZnOutput", stored}});
        ASSERT_EQ(1, folders.Read());
        EXPECT_EQ(stored, folders.m_strValues[ZnAppRegObject::kOutputIndex]);
    }
}

// Without the key all is empty; a value too long or of another type reads as missing.
TEST_F(ZnAppRegObjectTest, MissingAndUnreadableValuesReadAsMissing)
{
    ZnAppRegObject missing = Folders();
    missing.m_strValues[4] = "stale";
    EXPECT_EQ(0, missing.Read());
    EXPECT_EQ("||||", Values(missing));
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
    EXPECT_EQ("||||C:\\", Values(folders));
}


// The user's rights (hex, none: all) and placement (colons, under "Startup") round the user hive.
TEST(ZnUserSettings, RulesOfTheValuesAndTheUserHive)
{
    TempRegistry registry;
    auto user = SystemStartup();
    EXPECT_EQ(0, user->Read());
    DWORD rights = 0;
    EXPECT_EQ(1, user->GetDwordValue("ShiyoushaKengen", rights));
    EXPECT_EQ(0xFFFFFFFFu, rights);
    CString text;
    EXPECT_EQ(1, user->SetValue("ShiyoushaKengen", ""));
    EXPECT_EQ(1, user->GetValue("ShiyoushaKengen", text));
    EXPECT_EQ("ffffffff", text);
    EXPECT_EQ(1, user->SetValue("ShiyoushaKengen", "0000a0ff"));
    EXPECT_EQ(1, user->GetDwordValue("ShiyoushaKengen", rights));
    EXPECT_EQ(0xa0ffu, rights);
    EXPECT_EQ(0, user->SetDwordValue("ShiyoushaName", 1));
    EXPECT_EQ(0, user->SetValue("shiyoushaname", "x"));
    for (const auto& [name, value] : {std::pair{"ShiyoushaCode", "0012"}, std::pair{"ShiyoushaName", "山田"},
                                      std::pair{"ShiyoushaFirstName", "太郎"}, std::pair{"ShiyoushaTanmatsu", "PC-01"}})
        user->SetValue(name, value);
    EXPECT_EQ(1, user->SetDwordValue("ShiyoushaKengen", 31));
    ASSERT_EQ(1, user->Write());

    auto startup = Startup();
    EXPECT_EQ(0, startup->Write()); // no placement yet: nothing written
    EXPECT_EQ(0, startup->SetValue("WindowPlacement", "1:2"));
    EXPECT_EQ(0, startup->SetValue("startup", "1:2"));
    text = "x";
    EXPECT_EQ(1, startup->GetValue("Startup", text));
    EXPECT_EQ("", text);
    EXPECT_EQ(1, startup->SetValue("Startup", "0:1:-1:-1:-1:-1:10:20:810:620"));
    const WINDOWPLACEMENT* placement = startup->GetPlacement();
    ASSERT_NE(nullptr, placement);
    EXPECT_EQ("44,0,1,-1,-1,-1,-1,10,20,810,620", Members(*placement));
    CStringList names;
    EXPECT_EQ(1, startup->GetValueNames(names));
    EXPECT_EQ("Startup", names.GetHead());
    ASSERT_EQ(1, startup->Write());
    EXPECT_EQ(Hex(ReadHexFixture("registry/UserHiveAfterStartup.hex")), Hex(ReadFileBytes(registry.UserHive())));

    auto read = SystemStartup();
    ASSERT_EQ(1, read->Read());
    read->GetValue("ShiyoushaName", text);
    EXPECT_EQ("山田", text);
    read->GetValue("ShiyoushaKengen", text);
    EXPECT_EQ("0000001f", text);
    auto again = Startup();
    ASSERT_EQ(1, again->Read());
    again->GetValue("Startup", text);
    EXPECT_EQ("0:1:-1:-1:-1:-1:10:20:810:620", text);

    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, "software\\Norva\\Zadazez\\App\\6.00.0.0"));
    key.SetValue("", "Startup");
    EXPECT_EQ(1, again->Read());
    EXPECT_EQ(nullptr, again->GetPlacement());
    auto other = SystemStartup("NoSuchValue");
    other->SetDwordValue("NoSuchValue", 5);
    EXPECT_EQ(1, other->Read());
    other->GetDwordValue("NoSuchValue", rights);
    EXPECT_EQ(5u, rights);
}

// Stored folders get their backslash (表 ends in 5C, yet is none); Read keeps stored texts.
TEST(ZnRegistryDataLocation, FoldersGetTheirBackslash)
{
    TempRegistry registry;
    ZnRegistryDataLocation location("DataLocation", ZnRegistryDataLocation::kFolderNames);
    location.SetCompanyKey(kCompany);
    location.SetRootKey(HKEY_LOCAL_MACHINE);
    for (const auto& [name, folder, stored] :
         {std::tuple{"ComTblPath", "C:\\Data", "C:\\Data\\"}, std::tuple{"AppPath", "C:\\Data\\", "C:\\Data\\"},
          std::tuple{"OcrDataPath", "D:\\表", "D:\\表\\"}, std::tuple{"LocalPath", "", ""},
          std::tuple{"comtblpath", "x", "(none)"}}) {
        CString text = "(none)";
        location.SetValue(name, folder);
        location.GetValue(name, text);
        EXPECT_EQ(stored, text) << name;
    }
    ASSERT_EQ(1, location.Write());
    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Norva\\Zadazez\\DataLocation"));
    key.SetValue("E:\\No backslash", "DbMngPath");
    ASSERT_EQ(1, location.Read());
    CString text;
    location.GetValue("DbMngPath", text);
    EXPECT_EQ("E:\\No backslash", text);
    location.GetValue("OcrDataPath", text);
    EXPECT_EQ("D:\\表\\", text);
}
