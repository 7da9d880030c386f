#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestResources.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/wnd/Afxwin.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

namespace {

wxString Utf8(const char* text) { return wxString::FromUTF8(text); }

TEST(WxUiHostWindows, OnlyShownDialogsGetWindowsWhichFollowTheirObjectsAndGoWithThem)
{
    CWinApp app("テスト");
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "main"));
    CDialog notice;
    ASSERT_TRUE(notice.Create(IDD_NOTICE, frame));
    // The hidden frame and the dialog not shown yet have no windows.
    EXPECT_EQ(nullptr, uitest::Host().PeerWindow(*frame));
    EXPECT_EQ(0u, uitest::Host().PeerCount());

    notice.ShowWindow(SW_SHOW);
    wxWindow* shown = uitest::Host().PeerWindow(notice);
    ASSERT_NE(nullptr, shown);
    EXPECT_TRUE(shown->IsShown());
    EXPECT_EQ(3u, uitest::Host().PeerCount());
    EXPECT_EQ(Utf8(u8"お知らせ"), static_cast<wxTopLevelWindow*>(shown)->GetTitle());

    notice.SetDlgItemText(IDC_NOTICE_TEXT, "物件データを書き出しています。");
    wxStaticText* text = uitest::Control<wxStaticText>(*shown, IDC_NOTICE_TEXT);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(Utf8(u8"物件データを書き出しています。"), text->GetLabel());
    notice.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    EXPECT_FALSE(uitest::Control<wxButton>(*shown, IDCANCEL)->IsEnabled());

    // A control made in the live dialog gets its window at its place; it goes with its object.
    CButton extra;
    ASSERT_TRUE(extra.Create("中止", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 40, 65, 62), &notice, 1300));
    wxButton* extraButton = uitest::Control<wxButton>(*shown, 1300);
    ASSERT_NE(nullptr, extraButton);
    EXPECT_EQ(Utf8(u8"中止"), extraButton->GetLabel());
    EXPECT_EQ(wxRect(5, 40, 60, 22), extraButton->GetRect());
    extra.DestroyWindow();
    uitest::SettleWindows();
    EXPECT_EQ(nullptr, uitest::Control<wxButton>(*shown, 1300));

    // A list box made in the live dialog shows its items once wx is idle; a click selects.
    CListBox kinds;
    ASSERT_TRUE(kinds.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(70, 40, 170, 100), &notice, 1301));
    for (const char* kind : {"確認", "計画変更", "中間検査"})
        kinds.AddString(kind);
    wxListBox* kindList = uitest::Control<wxListBox>(*shown, 1301);
    ASSERT_NE(nullptr, kindList);
    ASSERT_TRUE(uitest::PumpUntil([&] { return kindList->GetCount() == 3; }));
    EXPECT_EQ(Utf8(u8"計画変更"), kindList->GetString(1));
    kindList->SetSelection(1);
    wxCommandEvent picked(wxEVT_LISTBOX, kindList->GetId());
    picked.SetEventObject(kindList);
    picked.SetInt(1);
    kindList->ProcessWindowEvent(picked);
    EXPECT_EQ(1, kinds.GetCurSel());
    kinds.SetCurSel(2);
    EXPECT_TRUE(uitest::PumpUntil([&] { return kindList->GetSelection() == 2; }));

    // Without a system menu the dialog has no close box: closing it does nothing.
    EXPECT_FALSE(shown->Close());
    EXPECT_NE(nullptr, notice.m_hWnd);

    notice.ShowWindow(SW_HIDE);
    EXPECT_FALSE(shown->IsShown());
    notice.DestroyWindow();
    EXPECT_EQ(0u, uitest::Host().PeerCount());
    EXPECT_EQ(0u, uitest::SettleWindows());
    frame->DestroyWindow();
}

} // namespace
