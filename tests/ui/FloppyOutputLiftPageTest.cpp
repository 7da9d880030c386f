// The lift's floppy-output page on the display, inside a window that places it as its form view
// does: a plan change lists its documents without the count of further lifts and its labels.
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "fdoutput/ZnDlgAppFDOut12.h"
#include "model/ZnModelApp.h"
#include "model/ZnModelAppLiftMod.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/files/WinPath.h"
#include "platform/ui/WxIds.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <iterator>
#include <sys/stat.h>
#include <wx/listctrl.h>

namespace {

// The window that hosts the page at (10, 30), as the form view does.
const UINT kPageHostId = 9661;
const DialogResource kHost[] = {{kPageHostId, u8"昇降機", u8"ＭＳ Ｐゴシック", 9,
                                 DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 360, 290, nullptr, 0}};
const AfxResourceSet registration(kHost, std::size(kHost), nullptr, 0, nullptr, 0);

} // namespace

TEST(FloppyOutputLiftPage, APlanChangeShowsItsDocumentsWithoutTheCountOfFurtherLifts)
{
    testsupport::TempFolder folder;
    for (const char* name : {"obj", u8"obj/南町の家"})
        mkdir(folder.Path(name).c_str(), 0777);
    testsupport::TestShellState shell;
    shell.objFolder = LinuxPathToWin(folder.Path("obj")).c_str();
    shell.bukkenName = cp932::FromUtf8(u8"南町の家").c_str();
    shell.frameBukkenIndex = 5;
    shell.docMode = 32786;
    shell.docType = 1008;
    shell.outputFolder = "A:";
    DaoCreateDatabase(shell.objFolder + "\\APP_BUKKEN.mdb",
                      std::string(appBukkenSchema) +
                          u8"INSERT INTO AppBukkenShousaiTbl VALUES (6, 5, '計画変更六', 100302, 0, 1, "
                          u8"'2011-01-06 00:00:00', 'R6', '', '', 'm6.doc', NULL);\n"
                          u8"INSERT INTO AppBukkenShousaiTbl VALUES (8, 5, '計画変更八', 100302, 0, 2, "
                          u8"'2011-02-08 00:00:00', '', '', '', 'm8.doc', NULL);\n");
    ZnModelApp app;
    ZnModelAppLift lift;
    ZnModelAppLiftMod planChange;
    testsupport::WriteFileBytes(folder.Path(u8"obj/南町の家/m6.doc"), testsupport::StoreToBytes([&](CArchive& ar) {
                                    app.Serialize(ar);
                                    lift.Serialize(ar);
                                    planChange.Serialize(ar);
                                }));

    CWinApp program("テスト");
    program.SetDialogBkColor(RGB(231, 236, 249));
    uitest::PageHost<ZnDlgAppFDOut12> host(kPageHostId, IDD_FDOUT12);
    wxImage shot;
    uitest::WhenModal([&](wxDialog& peer) {
        auto* list = uitest::Control<wxListCtrl>(peer, IDC_FDP_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 2; }));
        EXPECT_EQ(wxString::FromUTF8(u8"計画変更六"), list->GetItemText(0, 0));
        for (int id : {IDC_FD12_LABEL_FURTHER, IDC_FD12_LABEL_UNIT, IDC_FD12_EDIT_COUNT}) {
            wxWindow* control = peer.FindWindow(WxIds::ToWx(id));
            EXPECT_TRUE(control == nullptr || !control->IsShown()) << id;
        }
        wxWindow* title = peer.FindWindow(WxIds::ToWx(IDC_FD12_ROW_TITLE));
        ASSERT_NE(nullptr, title);
        EXPECT_TRUE(title->IsShown());
        shot = uitest::Screenshot(peer);
        host.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, host.DoModal());
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(uitest::ArtefactPath("LiftPagePlanChange.png"), wxBITMAP_TYPE_PNG));
    EXPECT_GT(uitest::DarkPixels(shot), 200u);
    EXPECT_EQ(0u, uitest::SettleWindows());
}
