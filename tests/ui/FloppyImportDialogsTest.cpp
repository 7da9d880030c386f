// The floppy import's two dialogs through their wx windows: the contents dialog reads a floppy
// fixture and the destination dialog makes the property from it. Their screenshots are kept.
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "fdimport/ZnAppFDImporter.h"
#include "fdimport/ZnDlgAppFDImport.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"
#include "res/FloppyImportIds.h"
#include "shell/ZnDocKindNames.h"
#include "storage/AppDatabaseSchemas.h"

#include <filesystem>

#include <wx/msgdlg.h>
#include <wx/textctrl.h>
// After the message dialog's own header, which it needs.
#include <wx/generic/msgdlgg.h>

namespace {

// A shell with the application's document-kind names.
class NamingShell : public testsupport::TestShellState {
public:
    CString DocKindName(int code, int mode, int variant) const override
    {
        return ZnDocKindNames::DocKindName(code, mode, variant);
    }
};

COleDateTime FixedClock() { return COleDateTime(2026, 3, 4, 0, 0, 0); }

// The dialog's client area as shown, saved under the artefacts.
void KeepScreenshot(wxDialog& peer, const std::string& name)
{
    uitest::PumpUntil([&] { return peer.IsShownOnScreen(); });
    uitest::KeepScreenshot(peer, name);
}

wxString Value(wxDialog& peer, int id)
{
    wxTextCtrl* edit = uitest::Control<wxTextCtrl>(peer, id);
    return edit ? edit->GetValue() : wxString("no control");
}

} // namespace

TEST(WxFloppyImport, TheContentsDialogReadsAFloppyAndTheDestinationDialogMakesItsProperty)
{
    testsupport::TempFolder folder;
    std::filesystem::copy(testsupport::DataPath("fdimport/lift_mod"), folder.Path("floppy"),
                          std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(folder.Path("app"));
    std::filesystem::create_directories(folder.Path("obj"));
    DaoCreateDatabase(LinuxPathToWin(folder.Path("app/APP_BUKKEN.mdb")).c_str(), appBukkenSchema);
    NamingShell shell;
    shell.appFolder = LinuxPathToWin(folder.Path("app")).c_str();
    shell.objFolder = LinuxPathToWin(folder.Path("obj")).c_str();
    shell.outputFolder = LinuxPathToWin(folder.Path("floppy")).c_str();
    ZnAppFDImporter::Clock previous = ZnAppFDImporter::SetClock(&FixedClock);

    CWinApp app("テスト");
    ZnDlgAppFDImport dialog;
    wxString saved;
    uitest::WhenModal([&](wxDialog& contents) {
        EXPECT_FALSE(uitest::Control<wxWindow>(contents, IDOK)->IsEnabled());
        uitest::Click(uitest::Control<wxWindow>(contents, IDC_FI_BTN_READ));
        ASSERT_TRUE(
            uitest::PumpUntil([&] { return Value(contents, IDC_FI_EDIT_NAME) == wxString::FromUTF8(u8"昇降機の家"); }));
        EXPECT_EQ(wxString::FromUTF8(u8"2004年04月01日"), Value(contents, IDC_FI_EDIT_DATE));
        EXPECT_EQ(wxString::FromUTF8(u8"計画変更確認申請書_昇降機_"), Value(contents, IDC_FI_EDIT_KIND));
        EXPECT_TRUE(uitest::PumpUntil([&] { return uitest::Control<wxWindow>(contents, IDOK)->IsEnabled(); }));
        KeepScreenshot(contents, "FloppyContentsDialog.png");

        uitest::WhenModal([&](wxDialog& destination) {
            EXPECT_EQ(wxString::FromUTF8(u8"昇降機の家"), Value(destination, IDC_FS_EDIT_NAME));
            EXPECT_EQ(wxString::FromUTF8(folder.Path("obj").c_str()).AfterLast('/'),
                      Value(destination, IDC_FS_EDIT_FOLDER).AfterLast('\\'));
            KeepScreenshot(destination, "FloppyDestinationDialog.png");
            uitest::WhenModal([&](wxDialog& shown) {
                auto* box = dynamic_cast<wxGenericMessageDialog*>(&shown);
                ASSERT_NE(nullptr, box);
                saved = box->GetMessage();
                uitest::Click(box->FindWindow(wxID_OK));
            });
            uitest::Click(uitest::Control<wxWindow>(destination, IDOK));
        });
        uitest::Click(uitest::Control<wxWindow>(contents, IDOK));
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(wxString::FromUTF8(u8"FDの内容は正常に保存されました。"), saved);
    EXPECT_TRUE(std::filesystem::exists(folder.Path(u8"obj/昇降機の家/Ka001.420")));
    EXPECT_EQ(1, shell.bukkenIndex);
    EXPECT_EQ(0u, uitest::SettleWindows());
    ZnAppFDImporter::SetClock(previous);
}
