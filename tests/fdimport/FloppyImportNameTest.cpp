// The name of a property made from an application floppy is one that the whole system can use: on
// disk, in the register and in the migration export. Any other is refused by the destination
// dialog's check, before anything is made.
#include "tests/fdimport/FloppyImportSupport.h"

using testsupport::WriteFileBytes;

namespace {

const char kNameRefused[] = u8"物件名に、フォルダ名に使えない名前（CON、PRN、AUX、NUL、COM1～COM9、LPT1～LPT9）や、"
                            u8"末尾の「.」や空白、制御文字、シフトJISにない文字は使えません。";

// CP932 names that the index of a floppy may hold and that the system cannot use.
const std::vector<std::string> kUnusableNames = {
    "\x85\xC6", // a pair of a lead and a second byte without a character
    "a\x81\x7F" // a lead byte before a byte that cannot follow it
    "b",        //
    "x\xA0",    // a byte outside the code
    "CON",      // device names, with or without an extension, in any case
    "lpt1.txt", //
    "a.",       // a name that Windows cuts at its end
    "a ",       //
    "a\tb",     // a control character
};

class FloppyImportNames : public FloppyImport {
protected:
    FloppyImportNames()
    {
        CopyFloppy("lift_conf");
        Start();
    }
    // Each entry below a folder of the work folder, with the size of each file, sorted.
    std::vector<std::string> Tree(const std::string& relative) const
    {
        std::vector<std::string> tree;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder.Path(relative)))
            tree.push_back(entry.path().lexically_relative(m_folder.Path(relative)).string() +
                           (entry.is_regular_file() ? " " + std::to_string(entry.file_size()) : "/"));
        std::sort(tree.begin(), tree.end());
        return tree;
    }
    // A lift confirmation floppy whose index names the property name, in CP932 bytes.
    void WriteIndexName(const std::string& name) const
    {
        WriteFileBytes(m_folder.Path("floppy/Info/filename.iba"),
                       "#000,\"" + name +
                           "\",\"20040401\",\"6.20\",\"0\",\"\",\"100002\",\"1\",\"0\",\"0\",\"0\",\"0\"\r\n");
    }
};

} // namespace

TEST_F(FloppyImportNames, ANameThatWindowsOrTheRegisterCannotHoldIsRefusedWithItsMessage)
{
    for (const std::string& name : kUnusableNames) {
        SCOPED_TRACE(testsupport::Hex(name));
        WriteIndexName(name);
        Import("obj");
        EXPECT_EQ(kNameRefused, MessageTexts().back());
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), m_ui.messageBoxes.back().type);
    }
    EXPECT_EQ(kUnusableNames.size(), m_ui.messageBoxes.size());

    // Characters that plain Shift-JIS lacks, and ≒ of the NEC row, which the register gives back
    // in its standard form (81 E0): the property is made, and its document loads by the name that
    // the register gives.
    WriteIndexName("\x87\x40\x81\x60\xFB\xFC\xB6\xC5\x87\x90");
    Import("obj");
    EXPECT_EQ(u8"FDの内容は正常に保存されました。", MessageTexts().back());
    std::vector<std::string> rows = RegisterRows("obj/APP_BUKKEN.mdb");
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ(0u, rows.back().find(u8"8|①～髙ｶﾅ≒|")) << rows.back();
    m_app.SetBukkenName("\x87\x40\x81\x60\xFB\xFC\xB6\xC5\x81\xE0");
    m_app.m_nBukkenIndex = 8;
    m_app.m_nBukkenShousaiIndex = 1;
    EXPECT_TRUE(m_app.LoadBukkenDocument());
}

TEST_F(FloppyImportNames, ARefusedNameLeavesTheRegisterAndThePropertyFoldersAsTheyWere)
{
    MakeFolders({u8"obj/北町の家"});
    WriteFileBytes(m_folder.Path(u8"obj/北町の家/Ka001.110"), "a document");
    const std::vector<std::string> registerRows = RegisterRows("obj/APP_BUKKEN.mdb");
    const std::vector<std::string> documentRows = DocumentRows("obj/APP_BUKKEN.mdb");
    const std::vector<std::string> tree = Tree("obj");
    for (const std::string& name : kUnusableNames) {
        SCOPED_TRACE(testsupport::Hex(name));
        WriteIndexName(name);
        Import("obj");
        EXPECT_EQ(kNameRefused, MessageTexts().back());
        EXPECT_EQ(registerRows, RegisterRows("obj/APP_BUKKEN.mdb"));
        EXPECT_EQ(documentRows, DocumentRows("obj/APP_BUKKEN.mdb"));
        EXPECT_EQ(tree, Tree("obj"));
        EXPECT_EQ(Windows("obj"), m_app.GetObjFolder());
        EXPECT_EQ(CString(), m_app.GetBukkenName());
    }
}
