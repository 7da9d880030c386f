// The property dialogs on the display, opened as their openers open them once the program has
// started: the new-property dialog with its regions, its name edit typed into and OK; the detail
// dialog with a property's documents. Each leaves a screenshot among the test artefacts.
#include "tests/support/ShellTestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "app/ZnDlgAppBukkenDetail.h"
#include "app/ZnDlgAppBukkenInput.h"
#include "app/ZnDlgAppSelectObjDialog.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/UserInput.h"
#include "res/MainFrameIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <filesystem>

#include <wx/listctrl.h>
#include <wx/textctrl.h>

namespace {

// Three regions whose query order (by number) is not their sorted order.
const char kRegions[] = u8"INSERT INTO AppChiikiShiteiTbl VALUES (1, 1, '北海道', 1, '北海道', 0, NULL);\n"
                        u8"INSERT INTO AppChiikiShiteiTbl VALUES (2, 1, '東北', 2, '青森県', 0, NULL);\n"
                        u8"INSERT INTO AppChiikiShiteiTbl VALUES (3, 1, '関東', 8, '茨城県', -1, NULL);\n";

// A property with two documents, the later one a second application.
std::string Register(const std::string& folder)
{
    return u8"INSERT INTO AppBukkenKanriTbl VALUES (5, '南町の家', '2010-09-03 00:00:00', 3, 0, '" + folder +
           u8"', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (1, 5, '確認申請書（建築物）', 1, 1, 1, "
           u8"'2010-09-03 10:00:00', 'U1', 'Z1', 'G1', 'doc001.110', NULL);\n"
           u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '中間検査申請書', 3, 0, 2, "
           u8"'2011-11-05 00:00:00', '', '', 'G2', 'doc002.300', NULL);\n";
}

wxString Wx(const char* utf8) { return wxString::FromUTF8(utf8); }

// The program's start with its folders; the dialogs under test then run on the display, while
// what the program shows before and after them stays scripted.
class PropertyDialogs : public ShellTest {
protected:
    PropertyDialogs()
    {
        MakeFolders({"app", "com", "obj"});
        StoreFolders(Windows("app"), Windows("com"), Windows("obj"), Windows("dst"), nullptr);
        MakeSampleDatabase(m_folder.Path("app/COM_CHIIKI.mdb"), comChiikiSchema, kRegions);
        DaoCreateDatabase(Windows("app/APP_BUKKEN.mdb"), appBukkenSchema);
        DaoCreateDatabase(Windows("app/APP_USER_REGIST.mdb"), appUserRegistSchema);
    }
};

} // namespace

TEST_F(PropertyDialogs, TheNewPropertyDialogShowsItsRegionsFiltersTheNameAndMakesTheProperty)
{
    Start();
    wxImage shot;
    uitest::WhenModal([&](wxDialog& peer) {
        EXPECT_EQ(Wx(u8"■ 物件情報入力"), peer.GetTitle());
        auto* regions = uitest::Control<wxControlWithItems>(peer, IDC_BI_COMBO_CHIIKI);
        ASSERT_NE(nullptr, regions);
        ASSERT_EQ(3u, regions->GetCount());
        EXPECT_EQ(Wx(u8"北海道"), regions->GetString(0));
        EXPECT_EQ(Wx(u8"東北"), regions->GetString(1));
        EXPECT_EQ(Wx(u8"関東"), regions->GetString(2));
        EXPECT_EQ(0, regions->GetSelection());

        // "|" typed into the name never shows.
        auto* name = uitest::Control<wxTextCtrl>(peer, IDC_BI_EDIT_NAME);
        ASSERT_NE(nullptr, name);
        name->SetFocus();
        name->WriteText(Wx(u8"南町"));
        name->WriteText("|");
        name->WriteText(Wx(u8"の家"));
        EXPECT_TRUE(uitest::PumpUntil([&] { return name->GetValue() == Wx(u8"南町の家"); }))
            << name->GetValue().utf8_str().data();
        shot = uitest::Screenshot(peer);
        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });
    uitest::OnDisplay([&] { Command(ID_NEW_ZADAZEZ); });
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(uitest::ArtefactPath("NewPropertyDialog.png"), wxBITMAP_TYPE_PNG));
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    EXPECT_TRUE(Exists(u8"obj/南町の家"));
    EXPECT_EQ("南町の家", m_app.GetBukkenName());
    EXPECT_EQ("北海道", m_app.GetChiikiShitei());
    EXPECT_EQ(1, Frame().GetBukkenIndex());
}

TEST_F(PropertyDialogs, TheDetailDialogListsThePropertysDocuments)
{
    MakeFolders({u8"obj/南町の家"});
    DaoCreateDatabase(Windows("obj/APP_BUKKEN.mdb"), std::string(appBukkenSchema) + Register(Windows("obj").Bytes()));
    wxImage shot;
    std::vector<std::vector<wxString>> rows;
    Start([&](CDialog& dialog) {
        auto& select = dynamic_cast<ZnDlgAppSelectObjDialog&>(dialog);
        ASSERT_TRUE(UserInput::ClickListItem(select.m_list, 0));
        uitest::WhenModal([&](wxDialog& peer) {
            auto* list = uitest::Control<wxListCtrl>(peer, IDC_BD_LIST);
            ASSERT_NE(nullptr, list);
            ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetItemCount() == 2; }));
            for (long row = 0; row < list->GetItemCount(); ++row) {
                rows.emplace_back();
                for (int column = 0; column < 4; ++column)
                    rows.back().push_back(list->GetItemText(row, column));
            }
            EXPECT_EQ(Wx(u8"南町の家"), uitest::Control<wxTextCtrl>(peer, IDC_BD_EDIT_NAME)->GetValue());
            shot = uitest::Screenshot(peer);
            uitest::Click(uitest::Control<wxButton>(peer, IDCANCEL));
        });
        uitest::OnDisplay([&] { select.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SO_BTN_DETAIL, BN_CLICKED), 0); });
        select.EndDialog(IDCANCEL);
    });
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(uitest::ArtefactPath("PropertyDetailDialog.png"), wxBITMAP_TYPE_PNG));
    EXPECT_EQ((std::vector<std::vector<wxString>>{
                  {Wx(u8"中間検査申請書 2回目"), "2011/11/5", "", "G2"},
                  {Wx(u8"確認申請書（建築物） 併願アリ"), "2010/9/3", "U1", "Z1"},
              }),
              rows);
}
