// A property made from an application floppy is listed and exported by the migration dialog like
// any other property of the register.
#include "tests/support/ShellTestSupport.h"
#include "tests/writers/XmlCheck.h"
#include "tests/writers/ZipTestSupport.h"

#include "fdimport/ZnDlgAppFDImport.h"
#include "fdimport/ZnDlgAppFDImportSave.h"
#include "platform/core/Cp932.h"
#include "platform/wnd/CListCtrl.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyImportIds.h"
#include "res/MainFrameIds.h"

#include <filesystem>

namespace {

class FloppyImportExport : public ShellTest {
protected:
    FloppyImportExport()
    {
        MakeExportableSampleDataSet(m_data.Path("sample"));
        std::filesystem::create_directories(m_data.Path("export"));
        std::filesystem::copy(testsupport::DataPath("fdimport/lift_conf"), m_folder.Path("floppy"),
                              std::filesystem::copy_options::recursive);
    }
    // Outside the program's drive C, as the zip library, which keeps no drive table, needs.
    CString Data(const std::string& relative) const { return CString(LinuxPathToWin(m_data.Path(relative))); }

    // Imports the floppy into the property-data folder through the main frame's command.
    void ImportFloppy()
    {
        m_ui.ScriptModal([this](CDialog& dialog) {
            EXPECT_TRUE(UserInput::Click(dialog, IDC_FI_BTN_READ));
            m_ui.ScriptModal([this](CDialog& save) {
                m_ui.AnswerMessageBox(IDOK);
                EXPECT_TRUE(UserInput::Click(save, IDOK));
            });
            EXPECT_TRUE(UserInput::Click(dialog, IDOK));
        });
        Command(ID_FD_LOAD);
    }

    testsupport::TempFolder m_data;
};

} // namespace

TEST_F(FloppyImportExport, AnImportedLiftConfirmationIsListedAndExported)
{
    StoreFolders(Data("sample/codes"), Data("sample/common"), Data("sample/bukken"), Data("export"), Windows("floppy"));
    std::vector<std::string> listed;
    Start([&](CDialog& migration) {
        ImportFloppy();
        // The list is read again when the property-data folder is chosen.
        m_ui.AnswerFolder(Data("sample/bukken"));
        ASSERT_TRUE(UserInput::Click(migration, IDC_SO_BTN_BUKKEN));
        auto* list = static_cast<CListCtrl*>(migration.GetDlgItem(IDC_SO_LIST));
        for (int i = 0; i < list->GetItemCount(); ++i)
            listed.push_back(cp932::ToUtf8(list->GetItemText(i, 0).Bytes()));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(migration, IDC_SO_BTN_IKOU));
        migration.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(1, std::count(listed.begin(), listed.end(), u8"昇降機確認の家")) << ::testing::PrintToString(listed);
    std::vector<std::string> texts = MessageTexts();
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ(u8"FDの内容は正常に保存されました。", texts[0]);
    EXPECT_EQ(u8"移行データ作成が終わりました。", texts[1]);

    std::string document;
    for (const std::string& name : ziptest::FolderNames(m_data.Path("export")))
        if (name.rfind(u8"物件データ_", 0) == 0)
            for (const auto& entry : ziptest::ArchiveEntries(m_data.Path("export/" + name))) {
                std::string entryName = cp932::ToUtf8(entry.first);
                const std::string file = u8"/申請書データ.xml";
                if (entryName.rfind(u8"昇降機確認の家/", 0) == 0 && entryName.size() > file.size() &&
                    entryName.compare(entryName.size() - file.size(), file.size(), file) == 0)
                    document = entry.second;
            }
    ASSERT_FALSE(document.empty());
    EXPECT_TRUE(xmlcheck::IsWellFormed(document));
    // The floppy's owner (its form's last owner record gives the first owner).
    EXPECT_NE(std::string::npos, document.find(u8"<氏名フリガナ>ソウマ</氏名フリガナ>\n\t\t\t\t<氏名>相馬</氏名>"));
}
