#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/ui/WxMessageBox.h"
#include "platform/ui/WxText.h"
#include "platform/wnd/Afxwin.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
// after the message dialog's base
#include <wx/generic/msgdlgg.h>

namespace {

struct ExpectedBox {
    UINT type;
    std::vector<int> buttons;
    std::vector<int> wxButtons;
    std::vector<const char*> labels; // UTF-8
    long style;
};

TEST(WxMessageBox, EachTypeHasItsButtonsLabelsIconDefaultAndAnswers)
{
    const ExpectedBox boxes[] = {
        {MB_OK, {IDOK}, {wxID_OK}, {"OK"}, wxOK | wxICON_NONE},
        {MB_OKCANCEL | MB_ICONHAND | MB_DEFBUTTON2,
         {IDOK, IDCANCEL},
         {wxID_OK, wxID_CANCEL},
         {"OK", u8"キャンセル"},
         wxOK | wxCANCEL | wxICON_ERROR | wxCANCEL_DEFAULT},
        {MB_YESNO | MB_ICONQUESTION,
         {IDYES, IDNO},
         {wxID_YES, wxID_NO},
         {u8"はい(&Y)", u8"いいえ(&N)"},
         wxYES_NO | wxICON_QUESTION},
        {MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2,
         {IDYES, IDNO},
         {wxID_YES, wxID_NO},
         {u8"はい(&Y)", u8"いいえ(&N)"},
         wxYES_NO | wxICON_WARNING | wxNO_DEFAULT},
        {MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3,
         {IDYES, IDNO, IDCANCEL},
         {wxID_YES, wxID_NO, wxID_CANCEL},
         {u8"はい(&Y)", u8"いいえ(&N)", u8"キャンセル"},
         wxYES_NO | wxCANCEL | wxICON_INFORMATION | wxCANCEL_DEFAULT},
        {MB_RETRYCANCEL | MB_ICONHAND,
         {IDRETRY, IDCANCEL},
         {wxID_OK, wxID_CANCEL},
         {u8"再試行(&R)", u8"キャンセル"},
         wxOK | wxCANCEL | wxICON_ERROR},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2,
         {IDABORT, IDRETRY, IDIGNORE},
         {wxID_YES, wxID_NO, wxID_CANCEL},
         {u8"中止(&A)", u8"再試行(&R)", u8"無視(&I)"},
         wxYES_NO | wxCANCEL | wxICON_NONE | wxNO_DEFAULT},
    };
    for (const ExpectedBox& expected : boxes) {
        SCOPED_TRACE(testing::Message() << "type 0x" << std::hex << expected.type);
        WxMessageBox box(expected.type);
        EXPECT_EQ(expected.buttons, box.Buttons());
        EXPECT_EQ(expected.wxButtons, box.WxButtons());
        EXPECT_EQ(expected.style, box.Style());
        for (size_t i = 0; i < expected.labels.size(); ++i) {
            EXPECT_EQ(wxString::FromUTF8(expected.labels[i]), WxText::ToWx(box.Label(i)));
            EXPECT_EQ(expected.buttons[i], box.Answer(expected.wxButtons[i]));
        }
    }

    // A box closed without a button counts as Cancel, or else as its last button.
    EXPECT_EQ(IDCANCEL, WxMessageBox(MB_YESNOCANCEL).Answer(wxID_NONE));
    EXPECT_EQ(IDCANCEL, WxMessageBox(MB_RETRYCANCEL).Answer(wxID_NONE));
    EXPECT_EQ(IDNO, WxMessageBox(MB_YESNO).Answer(wxID_CANCEL));
    EXPECT_EQ(IDIGNORE, WxMessageBox(MB_ABORTRETRYIGNORE).Answer(wxID_NONE));
    EXPECT_EQ(IDOK, WxMessageBox(MB_OK).Answer(wxID_CANCEL));

    // The framework's box shows caption, text and buttons and answers with the clicked one.
    CWinApp app("テスト");
    uitest::WhenModal([](wxDialog& shown) {
        wxGenericMessageDialog* box = dynamic_cast<wxGenericMessageDialog*>(&shown);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(wxString::FromUTF8(u8"テスト"), box->GetTitle());
        EXPECT_EQ(wxString::FromUTF8(u8"物件データを保存しますか？"), box->GetMessage());
        EXPECT_EQ(wxICON_QUESTION, box->GetEffectiveIcon());
        wxButton* yes = dynamic_cast<wxButton*>(box->FindWindow(wxID_YES));
        wxButton* no = dynamic_cast<wxButton*>(box->FindWindow(wxID_NO));
        wxButton* cancel = dynamic_cast<wxButton*>(box->FindWindow(wxID_CANCEL));
        ASSERT_TRUE(yes && no && cancel);
        EXPECT_EQ(wxString::FromUTF8(u8"はい(&Y)"), yes->GetLabel());
        EXPECT_EQ(wxString::FromUTF8(u8"いいえ(&N)"), no->GetLabel());
        EXPECT_EQ(wxString::FromUTF8(u8"キャンセル"), cancel->GetLabel());
        EXPECT_EQ(no, box->GetDefaultItem());
        uitest::Click(no);
    });
    EXPECT_EQ(IDNO, AfxMessageBox("物件データを保存しますか？", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2));
    EXPECT_EQ(0u, uitest::SettleWindows());
}

} // namespace
