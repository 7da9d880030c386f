// The reference-data editors and the short-text dialogs on the display, as a person uses them: the
// designer editor in the window that hosts it, its code lists filled and a designer stored through
// them; a phrase typed and registered in 7603; a phrase pasted by 7602 into another dialog's edit.
#include "tests/support/RecordsetRows.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"

#include "editors/ZnDlgAppCMSekkeisha.h"
#include "editors/ZnDlgAppTanbunEdit.h"
#include "editors/ZnDlgAppTanbunPaste.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"
#include "res/CommonDataIds.h"
#include "res/ShortTextIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnAppSekkeishaTblDAO.h"
#include "storage/ZnAppTanbunTblDAO.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <sys/stat.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

namespace {

wxString Utf8(const char* text) { return wxString::FromUTF8(text); }

// The window that hosts the designer editor at (10, 0), as its form view does.
class EditorHost : public CDialog {
public:
    EditorHost() : CDialog(IDD_MODAL_EDITOR_HOST) {}
    ZnDlgAppCMSekkeisha m_editor;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_editor.Create(IDD_CM_SEKKEISHA, this);
        m_editor.SetWindowPos(nullptr, 10, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_editor.ShowWindow(SW_SHOW);
        return TRUE;
    }
};

// A new user's reference data: an empty APP_USER_REGIST.mdb and the sample code databases.
class EditorScreens : public ::testing::Test {
protected:
    EditorScreens()
    {
        for (const char* name : {"app", "com"})
            mkdir(m_folder.Path(name).c_str(), 0777);
        MakeSampleComCode(m_folder.Path("app/COM_CODE.mdb"));
        MakeSampleComChiiki(m_folder.Path("app/COM_CHIIKI.mdb"));
        m_shell.appFolder = LinuxPathToWin(m_folder.Path("app")).c_str();
        m_shell.comFolder = LinuxPathToWin(m_folder.Path("com")).c_str();
        DaoCreateDatabase(m_shell.comFolder + "\\APP_USER_REGIST.mdb", appUserRegistSchema);
        m_shell.chiikiBangou = 3;
        m_access.Init();
        m_shell.comTblAccess = &m_access;
    }

    // A person's click on a button of the dialog.
    static void Press(wxWindow& dialog, int id) { uitest::Click(uitest::Control<wxButton>(dialog, id)); }
    // A person's choice of the entry with that text.
    static void Choose(wxWindow& dialog, int id, const char* text)
    {
        wxChoice* choice = uitest::Control<wxChoice>(dialog, id);
        ASSERT_NE(nullptr, choice);
        uitest::Pick(choice, choice->FindString(Utf8(text), true));
    }
    static void Type(wxWindow& dialog, int id, const char* text)
    {
        wxTextCtrl* edit = uitest::Control<wxTextCtrl>(dialog, id);
        ASSERT_NE(nullptr, edit);
        edit->SetValue(Utf8(text));
    }
    // A person's click on a row of a list view.
    static void ClickRow(wxListCtrl* list, long row)
    {
        wxListEvent selected(wxEVT_LIST_ITEM_SELECTED, list->GetId());
        selected.SetEventObject(list);
        selected.m_itemIndex = row;
        list->ProcessWindowEvent(selected);
    }

    testsupport::TempFolder m_folder;
    testsupport::TestShellState m_shell;
    ZnAppComTblAccess m_access;
};

} // namespace

