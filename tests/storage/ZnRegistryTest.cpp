#include "storage/ZnRegistry.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <cstring>

using testsupport::TempRegistry;

namespace {

// The base alone, with Read and Write that only open and create the key.
class BareRegistry : public ZnRegistry {
public:
    BareRegistry(LPCTSTR companyKey, LPCTSTR key, HKEY root) : ZnRegistry(companyKey, key, root) {}
    BOOL Read() override
    {
        ZnRegKey key;
        return OpenKey(key);
    }
    BOOL Write() override
    {
        ZnRegKey key;
        return CreateKey(key);
    }
};

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

// A text is read only whole and with its zero: at most 255 bytes counted in CP932 (a double-byte
// character ending at byte 255 fits), never a value of another type, never cut short.
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
