// The number-entry dialogs on the display: the contents of a fixture floppy, and numbers typed
// into the wx edits and era lists of the number input.
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "fdimport/ZnDlgAppBangouInput.h"
#include "fdimport/ZnDlgAppUketukeConfirm.h"
#include "model/ZnModelApp.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CWinApp.h"
#include "res/NumberEntryIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"

#include <wx/listctrl.h>
#include <wx/textctrl.h>

namespace {

std::string Utf8(const wxString& text) { return text.utf8_str().data(); }

} // namespace

TEST(NumberEntryDialogs, TheContentsOfAFloppyShowOnTheDisplay)
{
    CWinApp app("App");
    testsupport::TestShellState shell;
    ZnDlgAppUketukeConfirm dialog;
    dialog.m_strFloppyRoot = LinuxPathToWin(testsupport::DataPath("fdimport/building_confirmation")).c_str();
    std::vector<std::string> rows;
    std::string name;
    uitest::WhenModal([&](wxDialog& peer) {
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_UK_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetItemCount() == 4; }));
        for (int i = 0; i < list->GetItemCount(); ++i)
            rows.push_back(Utf8(list->GetItemText(i, 0)) + "|" + Utf8(list->GetItemText(i, 1)));
        name = Utf8(uitest::Control<wxTextCtrl>(peer, IDC_UK_EDIT_NAME)->GetValue());
        uitest::KeepScreenshot(peer, "UketukeConfirmDialog.png");
        uitest::Click(uitest::Control<wxWindow>(peer, IDCANCEL));
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{u8"工作物(88-1) 01|工-1", u8"昇降機 02|昇-2", u8"昇降機 01|昇-1",
                                        u8"建築物 01|建-110"}),
              rows);
    EXPECT_EQ(u8"南町の家", name);
}

TEST(NumberEntryDialogs, NumbersTypedOnTheDisplayGoIntoTheGroupAndTheRow)
{
    CWinApp app("App");
    testsupport::TempFolder folder;
    testsupport::TestShellState shell;
    shell.objFolder = LinuxPathToWin(folder.Path()).c_str();
    shell.documentFile = "Ka002.160";
    DaoCreateDatabase(shell.objFolder + "\\APP_BUKKEN.mdb",
                      std::string(appBukkenSchema) +
                          u8"INSERT INTO AppBukkenShousaiTbl VALUES (2, 5, '確認申請書（昇降機）', 100002, 0, 1, "
                          u8"'2004-05-02 00:00:00', '', '', '', 'Ka002.160', NULL);\n");
    auto* document = new ZnModelApp;
    ZnModelAppLocalData& local = document->m_header.m_localData;
    local.m_documentKind.SetCode("100002");
    for (int i = 0; i < 2; ++i)
        local.m_buildingNumGroups.AddCopy(ZnModelNumGroup());
    shell.models[0] = document;

    ZnDlgAppBangouInput dialog;
    dialog.m_nSelectedRow = 1;
    dialog.m_nBukkenIndex = 5;
    dialog.m_nShousaiIndex = 2;
    dialog.m_nDocKindCode = 100002;
    uitest::WhenModal([&](wxDialog& peer) {
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen(); }));
        uitest::Control<wxTextCtrl>(peer, IDC_BG_RECV_NUMBER)->SetValue(wxString::FromUTF8(u8"受第12号"));
        uitest::Pick(uitest::Control<wxWindow>(peer, IDC_BG_RECV_ERA), 1);
        uitest::Control<wxTextCtrl>(peer, IDC_BG_RECV_YEAR)->SetValue("16");
        uitest::Control<wxTextCtrl>(peer, IDC_BG_RECV_MONTH)->SetValue("4");
        uitest::Control<wxTextCtrl>(peer, IDC_BG_RECV_DAY)->SetValue("1");
        uitest::Control<wxTextCtrl>(peer, IDC_BG_NUMBER)->SetValue("H16-77");
        uitest::Pick(uitest::Control<wxWindow>(peer, IDC_BG_ISSUE_ERA), 0);
        uitest::Control<wxTextCtrl>(peer, IDC_BG_ISSUE_YEAR)->SetValue("63");
        uitest::Control<wxTextCtrl>(peer, IDC_BG_ISSUER)->SetValue(wxString::FromUTF8(u8"建築主事"));
        uitest::KeepScreenshot(peer, "BangouInputDialog.png");
        uitest::Click(uitest::Control<wxWindow>(peer, IDOK));
    });
    EXPECT_EQ(IDOK, dialog.DoModal());

    const ZnModelNumGroup* group = local.m_buildingNumGroups.GetAtIndex(1);
    EXPECT_EQ("受第12号", group->m_firstNumber.GetNumber());
    EXPECT_EQ(2004, group->m_firstNumber.GetDate().GetYearCode().m_year);
    EXPECT_EQ(4, group->m_firstNumber.GetDate().GetMonth());
    EXPECT_EQ("H16-77", group->m_secondNumber.GetNumber());
    EXPECT_EQ("01", group->m_secondNumber.GetDate().GetYearCode().GetCode());
    EXPECT_EQ(1988, group->m_secondNumber.GetDate().GetYearCode().m_year);
    EXPECT_EQ("建築主事", group->m_secondNumber.GetFurtherText());
    EXPECT_EQ(2, group->m_itemNumber);
    EXPECT_EQ(1, shell.saveRequests);

    ZnAppBukkenShousaiTblDAO row;
    row.SetDBPath(shell.objFolder + "\\APP_BUKKEN.mdb");
    row.Open(dbOpenDynaset, ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(5), 0);
    ASSERT_FALSE(row.IsEOF());
    EXPECT_EQ("受第12号", row.m_UketukeBangou);
    EXPECT_EQ("H16-77", row.m_ZadazezBangou);
    EXPECT_EQ(COleDateTime(2004, 4, 1, 0, 0, 0), row.m_Koushinbi);
    row.Close();
}