TEST_F(EditorScreens, ADesignerIsStoredThroughTheFourCodeLists)
{
    CWinApp app("テスト");
    app.SetDialogBkColor(RGB(231, 236, 249));
    EditorHost host;
    uitest::WhenModal([&](wxDialog& peer) {
        wxChoice* kinds = uitest::Control<wxChoice>(peer, IDC_CD_KENCHIKUSHI_SHUBETSU);
        ASSERT_NE(nullptr, kinds);
        ASSERT_TRUE(uitest::PumpUntil([&] { return kinds->GetCount() == 9; }));
        EXPECT_EQ(4u, uitest::Control<wxChoice>(peer, IDC_CD_KENCHIKUSHI_SHIKAKU)->GetCount());
        EXPECT_EQ(4u, uitest::Control<wxChoice>(peer, IDC_CD_JIMUSHO_SHIKAKU)->GetCount());
        EXPECT_EQ(7u, uitest::Control<wxChoice>(peer, IDC_CD_JIMUSHO_SHUBETSU)->GetCount());
        // The region's kinds first.
        EXPECT_EQ(Utf8(u8"国土交通大臣"), kinds->GetString(1));
        EXPECT_EQ(Utf8(u8"埼玉県知事"), kinds->GetString(2));
        EXPECT_FALSE(kinds->IsEnabled());

        Press(peer, IDC_CD_NEW);
        EXPECT_TRUE(kinds->IsEnabled());
        Choose(peer, IDC_CD_KENCHIKUSHI_SHIKAKU, u8"二級建築士");
        Choose(peer, IDC_CD_KENCHIKUSHI_SHUBETSU, u8"東京都知事");
        Type(peer, IDC_CD_KENCHIKUSHI_BANGOU, "4567");
        Type(peer, IDC_CD_SEKKEISHA_SHIMEI, u8"小林");
        Choose(peer, IDC_CD_JIMUSHO_SHIKAKU, u8"二級建築士事務所");
        Choose(peer, IDC_CD_JIMUSHO_SHUBETSU, u8"東京都知事");
        Type(peer, IDC_CD_MEISHOU, u8"小林設計室");
        Choose(peer, IDC_CD_TODOUFUKEN, u8"東京都");
        Press(peer, IDC_CD_REGISTER);
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_CD_SEKKEISHA_LIST);
        ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 1; }));
        EXPECT_EQ(Utf8(u8"小林"), list->GetItemText(0, 0));

        // Loaded again, the names of the stored codes.
        ClickRow(list, 0);
        Press(peer, IDC_CD_EDIT);
        ASSERT_TRUE(uitest::PumpUntil([&] { return kinds->GetStringSelection() == Utf8(u8"東京都知事"); }));
        EXPECT_EQ(Utf8(u8"二級建築士"),
                  uitest::Control<wxChoice>(peer, IDC_CD_KENCHIKUSHI_SHIKAKU)->GetStringSelection());
        EXPECT_EQ(Utf8(u8"東京都"), uitest::Control<wxTextCtrl>(peer, IDC_CD_JUUSHO)->GetValue());
        uitest::KeepScreenshot(peer, "DesignerEditor.png");
        host.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, host.DoModal());

    ZnAppSekkeishaTblDAO rows;
    rows.SetDBPath(m_shell.comFolder + "\\APP_USER_REGIST.mdb");
    auto describe = [](ZnAppSekkeishaTblDAO& r) {
        return Line(r.m_KenchikushiShikaku, r.m_SekkeishaTourokuShubetsu, r.m_KenchikushiTourokuBangou, r.m_Shimei,
                    r.m_JimushoShikaku, r.m_JimushoTourokuShubetsu, r.m_Meishou, r.m_TodoufukenmeiBangou, r.m_Shozaoti);
    };
    EXPECT_EQ(std::vector<std::string>{u8"00102|00213|4567|小林|00302|00413|小林設計室|13|東京都"},
              ReadRows(rows, describe, "SELECT * FROM AppSekkeishaTbl"));
    EXPECT_EQ(0u, uitest::SettleWindows());
}

TEST_F(EditorScreens, APhraseIsTypedAndRegisteredInTheEditDialog)
{
    CWinApp app("テスト");
    ZnDlgAppTanbunEdit dialog;
    uitest::WhenModal([&](wxDialog& peer) {
        wxTextCtrl* edit = uitest::Control<wxTextCtrl>(peer, IDC_TB_EDIT);
        ASSERT_NE(nullptr, edit);
        EXPECT_FALSE(edit->IsEnabled());
        Press(peer, IDC_TB_NEW);
        EXPECT_TRUE(edit->IsEnabled());
        edit->SetValue(Utf8(u8"上記のとおり申請します。"));
        Press(peer, IDC_TB_REGISTER);
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_TB_EDIT_LIST);
        ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 1; }));
        EXPECT_EQ(Utf8(u8"上記のとおり申請します。"), list->GetItemText(0, 0));
        EXPECT_TRUE(list->HasFlag(wxLC_NO_HEADER));
        EXPECT_TRUE(edit->GetValue().empty());
        uitest::KeepScreenshot(peer, "ShortTextEdit.png");
        Press(peer, IDOK);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    ZnAppTanbunTblDAO phrases;
    EXPECT_EQ(std::vector<std::string>{u8"上記のとおり申請します。"},
              ReadRows(phrases, [](ZnAppTanbunTblDAO& r) { return Field(r.m_Tanbun); }));
    EXPECT_EQ(0u, uitest::SettleWindows());
}

TEST_F(EditorScreens, APastedPhraseGoesIntoTheEditOfTheDialogBelow)
{
    CWinApp app("テスト");
    {
        CDaoDatabase database;
        database.Open(m_shell.comFolder + "\\APP_USER_REGIST.mdb");
        database.Execute("INSERT INTO AppTanbunTbl (Tanbun) VALUES ('株式会社')");
        database.Close();
    }
    CDialog form(IDD_APPLICANT);
    uitest::WhenModal([&](wxDialog& formPeer) {
        wxTextCtrl* name = uitest::Control<wxTextCtrl>(formPeer, IDC_APPLICANT_NAME);
        ASSERT_NE(nullptr, name);
        name->SetValue(Utf8(u8"山田"));
        // The caret at the start, as after a click there.
        form.GetDlgItem(IDC_APPLICANT_NAME)->SetFocus();
        static_cast<CEdit*>(form.GetDlgItem(IDC_APPLICANT_NAME))->SetSel(0, 0);
        ZnDlgAppTanbunPaste paste;
        paste.m_pTarget = static_cast<CEdit*>(form.GetDlgItem(IDC_APPLICANT_NAME));
        uitest::WhenModal([&](wxDialog& pastePeer) {
            wxListCtrl* list = uitest::Control<wxListCtrl>(pastePeer, IDC_TB_PASTE_LIST);
            ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 1; }));
            ClickRow(list, 0);
            uitest::KeepScreenshot(pastePeer, "ShortTextPaste.png");
            Press(pastePeer, IDC_TB_PASTE);
        });
        EXPECT_EQ(IDCANCEL, paste.DoModal());
        EXPECT_TRUE(uitest::PumpUntil([&] { return name->GetValue() == Utf8(u8"株式会社山田"); }));
        form.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, form.DoModal());
    EXPECT_EQ(0u, uitest::SettleWindows());
}
