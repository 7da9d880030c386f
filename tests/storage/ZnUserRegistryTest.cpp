#include "storage/ZnRegistryDataLocation.h"
#include "storage/ZnRegistryStartup.h"
#include "storage/ZnRegistrySystemStartup.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::TempRegistry;

namespace {

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

// The user's settings: the rights as eight hex digits (none stored: all rights), the placement as
// ten numbers with colons under the one name "Startup"; values of other names are refused. Both
// write the user hive and read back; a missing rights value leaves the member as it was, an
// empty placement text gives none.
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
    EXPECT_EQ(44u, placement->length);
    EXPECT_EQ(1u, placement->showCmd);
    EXPECT_EQ(10, placement->rcNormalPosition.left);
    EXPECT_EQ(620, placement->rcNormalPosition.bottom);
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

// Stored folders get their backslash (表 ends with the byte 5C, yet is no backslash); Read takes
// the stored texts as they are.
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
