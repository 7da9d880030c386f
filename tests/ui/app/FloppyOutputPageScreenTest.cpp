// The building confirmation's floppy-output page on the display, in a started program: the page
// with the property's documents listed, and its "FD出力" clicked through wx opening the confirm
// dialog. The form views and the main frame have no window on the display in this build, so the
// page is shown where its form view puts it, at (10, 30) inside a host window, as the editors' screen
// tests host theirs. Each step leaves a screenshot among the test artefacts.
#include "tests/support/ShellTestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "app/ZnFvAppCAFM11.h"
#include "fdoutput/ZnDlgAppFDOut11.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <iterator>

#include <wx/listctrl.h>

namespace {

const UINT kPageHostId = 9610;

const DialogResource hosts[] = {
    {kPageHostId, u8"FD出力", u8"ＭＳ Ｐゴシック", 9, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 362,
     336, nullptr, 0},
};
const AfxResourceSet registration(hosts, std::size(hosts), nullptr, 0, nullptr, 0);

wxString Wx(const char* utf8) { return wxString::FromUTF8(utf8); }

class FloppyOutputPageScreen : public ShellTest {
protected:
    FloppyOutputPageScreen()
    {
        MakeFolders({"app", "com", "obj", u8"obj/南町の家"});
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"),
                          std::string(appBukkenSchema) +
                              u8"INSERT INTO AppBukkenShousaiTbl VALUES (9, 5, '確認申請書九', 100001, 0, 3, "
                              u8"'2012-03-09 00:00:00', 'U9', '', 'G9', 'doc009.110', NULL);\n"
                              u8"INSERT INTO AppBukkenShousaiTbl VALUES (5, 5, '確認申請書五', 100001, 0, 1, "
                              u8"'2010-09-03 10:00:00', 'U5', 'Z5', 'G5', 'doc005.110', NULL);\n");
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), nullptr);
    }
};

} // namespace

TEST_F(FloppyOutputPageScreen, ThePageListsItsDocumentsAndFDOutputOpensTheConfirmDialog)
{
    Start();
    m_app.SetObjFolder(Windows("obj"));
    m_app.SetBukkenName(CString(cp932::FromUtf8(u8"南町の家")));
    Frame().SetBukkenIndex(5);
    Frame().SetDocMode(32786);
    Frame().SetDocType(1000);
    Frame().SetObjKind(1023);
    m_app.ChangeView(m_app.GetFormTemplate(RUNTIME_CLASS(ZnFvAppCAFM11)));

    uitest::PageHost<ZnDlgAppFDOut11> host(kPageHostId, IDD_FDOUT11);
    wxImage pageShot, confirmShot;
    std::vector<wxString> names;
    wxString confirmTitle;
    uitest::WhenModal([&](wxDialog& peer) {
        auto* list = uitest::Control<wxListCtrl>(peer, IDC_FDP_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetItemCount() == 2; }));
        for (long row = 0; row < list->GetItemCount(); ++row)
            names.push_back(list->GetItemText(row, 0));
        pageShot = uitest::Screenshot(peer);

        uitest::WhenModal([&](wxDialog& confirm) {
            confirmTitle = confirm.GetTitle();
            confirmShot = uitest::Screenshot(confirm);
            uitest::Click(uitest::Control<wxButton>(confirm, IDCANCEL));
        });
        uitest::Click(uitest::Control<wxButton>(peer, IDC_FDP_BTN_OUTPUT));
        host.EndDialog(IDCANCEL);
    });
    uitest::OnDisplay([&] { host.DoModal(); });

    EXPECT_EQ((std::vector<wxString>{Wx(u8"確認申請書五"), Wx(u8"確認申請書九")}), names);
    EXPECT_EQ(Wx(u8"■ FD出力"), confirmTitle);
    EXPECT_EQ(std::vector<UINT>{}, m_ui.modalTemplates); // the display ran them, not the script
    ASSERT_TRUE(pageShot.IsOk());
    ASSERT_TRUE(confirmShot.IsOk());
    EXPECT_LT(200u, uitest::DarkPixels(pageShot));
    EXPECT_LT(200u, uitest::DarkPixels(confirmShot));
    EXPECT_TRUE(pageShot.SaveFile(uitest::ArtefactPath("BuildingFloppyOutputPage.png"), wxBITMAP_TYPE_PNG));
    EXPECT_TRUE(confirmShot.SaveFile(uitest::ArtefactPath("BuildingFloppyOutputConfirm.png"), wxBITMAP_TYPE_PNG));
    EXPECT_TRUE(m_ui.messageBoxes.empty());
}
