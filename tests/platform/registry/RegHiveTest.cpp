#include "platform/registry/RegHive.h"
#include "tests/support/FromHex.h"
#include "tests/support/TabbedCases.h"
#include "tests/support/TempFolder.h"

using testsupport::DataPath;
using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;

namespace {

const char kAppPos[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Norva\\Zadazez\\App\\6.00.0.1\\AppPos";

// A text value's data: the CP932 text and its terminating zero.
std::string Sz(const char* text) { return std::string(text) + '\0'; }

std::string Text(const RegHive& hive, const std::string& key, const std::string& name)
{
    const RegValue* value = hive.FindValue(key, name);
    if (!value)
        return "(missing)";
    EXPECT_EQ(DWORD(REG_SZ), value->type) << name;
    return value->data;
}

void ExpectHandEditedValues(const RegHive& hive)
{
    EXPECT_EQ(0, hive.DamagedLines());
    // Key and value names are found whatever their case.
    EXPECT_EQ(Sz("\\\\server\\物件"), Text(hive, kAppPos, "ZNOBJ"));
    EXPECT_EQ(Sz("既定"), Text(hive, kAppPos, ""));
    std::string extra = std::string(kAppPos) + "\\extra";
    const RegValue* raw = hive.FindValue(extra, "Raw");
    ASSERT_NE(nullptr, raw);
    EXPECT_EQ(7u, raw->type);
    EXPECT_EQ(std::string("A\0B\0\0", 5), raw->data);
    const RegValue* count = hive.FindValue(extra, "count");
    ASSERT_NE(nullptr, count);
    EXPECT_EQ(DWORD(REG_DWORD), count->type);
    EXPECT_EQ(std::string("\x1f\0\0\0", 4), count->data);
    EXPECT_TRUE(hive.HasKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\NORVA"));
}

} // namespace

TEST(RegHive, ReadsAHandEditedHive)
{
    std::string text = ReadFileBytes(DataPath("registry/HandEdited.reg"));
    ExpectHandEditedValues(RegHive::Parse(text));
    // The same with Windows line ends and a byte-order mark.
    std::string windows = "\xEF\xBB\xBF";
    for (char c : text)
        windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ExpectHandEditedValues(RegHive::Parse(windows));
}

// A line is UTF-8 when it is well-formed as Unicode defines it, else CP932: "燹　" in CP932
// (E0 9F 81 40) is an overlong form in UTF-8. A line whose text CP932 cannot hold (U+0800 and
// 𠮷, which CP932 lacks, and 〜 U+301C, which comes back as ～ U+FF5E) is kept as it stood, key
// line and value lines alike, and with it the values below a key line kept.
TEST(RegHive, ReadsALineOnlyWhenCp932HoldsItsText)
{
    const std::string kept = std::string(u8"\"Wide\"=\"a\u0800b\"\n") + u8"\"𠮷野家\"=\"1\"\n" + u8"\"Dash\"=\"〜\"\n" +
                             u8"[HKEY_CURRENT_USER\\X\\𠮷]\n" + "\"Below\"=\"2\"\n";
    RegHive hive = RegHive::Parse("REGEDIT4\n\n[HKEY_CURRENT_USER\\X]\n\"Cp932\"=\"燹　\"\n" + kept);
    EXPECT_EQ(5, hive.DamagedLines());
    EXPECT_EQ(Sz("燹　"), Text(hive, "HKEY_CURRENT_USER\\X", "Cp932"));
    EXPECT_EQ("(missing)", Text(hive, "HKEY_CURRENT_USER\\X", "Dash"));
    EXPECT_EQ(std::string(u8"REGEDIT4\n\n[HKEY_CURRENT_USER\\X]\n\"Cp932\"=\"燹　\"\n") + kept + "\n", hive.Format());
}

// A key deeper than Windows' 512 levels below its root is a line that cannot be read, kept as it
// stood with the values below it. Only keys that hold something, and empty keys with no key
// below them, have lines: the keys above a key exist through its line.
TEST(RegHive, KeysDeeperThanWindowsAllowsAreKeptAndKeysAboveAKeyNeedNoLine)
{
    auto chain = [](int depth) {
        std::string path = "HKEY_CURRENT_USER";
        for (int level = 1; level <= depth; ++level)
            path += "\\k";
        return path;
    };
    // Every key of the chain in a line of its own, as a hive that names every key above a key holds it.
    std::string text = "REGEDIT4\n\n";
    for (int depth = 1; depth <= 514; ++depth)
        text += "[" + chain(depth) + "]\n" + (depth >= 512 ? "\"V\"=\"x\"\n\n" : "\n");
    text += "[HKEY_CURRENT_USER\\Empty\\Leaf]\n\n";
    RegHive hive = RegHive::Parse(text);
    EXPECT_EQ(4, hive.DamagedLines());
    EXPECT_EQ(Sz("x"), Text(hive, chain(512), "V"));
    EXPECT_FALSE(hive.HasKey(chain(513)));
    EXPECT_TRUE(hive.HasKey(chain(1)));
    std::string expected = "REGEDIT4\n\n[" + chain(512) + "]\n\"V\"=\"x\"\n[" + chain(513) + "]\n\"V\"=\"x\"\n[" +
                           chain(514) + "]\n\"V\"=\"x\"\n\n[HKEY_CURRENT_USER\\Empty\\Leaf]\n\n";
    EXPECT_EQ(expected, hive.Format());
    EXPECT_EQ(expected, RegHive::Parse(expected).Format());
}

TEST(RegHive, WritesEveryKindOfValueInItsForm)
{
    const std::string key = "HKEY_CURRENT_USER\\software\\Kinds";
    RegHive hive;
    EXPECT_TRUE(hive.CreateKey(key));
    EXPECT_FALSE(hive.CreateKey("hkey_current_user\\SOFTWARE\\kinds"));
    std::vector<RegValue> values;
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("platform/hive_values.tsv"))
        values.push_back(
            {c[0].Bytes(), static_cast<DWORD>(std::stoul(c[1].Bytes())), testsupport::FromHex(c[2].Bytes())});
    for (const RegValue& value : values)
        ASSERT_TRUE(hive.SetValue(key, value));
    std::string text = hive.Format();
    EXPECT_EQ(Hex(ReadHexFixture("registry/AllValueKinds.hex")), Hex(text));

    RegHive again = RegHive::Parse(text);
    EXPECT_EQ(0, again.DamagedLines());
    for (const RegValue& value : values) {
        const RegValue* read = again.FindValue(key, value.name);
        ASSERT_NE(nullptr, read) << value.name;
        EXPECT_EQ(value.type, read->type) << value.name;
        EXPECT_EQ(Hex(value.data), Hex(read->data)) << value.name;
    }
}

// A hive that Windows' own REGEDIT4 export wrote, in CP932 with CR LF: a trail byte 5C is no "\"
// (in texts and in a key's name), half-width katakana are one byte each. Written, it is UTF-8.
TEST(RegHive, ReadsAHiveInCp932AsWindowsExportsIt)
{
    RegHive hive = RegHive::Parse(ReadHexFixture("registry/Cp932Export.hex"));
    EXPECT_EQ(0, hive.DamagedLines());
    EXPECT_EQ(Sz("C:\\Zadazez\\表"), Text(hive, kAppPos, "ZnApp"));
    EXPECT_EQ(Sz("C:\\ソフト\\共通\\"), Text(hive, kAppPos, "ZnCom"));
    EXPECT_EQ(Sz("ﾊﾝｶｸ"), Text(hive, std::string(kAppPos) + "\\申請", "メモ"));
    EXPECT_EQ(Hex(ReadFileBytes(DataPath("registry/Cp932ExportAsUtf8.reg"))), Hex(hive.Format()));

    // A CP932 line added to a UTF-8 hive is read as CP932, and the UTF-8 lines stay UTF-8.
    RegHive mixed =
        RegHive::Parse(std::string("REGEDIT4\n[HKEY_CURRENT_USER\\X]\n\"A\"=\"") + u8"物件" + "\"\n\"B\"=\"物件\"\n");
    EXPECT_EQ(0, mixed.DamagedLines());
    EXPECT_EQ(Sz("物件"), Text(mixed, "HKEY_CURRENT_USER\\X", "A"));
    EXPECT_EQ(Sz("物件"), Text(mixed, "HKEY_CURRENT_USER\\X", "B"));
}

// What cannot be read is kept byte for byte below the values of the key it stood under, so a
// value set later is read back, and what was kept is kept again.
TEST(RegHive, KeepsTheLinesItCannotReadAsTheyStood)
{
    RegHive hive = RegHive::Parse(ReadHexFixture("registry/Damaged.hex"));
    EXPECT_EQ(5, hive.DamagedLines());
    EXPECT_EQ("(missing)", Text(hive, kAppPos, "ZnCom"));
    EXPECT_EQ(Sz("D:\\物件"), Text(hive, kAppPos, "ZnObj"));
    EXPECT_FALSE(hive.HasKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Broken"));
    EXPECT_EQ(Hex(ReadHexFixture("registry/DamagedWrittenBack.hex")), Hex(hive.Format()));

    RegHive rewritten = RegHive::Parse(hive.Format());
    EXPECT_EQ(5, rewritten.DamagedLines());
    EXPECT_EQ(hive.Format(), rewritten.Format());
    ASSERT_TRUE(rewritten.SetValue(kAppPos, {"ZnDst", REG_SZ, Sz("F:\\")}));
    EXPECT_EQ(Sz("F:\\"), Text(RegHive::Parse(rewritten.Format()), kAppPos, "ZnDst"));

    // A hex value cut short after its "\" takes neither the blank line nor the next kept line.
    RegHive cut = RegHive::Parse("[HKEY_CURRENT_USER\\X]\n\"A\"=hex:01,\\\n\n02\n");
    EXPECT_EQ(2, cut.DamagedLines());
    EXPECT_EQ("REGEDIT4\n\n[HKEY_CURRENT_USER\\X]\n\"A\"=hex:01,\\\n\n02\n\n", cut.Format());
    EXPECT_EQ(cut.Format(), RegHive::Parse(cut.Format()).Format());
    // A number needs a digit.
    EXPECT_EQ(2, RegHive::Parse("[HKEY_CURRENT_USER\\X]\n\"A\"=dword:\n\"B\"=hex():00\n").DamagedLines());
    // Carriage returns before a line end belong to the line end.
    RegHive returns = RegHive::Parse("[HKEY_CURRENT_USER\\X]\r\nbad \r\r\n");
    EXPECT_EQ("REGEDIT4\n\n[HKEY_CURRENT_USER\\X]\nbad \n\n", returns.Format());
}

// Every truncation and a fixed-seed series of changed bytes: reading never fails, and what it
// writes is read back the same, with the same lines kept.
TEST(RegHive, SurvivesDamagedCopiesOfEveryFixture)
{
    for (const std::string& bytes :
         {ReadFileBytes(DataPath("registry/HandEdited.reg")), ReadHexFixture("registry/AllValueKinds.hex"),
          ReadHexFixture("registry/Damaged.hex"), ReadHexFixture("registry/Cp932Export.hex"),
          ReadFileBytes(DataPath("registry/CutShort.reg"))})
        testsupport::ForEachDamagedCopy(bytes, 300, [](const std::string& damaged) {
            RegHive hive = RegHive::Parse(damaged);
            std::string text = hive.Format();
            RegHive again = RegHive::Parse(text);
            ASSERT_EQ(hive.DamagedLines(), again.DamagedLines());
            ASSERT_EQ(text, again.Format());
        });
}
