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

        // The focus follows the person's.
        EXPECT_EQ(dialog.GetDlgItem(IDC_APPLICANT_NAME), CWnd::GetFocus());
        wxChoice* kind = uitest::Control<wxChoice>(peer, IDC_APPLICANT_KIND);
        wxFocusEvent focus(wxEVT_SET_FOCUS, kind->GetId());
        focus.SetEventObject(kind);
        kind->ProcessWindowEvent(focus);
        EXPECT_EQ(dialog.GetDlgItem(IDC_APPLICANT_KIND), CWnd::GetFocus());

        uitest::Pick(kind, 2);
        uitest::Click(uitest::Control<wxCheckBox>(peer, IDC_APPLICANT_AGREE));
        uitest::Click(uitest::Control<wxButton>(peer, IDC_APPLICANT_ADD));
        EXPECT_EQ(1, dialog.adds);
        wxListCtrl* list = uitest::Control<wxListCtrl>(peer, IDC_APPLICANT_LIST);
        ASSERT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 2; }));
        EXPECT_EQ(wxString::FromUTF8(u8"山田太郎"), list->GetItemText(1, 0));
        EXPECT_EQ(wxString::FromUTF8(u8"2010/9/4"), list->GetItemText(1, 1));

        // Selecting a row is a click on it; a message box is owned by the dialog.
        wxListEvent selected(wxEVT_LIST_ITEM_SELECTED, list->GetId());
        selected.SetEventObject(list);
        selected.m_itemIndex = 0;
        list->ProcessWindowEvent(selected);
        EXPECT_EQ(0, dialog.clickedRow);
        EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED),
                  dialog.m_list.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED));
        uitest::WhenModal([&](wxDialog& box) {
            EXPECT_EQ(&peer, box.GetParent());
            uitest::Click(box.FindWindow(wxID_OK));
        });
        EXPECT_EQ(IDOK, AfxMessageBox("選択しました。", MB_ICONINFORMATION));
        // Text typed into an editable combo box reaches its object.
        wxTextEntry* place = dynamic_cast<wxTextEntry*>(peer.FindWindow(WxIds::ToWx(IDC_APPLICANT_PLACE)));
        ASSERT_NE(nullptr, place);
        place->SetValue(wxString::FromUTF8(u8"東京都"));
        CString placeText;
        dialog.GetDlgItemText(IDC_APPLICANT_PLACE, placeText);
        EXPECT_EQ(CString("東京都"), placeText);
        // The dialog moved by the person (or the window manager) moves its object's window, also
        // when it moves sideways only.
        for (const wxPoint& to : {wxPoint(40, 30), wxPoint(60, 30)}) {
            peer.Move(to);
            EXPECT_TRUE(uitest::PumpUntil([&] {
                RECT moved{};
                dialog.GetWindowRect(&moved);
                return moved.left == to.x && moved.top == to.y;
            })) << to.x;
        }
        // A list emptied by its object is emptied on the display.
        dialog.m_list.DeleteAllItems();
        EXPECT_TRUE(uitest::PumpUntil([&] { return list->GetItemCount() == 0; }));

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

wxKeyEvent KeyPress(int key)
{
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = key;
    return event;
}

TEST(WxDialogPeer, KeysTheCloseBoxAndRefusalsGoThroughTheDialogAsTheDialogManagerSendsThem)
{
    ApplicantDialog dialog;
    // The button with id 5101 is not wx's Cancel: it has an id past wx's range and only runs its handler.
    uitest::WhenModal([&](wxDialog& peer) {
        wxButton* browse = dynamic_cast<wxButton*>(peer.FindWindow(6102));
        ASSERT_NE(nullptr, browse);
        EXPECT_EQ(IDC_APPLICANT_BROWSE, WxIds::FromWx(browse->GetId()));
        uitest::Click(browse);
        EXPECT_EQ(1, dialog.browses);
        EXPECT_TRUE(dialog.ContinueModal());
        wxKeyEvent escape = KeyPress(WXK_ESCAPE);
        peer.ProcessWindowEvent(escape);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());

    // Enter presses the default button, OK, which takes the fields over.
    uitest::WhenModal([&](wxDialog& peer) {
        uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME)->SetValue(wxString::FromUTF8(u8"佐藤"));
        wxKeyEvent enter = KeyPress(WXK_RETURN);
        peer.ProcessWindowEvent(enter);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("佐藤"), dialog.m_name);

    // The close box is Cancel.
    uitest::WhenModal([](wxDialog& peer) { EXPECT_FALSE(peer.Close()); });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());

    // What the object refuses is undone on the window.
    uitest::WhenModal([&](wxDialog& peer) {
        static_cast<CEdit*>(dialog.GetDlgItem(IDC_APPLICANT_NAME))->LimitText(4);
        wxTextCtrl* name = uitest::Control<wxTextCtrl>(peer, IDC_APPLICANT_NAME);
        name->SetValue(wxString::FromUTF8(u8"山田太郎"));
        // Four bytes: two double-byte characters.
        EXPECT_EQ(wxString::FromUTF8(u8"山田"), name->GetValue());
        CString kept;
        dialog.GetDlgItemText(IDC_APPLICANT_NAME, kept);
        EXPECT_EQ(CString("山田"), kept);

        // A check box that its object disables cannot be clicked into another state.
        dialog.GetDlgItem(IDC_APPLICANT_AGREE)->EnableWindow(FALSE);
        wxCheckBox* agree = uitest::Control<wxCheckBox>(peer, IDC_APPLICANT_AGREE);
        uitest::Click(agree);
        EXPECT_FALSE(agree->GetValue());
        EXPECT_EQ(BST_UNCHECKED, dialog.IsDlgButtonChecked(IDC_APPLICANT_AGREE));
        uitest::Click(uitest::Control<wxButton>(peer, IDOK));
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("山田"), dialog.m_name);
    EXPECT_EQ(0u, uitest::SettleWindows());
}

} // namespace
