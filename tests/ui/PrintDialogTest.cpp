// The print dialog on the display against a private CUPS scheduler: its printers, the default
// selected, a choice of printer and copies made with clicks and typing, and cancel.
#include "tests/gdi/PrivateCups.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/ui/WxPrinterDialog.h"
#include "platform/wnd/CPrintDialog.h"
#include "platform/wnd/CWinApp.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/spinctrl.h>

namespace {

std::vector<std::string> Rows(wxListCtrl& list)
{
    std::vector<std::string> rows;
    for (long row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(std::string(list.GetItemText(row, 0).utf8_str()) + " | " +
                       std::string(list.GetItemText(row, 1).utf8_str()));
    return rows;
}

long Selected(wxListCtrl& list) { return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); }

TEST(PrintDialog, ListsTheQueuesAndTakesTheChoice)
{
    testsupport::PrivateCups::Start();
    CWinApp app("テスト");
    CPrintDialog dialog(FALSE);
    uitest::WhenModal([&](wxDialog& peer) {
        EXPECT_EQ(wxString::FromUTF8(u8"印刷"), peer.GetTitle());
        auto* list = dynamic_cast<wxListCtrl*>(peer.FindWindow(WxPrinterDialog::ID_PRINTERS));
        auto* copies = dynamic_cast<wxSpinCtrl*>(peer.FindWindow(WxPrinterDialog::ID_COPIES));
        ASSERT_NE(nullptr, list);
        ASSERT_NE(nullptr, copies);
        EXPECT_EQ((std::vector<std::string>{"zn-closed | Queue zn-closed", "zn-first | Queue zn-first",
                                            "zn-second | Queue zn-second", u8"PDFファイルへ出力 | PDF"}),
                  Rows(*list));
        EXPECT_EQ(1, Selected(*list));
        EXPECT_EQ(1, copies->GetValue());
        ASSERT_TRUE(uitest::PumpUntil([&] { return peer.IsShownOnScreen(); }));
        uitest::KeepScreenshot(peer, "PrintDialog.png");

        // The person clicks the second queue and types 2 into the copies.
        list->SetItemState(2, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                           wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
        ASSERT_TRUE(uitest::PumpUntil([&] { return Selected(*list) == 2; }));
        copies->SetFocus();
        copies->SetValue("2");
        wxCommandEvent typed(wxEVT_TEXT, copies->GetId());
        typed.SetEventObject(copies);
        copies->ProcessWindowEvent(typed);
        EXPECT_EQ(2, copies->GetValue());
        uitest::Click(peer.FindWindow(wxID_OK));
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("zn-second"), dialog.GetDeviceName());
    EXPECT_EQ(2, dialog.GetCopies());

    CPrintDialog cancelled(FALSE);
    uitest::WhenModal([&](wxDialog& peer) {
        EXPECT_EQ(wxString::FromUTF8(u8"キャンセル"), peer.FindWindow(wxID_CANCEL)->GetLabel());
        uitest::Click(peer.FindWindow(wxID_CANCEL));
    });
    EXPECT_EQ(IDCANCEL, cancelled.DoModal());
    EXPECT_EQ(0u, uitest::SettleWindows());
}

} // namespace
