// The temporary-use page 6604 on the display, hosted at (10, 30) as its form view hosts it: its
// controls at the template's places with the listed documents and the loaded application date.
// The screenshot is kept among the test artefacts.
#include "tests/fdoutput/FdOutputTestSupport.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/writers/WriterShellState.h"

#include "fdoutput/ZnDlgAppFDOut51.h"
#include "model/ZnModelAppTempUseConf.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <sys/stat.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

TEST(NoticePageOnDisplay, TheTemporaryUsePageShowsItsDocumentsAndDate)
{
    testsupport::TempFolder folder;
    mkdir(folder.Path("obj").c_str(), 0777);
    mkdir(folder.Path(u8"obj/南町の家").c_str(), 0777);
    WriterShellState shell;
    shell.objFolder = LinuxPathToWin(folder.Path("obj")).c_str();
    shell.bukkenName = CString(cp932::FromUtf8(u8"南町の家"));
    shell.frameBukkenIndex = 5;
    DaoCreateDatabase(shell.objFolder + "\\APP_BUKKEN.mdb",
                      std::string(appBukkenSchema) +
                          u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '仮使用二', 100401, 0, 1, "
                          u8"'2012-03-09 00:00:00', '', '', 'G2', 'n2', NULL);\n"
                          u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 5, '仮使用一', 100401, 0, 1, "
                          u8"'2010-09-03 00:00:00', 'U1', 'Z1', '', 'n1', NULL);\n");
    ZnModelAppTempUseConf form;
    testsupport::WriteFileBytes(folder.Path(u8"obj/南町の家/Ka001.220"), fdtest::FormFileBytes("02220403", form));

    CWinApp winApp("テスト");
    winApp.SetDialogBkColor(RGB(231, 236, 249));
    uitest::PageHost<ZnDlgAppFDOut51> host(IDD_FDOUT_PAGE_HOST, IDD_FDOUT51);
    wxImage shot;
    wxRect pageArea, receptionArea;
    uitest::WhenModal([&](wxDialog& peer) {
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_FDP_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetItemCount() == 2; }));
        EXPECT_EQ(wxString::FromUTF8(u8"仮使用一"), list->GetItemText(0, 0));
        EXPECT_FALSE(list->HasFlag(wxLC_SINGLE_SEL));
        wxTextCtrl* year = uitest::Control<wxTextCtrl>(peer, IDC_FDP_EDIT_YEAR);
        wxTextCtrl* reception = uitest::Control<wxTextCtrl>(peer, IDC_FDP_EDIT_RECEPTION);
        ASSERT_NE(nullptr, year);
        ASSERT_NE(nullptr, reception);
        EXPECT_EQ("2010", year->GetValue());
        EXPECT_EQ("U1", reception->GetValue());
        // The date and reception row: one line, the reception number to the right of the year.
        wxPoint yearAt = peer.ScreenToClient(year->GetScreenPosition());
        wxPoint receptionAt = peer.ScreenToClient(reception->GetScreenPosition());
        EXPECT_EQ(yearAt.y, receptionAt.y);
        EXPECT_LT(yearAt.x, receptionAt.x);
        receptionArea = wxRect(receptionAt, reception->GetSize());
        pageArea = wxRect(wxPoint(0, 0), peer.GetClientSize());
        shot = uitest::Screenshot(peer);
        host.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, host.DoModal());
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(uitest::ArtefactPath("FloppyOutputPage6604.png"), wxBITMAP_TYPE_PNG));
    // Not blank: the labels, the list and the edits put ink on the page, the reception number too.
    EXPECT_LT(2000u, uitest::DarkPixels(shot, pageArea));
    EXPECT_LT(10u, uitest::DarkPixels(shot, receptionArea));
    EXPECT_EQ(0u, uitest::SettleWindows());
}
