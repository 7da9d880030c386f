#include "storage/ZnAppRegObject.h"
#include "storage/ZnRegistrySystemStartup.h"
#include "tests/support/RunLogCheck.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TempWorkingFolder.h"
#include "tests/support/TestSupport.h"

#include <memory>

using testsupport::DataPath;
using testsupport::ExpectLogLines;
using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::TempRegistry;
using testsupport::TempWorkingFolder;
using testsupport::WriteFileBytes;

namespace {

ZnAppRegObject Folders() { return ZnAppRegObject(kAppPosSubKey, "ZnApp", "ZnCom", "ZnObj", "ZnDst", "ZnOutput"); }

std::unique_ptr<ZnRegistrySystemStartup> SystemStartup()
{
    auto user = std::make_unique<ZnRegistrySystemStartup>("SystemStartup", "ShiyoushaCode", "ShiyoushaName",
                                                          "ShiyoushaFirstName", "ShiyoushaTanmatsu", "ShiyoushaKengen");
    user->SetCompanyKey("Norva\\Zadazez");
    return user;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

} // namespace

// The machine's settings as Windows' REGEDIT4 export left them, in CP932: the folders read as
// they were set, and the hive written back in UTF-8 with the key the program does not know.
TEST(SettingsFiles, AWindowsExportInCp932IsReadAndWrittenBackInUtf8)
{
    TempWorkingFolder work;
    TempRegistry registry;
    WriteFileBytes(registry.MachineHive(), ReadHexFixture("registry/Cp932Export.hex"));
    ZnAppRegObject folders = Folders();
    ASSERT_EQ(1, folders.Read());
    const char* values[] = {"C:\\Zadazez\\表", "C:\\ソフト\\共通\\", "D:\\物件", "", "A:\\"};
    for (int i = 0; i < ZnAppRegObject::kValueCount; ++i)
        EXPECT_EQ(values[i], folders.m_strValues[i]) << i;

    folders.m_strValues[3] = "E:\\出力";
    ASSERT_EQ(1, folders.Write());
    std::string expected = Replaced(ReadFileBytes(DataPath("registry/Cp932ExportAsUtf8.reg")), "\"ZnDst\"=\"\"",
                                    u8"\"ZnDst\"=\"E:\\\\出力\"");
    EXPECT_EQ(Hex(expected), Hex(ReadFileBytes(registry.MachineHive())));
    EXPECT_EQ("", ReadFileBytes(work.Work().Path("ravuRivo.log")));
}

// The user's settings with a text typed without its quotes and a last line cut short: what can
// be read is, the two lines stay as they stood through every write, and the run log names the
// file once.
TEST(SettingsFiles, LinesThatCannotBeReadAreKeptAndTheLogNamesTheFileOnce)
{
    TempWorkingFolder work;
    TempRegistry registry;
    WriteFileBytes(registry.UserHive(), ReadFileBytes(DataPath("registry/CutShort.reg")));
    auto owned = SystemStartup();
    ZnRegistrySystemStartup& user = *owned;
    ASSERT_EQ(1, user.Read());
    CString text;
    user.GetValue("ShiyoushaCode", text);
    EXPECT_EQ("0012", text);
    user.GetValue("ShiyoushaTanmatsu", text);
    EXPECT_EQ("", text);
    DWORD rights = 0;
    user.GetDwordValue("ShiyoushaKengen", rights);
    EXPECT_EQ(0x0Fu, rights);

    user.SetValue("ShiyoushaName", "設計");
    ASSERT_EQ(1, user.Write());
    std::string expected = ReadFileBytes(DataPath("registry/CutShortWrittenBack.reg"));
    EXPECT_EQ(Hex(expected), Hex(ReadFileBytes(registry.UserHive())));
    auto again = SystemStartup();
    ASSERT_EQ(1, again->Read());
    ASSERT_EQ(1, again->Write());
    EXPECT_EQ(Hex(expected), Hex(ReadFileBytes(registry.UserHive())));

    ExpectLogLines(ReadFileBytes(work.Work().Path("ravuRivo.log")),
                   {" [WARN ] ZnRegKey#Open() - 設定ファイル【" + registry.UserHive() +
                    "】に読めない行があります。その行は書き込みの後もそのまま残ります。"});
}
