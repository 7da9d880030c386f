// The floppy-output dialogs on the display: the check result with Japanese findings, the confirm
// dialog's radios, and rows of the output options picked with the mouse.
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestShellState.h"
#include "tests/ui/UiTestSupport.h"

#include "fdoutput/ZnDlgAppCheckResult.h"
#include "fdoutput/ZnDlgAppFDOutConfirm.h"
#include "fdoutput/ZnDlgAppFDOutOption.h"
#include "model/ZnModelAppInspConf.h"
#include "platform/ui/WxText.h"
#include "res/FloppyOutputIds.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>

namespace {

// A person's click on a radio button.
void ClickRadio(wxWindow* window)
{
    auto* radio = dynamic_cast<wxRadioButton*>(window);
    ASSERT_NE(nullptr, radio);
    radio->SetValue(true);
    uitest::Send(radio, wxEVT_RADIOBUTTON, 1);
}

} // namespace

TEST(FloppyDialogs, TheCheckResultShowsItsJapaneseFindings)
{
    CWinApp app("テスト");
    testsupport::TestShellState shell;
    shell.docType = 1000;
    ZnDlgAppCheckResult result;
    result.m_messages.Add("第二面：設計者の氏名が未入力です。");
    result.m_messages.Add("第五面：1番の建築物F1の１番目の用途別床面積が未入力です。");
    wxImage shot;
    uitest::WhenModal([&](wxDialog& peer) {
        EXPECT_EQ(wxString::FromUTF8(u8"■申請データチェック結果"), peer.GetTitle());
        auto* list = uitest::Control<wxListBox>(peer, IDC_CHECK_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen() && list->GetCount() == 2; }));
        EXPECT_EQ(wxString::FromUTF8(u8"第二面：設計者の氏名が未入力です。"), list->GetString(0));
        // The object-kind title's control is never shown.
        wxWindow* hidden = peer.FindWindow(WxIds::ToWx(IDC_PRINT_TITLE));
        EXPECT_TRUE(hidden == nullptr || !hidden->IsShown());
        shot = uitest::Screenshot(peer);
        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });
    EXPECT_EQ(IDOK, result.DoModal());
    ASSERT_TRUE(shot.IsOk());
    EXPECT_TRUE(shot.SaveFile(uitest::ArtefactPath("CheckResultDialog.png"), wxBITMAP_TYPE_PNG));
    EXPECT_GT(uitest::DarkPixels(shot), 200u);
}

TEST(FloppyDialogs, TheConfirmRadioAndOkClickedThroughTheWindow)
{
    CWinApp app("テスト");
    ZnDlgAppFDOutConfirm confirm;
    uitest::WhenModal([&](wxDialog& peer) {
        EXPECT_EQ(wxString::FromUTF8(u8"■ FD出力"), peer.GetTitle());
        auto* check = uitest::Control<wxRadioButton>(peer, IDC_RADIO_CHECK);
        ASSERT_NE(nullptr, check);
        EXPECT_TRUE(check->GetValue());
        ClickRadio(peer.FindWindow(WxIds::ToWx(IDC_RADIO_NO_CHECK)));
        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });
    EXPECT_EQ(IDOK, confirm.DoModal());
    EXPECT_EQ(1, confirm.m_nRadio);
}

TEST(FloppyDialogs, OptionRowsPickedWithTheMouse)
{
    CWinApp app("テスト");
    testsupport::TestShellState shell;
    auto* inspection = new ZnModelAppInspConf;
    inspection->m_confCertList.AddTail(new ZnModelNum);
    inspection->m_confCertList.AddTail(new ZnModelNum);
    shell.models[ZnShellState::formModelSlot] = inspection;
    ZnDlgAppFDOutOption options;
    uitest::WhenModal([&](wxDialog& peer) {
        auto* list = uitest::Control<wxListCtrl>(peer, IDC_NUMBER_LIST);
        ASSERT_NE(nullptr, list);
        ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 3 && list->GetSelectedItemCount() == 3; }));
        // A plain click on 1 selects it alone; a click with ctrl adds 3.
        uitest::ClickRow(list, 0);
        ASSERT_TRUE(uitest::PumpUntil([&] { return options.m_list.GetSelectedCount() == 1; }));
        uitest::ClickRow(list, 2, true);
        ASSERT_TRUE(uitest::PumpUntil([&] { return options.m_list.GetSelectedCount() == 2; }));
        EXPECT_TRUE(options.m_list.GetItemState(2, LVIS_SELECTED));
        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });
    EXPECT_EQ(IDOK, options.DoModal());
    ASSERT_EQ(2, options.m_selectedNumbers.GetSize());
    EXPECT_EQ(1, options.m_selectedNumbers[0]);
    EXPECT_EQ(3, options.m_selectedNumbers[1]);
}
