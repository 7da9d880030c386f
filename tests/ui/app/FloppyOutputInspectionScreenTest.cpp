// The inspection floppy-output pages on the display, in a started program: the building
// inspection page with its attachment rows and its listed document, and the lift inspection page
// whose "FD出力", clicked through wx, opens the output-options dialog, where the number rows are
// picked with the mouse before the dialog is cancelled. Each page is shown where its form view puts
// it, at (10, 30) inside a host window. The screenshots are kept among the test artefacts.
#include "tests/app/InspectionDocuments.h"
#include "tests/support/ShellTestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "app/ZnFvAppCAFM31.h"
#include "app/ZnFvAppCAFM32.h"
#include "fdoutput/ZnDlgAppFDOut31.h"
#include "fdoutput/ZnDlgAppFDOut32.h"
#include "model/ZnModelAppBuild.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/CArchive.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FormViewIds.h"
#include "storage/AppDatabaseSchemas.h"

#include <iterator>
#include <sys/stat.h>

#include <wx/listctrl.h>
#include <wx/textctrl.h>

using inspectiontest::Inspection;

namespace {

const UINT kInspectionHostId = 9611;

const DialogResource hosts[] = {
    {kInspectionHostId, u8"FD出力", u8"ＭＳ Ｐゴシック", 9, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0,
     362, 326, nullptr, 0},
};
const AfxResourceSet registration(hosts, std::size(hosts), nullptr, 0, nullptr, 0);

wxString Wx(const char* utf8) { return wxString::FromUTF8(utf8); }

// The selected rows of a list view, from the top.
std::vector<long> SelectedRows(wxListCtrl& list)
{
    std::vector<long> rows;
    for (long row = list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
         row = list.GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        rows.push_back(row);
    return rows;
}

class InspectionPageScreen : public ShellTest {
protected:
    InspectionPageScreen()
    {
        MakeFolders({"app", "com", "obj", u8"obj/北町の家", "floppy"});
        DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + inspectiontest::kRegister);
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), "A:");
        SetDriveFolder('A', m_folder.Path("floppy"));
    }
    ~InspectionPageScreen() override { ResetDriveTable(); }

    // Stores the inspection as a document file of three slots in the property's folder.
    void StoreDocument(const char* fileName, Inspection& inspection)
    {
        testsupport::WriteFileBytes(m_folder.Path(std::string(u8"obj/北町の家/") + fileName),
                                    testsupport::StoreToBytes([&](CArchive& ar) {
                                        inspection.app.Serialize(ar);
                                        inspection.form.Serialize(ar);
                                        inspection.SubForm().Serialize(ar);
                                    }));
    }

    // Opens the form view for the document type and the frame's object kind, as the program does.
    void OpenView(CRuntimeClass* viewClass, int docType, int objKind)
    {
        Start();
        m_app.SetObjFolder(Windows("obj"));
        m_app.SetBukkenName(CString(cp932::FromUtf8(u8"北町の家")));
        Frame().SetBukkenIndex(5);
        Frame().SetDocMode(32786);
        Frame().SetDocType(docType);
        Frame().SetObjKind(objKind);
        m_app.ChangeView(m_app.GetFormTemplate(viewClass));
    }
};

} // namespace

TEST_F(InspectionPageScreen, TheBuildingInspectionPageShowsItsAttachmentRowsAndItsDocument)
{
    Inspection inspection(1005, new ZnModelAppBuild);
    StoreDocument("Ka007.211", inspection);
    OpenView(RUNTIME_CLASS(ZnFvAppCAFM31), 1005, 1023);

    uitest::PageHost<ZnDlgAppFDOut31> host(kInspectionHostId, IDD_FDOUT31);
    wxImage shot;
    std::vector<wxString> names;
    wxRect siteMapArea;
    uitest::WhenModal([&](wxDialog& peer) {
        auto* list = uitest::Control<wxListCtrl>(peer, IDC_FDP_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetItemCount() == 1; }));
        for (long row = 0; row < list->GetItemCount(); ++row)
            names.push_back(list->GetItemText(row, 0));
        // The two attachment rows: each a button and the edit of its bitmap's path.
        for (int id : {IDC_FDP_BTN_SITE_MAP, IDC_FDP_BTN_LAYOUT}) {
            auto* button = uitest::Control<wxButton>(peer, id);
            ASSERT_NE(nullptr, button) << id;
            EXPECT_TRUE(button->IsShown()) << id;
        }
        auto* siteMap = uitest::Control<wxTextCtrl>(peer, IDC_FDP_EDIT_SITE_MAP);
        auto* layout = uitest::Control<wxTextCtrl>(peer, IDC_FDP_EDIT_LAYOUT);
        ASSERT_NE(nullptr, siteMap);
        ASSERT_NE(nullptr, layout);
        EXPECT_TRUE(siteMap->IsShown());
        EXPECT_TRUE(layout->IsShown());
        // The paths as the 付近見取図 and 配置図 buttons enter them from their file dialogs.
        host.m_page.SetDlgItemText(IDC_FDP_EDIT_SITE_MAP, "C:\\maps\\site.bmp");
        host.m_page.SetDlgItemText(IDC_FDP_EDIT_LAYOUT, "C:\\maps\\layout.bmp");
        ASSERT_TRUE(uitest::PumpUntil([&] { return siteMap->GetValue() == "C:\\maps\\site.bmp"; }));
        // The site map's row lies above the layout's.
        wxPoint siteMapAt = peer.ScreenToClient(siteMap->GetScreenPosition());
        wxPoint layoutAt = peer.ScreenToClient(layout->GetScreenPosition());
        EXPECT_LT(siteMapAt.y, layoutAt.y);
        siteMapArea = wxRect(siteMapAt, siteMap->GetSize());
        shot = uitest::Screenshot(peer);
        host.EndDialog(IDCANCEL);
    });
    uitest::OnDisplay([&] { EXPECT_EQ(IDCANCEL, host.DoModal()); });

    EXPECT_EQ(std::vector<wxString>{Wx(u8"完了検査")}, names);
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(uitest::ArtefactPath("BuildingInspectionFloppyOutputPage.png"), wxBITMAP_TYPE_PNG));
    // Not blank: the labels, the list and the attachment rows put ink on the page, the path too.
    EXPECT_LT(2000u, uitest::DarkPixels(shot));
    EXPECT_LT(10u, uitest::DarkPixels(shot, siteMapArea));
    EXPECT_TRUE(m_ui.messageBoxes.empty());
}

