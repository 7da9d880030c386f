#include "tests/support/TestSupport.h"
#include "tests/ui/ApplicantDialog.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/wnd/Afxwin.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

wxRect RectOf(wxWindow* window) { return window ? window->GetRect() : wxRect(); }

TEST(WxDialogPeer, ShowsTheTemplateAtTheRealFontsPixelsAndTakesTypingAndClicks)
{
    CWinApp app("テスト");
    app.SetDialogBkColor(RGB(231, 236, 249));
    ApplicantDialog dialog;
    uitest::WhenModal([&](wxDialog& peer) {
        EXPECT_EQ(wxString::FromUTF8(u8"申請者の入力"), peer.GetTitle());
        // ＭＳ Ｐゴシック 9 is IPA P Gothic at 12 pixels. Its 52 letters, each advance rounded to a
        // whole pixel, are 368 pixels wide: (368 / 26 + 1) / 2 = 7. Its height is (win ascent
        // 1802 + win descent 401) * 12 / 2048 = 12.9, a line of 13 pixels. So 200 x 150 dialog
        // units are 200 * 7 / 4 = 350 by 150 * 13 / 8 = 243.75 → 244 pixels.
        EXPECT_EQ(wxSize(350, 244), peer.GetClientSize());
        // The name edit at 50, 7 (95 x 14): 50*7/4 = 87.5 → 88, 7*13/8 = 11.375 → 11,
        // 145*7/4 = 253.75 → 254, 21*13/8 = 34.125 → 34.
        EXPECT_EQ(wxRect(88, 11, 166, 23), RectOf(uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME)));
        // The list at 7, 60 (186 x 60): 12.25 → 12, 97.5 → 98, 193*7/4 = 337.75 → 338, 120*13/8 = 195.
        EXPECT_EQ(wxRect(12, 98, 326, 97), RectOf(uitest::Control<wxListCtrl>(peer, IDC_APPLICANT_LIST)));
        // OK at 90, 128 (50 x 14): 157.5 → 158, 208, 140*7/4 = 245, 142*13/8 = 230.75 → 231.
        EXPECT_EQ(wxRect(158, 208, 87, 23), RectOf(uitest::Control<wxButton>(peer, IDOK)));
        EXPECT_EQ(wxColour(231, 236, 249), peer.GetBackgroundColour());

        wxTextCtrl* name = uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME);
        ASSERT_NE(nullptr, name);
        EXPECT_EQ(wxString::FromUTF8(u8"初期値"), name->GetValue());
        name->SetValue(wxString::FromUTF8(u8"山田太郎"));
        CString typed;
        dialog.GetDlgItemText(IDC_APPLICANT_NAME, typed);
        EXPECT_EQ(CString("山田太郎"), typed);
        EXPECT_EQ(1, dialog.nameChanges);

        uitest::Pick(uitest::Control<wxChoice>(peer, IDC_APPLICANT_KIND), 2);
        uitest::Click(uitest::Control<wxCheckBox>(peer, IDC_APPLICANT_AGREE));
        uitest::Click(uitest::Control<wxButton>(peer, IDC_APPLICANT_ADD));
        EXPECT_EQ(1, dialog.adds);
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_APPLICANT_LIST);
        ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 2; }));
        EXPECT_EQ(wxString::FromUTF8(u8"山田太郎"), list->GetItemText(1, 0));
        EXPECT_EQ(wxString::FromUTF8(u8"2010/9/4"), list->GetItemText(1, 1));

        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });

    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("山田太郎"), dialog.m_name);
    EXPECT_EQ(2, dialog.m_kind);
    EXPECT_EQ(1, dialog.kindChanges);
    EXPECT_EQ(BST_CHECKED, dialog.m_agree);
    EXPECT_EQ(0u, uitest::SettleWindows());
    EXPECT_EQ(0u, uitest::Host().PeerCount());
}

} // namespace