TEST_F(InspectionPageScreen, FDOutputOpensTheOptionsWhoseNumberRowsArePickedWithTheMouse)
{
    Inspection inspection(1002, nullptr);
    StoreDocument("Ka009.282", inspection);
    OpenView(RUNTIME_CLASS(ZnFvAppCAFM32), 1002, 1012);

    uitest::PageHost<ZnDlgAppFDOut32> host(kInspectionHostId, IDD_FDOUT32);
    wxImage pageShot, optionsShot;
    wxString optionsTitle;
    std::vector<wxString> numbers;
    std::vector<long> picked;
    uitest::WhenModal([&](wxDialog& peer) {
        auto* list = uitest::Control<wxListCtrl>(peer, IDC_FDP_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetItemCount() == 1; }));
        EXPECT_EQ(Wx(u8"昇降機中間"), list->GetItemText(0, 0));
        pageShot = uitest::Screenshot(peer);

        uitest::WhenModal([&](wxDialog& options) {
            optionsTitle = options.GetTitle();
            auto* rows = uitest::Control<wxListCtrl>(options, IDC_NUMBER_LIST);
            ASSERT_NE(nullptr, rows);
            // The application's own number and its two further ones, all selected at first.
            ASSERT_TRUE(uitest::PumpUntil([&] {
                return options.IsShownOnScreen() && rows->GetItemCount() == 3 && rows->GetSelectedItemCount() == 3;
            }));
            for (long row = 0; row < rows->GetItemCount(); ++row)
                numbers.push_back(rows->GetItemText(row, 0));
            // A plain click on the second row selects it alone; a click with ctrl adds the third.
            uitest::ClickRow(rows, 1);
            uitest::ClickRow(rows, 2, true);
            picked = SelectedRows(*rows);
            // The dialog's own list has taken the picks.
            CListCtrl& numberList = host.m_page.m_dlgOption.m_list;
            EXPECT_TRUE(uitest::PumpUntil(
                [&] { return numberList.GetSelectedCount() == 2 && numberList.GetItemState(2, LVIS_SELECTED); }));
            EXPECT_FALSE(numberList.GetItemState(0, LVIS_SELECTED));
            optionsShot = uitest::Screenshot(options);
            uitest::Click(uitest::Control<wxButton>(options, IDCANCEL));
        });
        uitest::Click(uitest::Control<wxButton>(peer, IDC_FDP_BTN_OUTPUT));
        host.EndDialog(IDCANCEL);
    });
    uitest::OnDisplay([&] { EXPECT_EQ(IDCANCEL, host.DoModal()); });

    EXPECT_EQ(Wx(u8"■ＦＤ出力オプション"), optionsTitle);
    EXPECT_EQ((std::vector<wxString>{"1", "2", "3"}), numbers);
    EXPECT_EQ((std::vector<long>{1, 2}), picked);
    EXPECT_EQ(std::vector<UINT>{}, m_ui.modalTemplates); // the display ran them, not the script
    ASSERT_TRUE(pageShot.IsOk());
    ASSERT_TRUE(optionsShot.IsOk());
    EXPECT_TRUE(pageShot.SaveFile(uitest::ArtefactPath("LiftInspectionFloppyOutputPage.png"), wxBITMAP_TYPE_PNG));
    EXPECT_TRUE(optionsShot.SaveFile(uitest::ArtefactPath("InspectionFloppyOutputOptions.png"), wxBITMAP_TYPE_PNG));
    EXPECT_LT(200u, uitest::DarkPixels(pageShot));
    EXPECT_LT(200u, uitest::DarkPixels(optionsShot));
    // Cancelled: nothing was written and nothing was said.
    struct stat status;
    EXPECT_NE(0, stat(m_folder.Path("floppy/Keikaku").c_str(), &status));
    EXPECT_TRUE(m_ui.messageBoxes.empty());
}
