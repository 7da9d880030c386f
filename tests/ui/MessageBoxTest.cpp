// Message boxes on the display: each type's buttons, labels, icon, default and answers.
#include "tests/support/TabbedCases.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/UiTestSupport.h"

#include "platform/ui/WxMessageBox.h"
#include "platform/wnd/Afxwin.h"

#include <map>
#include <wx/msgdlg.h>
// after the message dialog's base
#include <wx/generic/msgdlgg.h>

namespace {

#define NAME(name)                                                                                                     \
    {                                                                                                                  \
#name, long(name)                                                                                              \
    }
const std::map<std::string, long> kNames = {NAME(MB_OK),
                                            NAME(MB_OKCANCEL),
                                            NAME(MB_YESNO),
                                            NAME(MB_YESNOCANCEL),
                                            NAME(MB_RETRYCANCEL),
                                            NAME(MB_ABORTRETRYIGNORE),
                                            NAME(MB_ICONHAND),
                                            NAME(MB_ICONQUESTION),
                                            NAME(MB_ICONEXCLAMATION),
                                            NAME(MB_ICONINFORMATION),
                                            NAME(MB_DEFBUTTON2),
                                            NAME(MB_DEFBUTTON3),
                                            NAME(IDOK),
                                            NAME(IDCANCEL),
                                            NAME(IDYES),
                                            NAME(IDNO),
                                            NAME(IDRETRY),
                                            NAME(IDABORT),
                                            NAME(IDIGNORE),
                                            NAME(wxID_OK),
                                            NAME(wxID_CANCEL),
                                            NAME(wxID_YES),
                                            NAME(wxID_NO),
                                            NAME(wxID_NONE),
                                            NAME(wxOK),
                                            NAME(wxCANCEL),
                                            NAME(wxYES_NO),
                                            NAME(wxICON_NONE),
                                            NAME(wxICON_ERROR),
                                            NAME(wxICON_QUESTION),
                                            NAME(wxICON_WARNING),
                                            NAME(wxICON_INFORMATION),
                                            NAME(wxCANCEL_DEFAULT),
                                            NAME(wxNO_DEFAULT)};
#undef NAME

// The value of names joined by blanks, or-ed together.
long Flags(const CString& names)
{
    long flags = 0;
    std::istringstream words(names.Bytes());
    for (std::string name; words >> name;)
        flags |= kNames.at(name);
    return flags;
}

// The buttons, labels, styles and answers of tests/data/ui/message_boxes.txt.
TEST(WxMessageBox, EachTypeHasItsButtonsLabelsIconDefaultAndAnswers)
{
    for (const std::vector<CString>& line : testsupport::ReadTabbedCases("ui/message_boxes.txt")) {
        SCOPED_TRACE(line[1].Bytes());
        WxMessageBox box(UINT(Flags(line[1])));
        if (line[0] == "answer") {
            EXPECT_EQ(Flags(line[3]), box.Answer(int(Flags(line[2]))));
            continue;
        }
        std::vector<int> buttons, wxButtons;
        std::istringstream words(line[2].Bytes());
        for (std::string button; words >> button;) {
            size_t colon = button.find(':'), second = button.find(':', colon + 1);
            buttons.push_back(int(kNames.at(button.substr(0, colon))));
            wxButtons.push_back(int(kNames.at(button.substr(colon + 1, second - colon - 1))));
            EXPECT_EQ(CString(button.substr(second + 1)), box.Label(buttons.size() - 1));
            EXPECT_EQ(buttons.back(), box.Answer(wxButtons.back()));
        }
        EXPECT_EQ(buttons, box.Buttons());
        EXPECT_EQ(wxButtons, box.WxButtons());
        EXPECT_EQ(Flags(line[3]), box.Style());
    }

    // The framework's box shows caption, text and buttons and answers with the clicked one.
    CWinApp app("テスト");
    uitest::WhenModal([](wxDialog& shown) {
        wxGenericMessageDialog* box = dynamic_cast<wxGenericMessageDialog*>(&shown);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(wxString::FromUTF8(u8"テスト"), box->GetTitle());
        EXPECT_EQ(wxString::FromUTF8(u8"物件データを保存しますか？"), box->GetMessage());
        EXPECT_EQ(wxICON_QUESTION, box->GetEffectiveIcon());
        for (auto [id, label] :
             {std::pair{wxID_YES, u8"はい(&Y)"}, {wxID_NO, u8"いいえ(&N)"}, {wxID_CANCEL, u8"キャンセル"}}) {
            wxButton* button = dynamic_cast<wxButton*>(box->FindWindow(id));
            ASSERT_NE(nullptr, button);
            EXPECT_EQ(wxString::FromUTF8(label), button->GetLabel());
        }
        EXPECT_EQ(box->FindWindow(wxID_NO), box->GetDefaultItem());
        uitest::Click(box->FindWindow(wxID_NO));
    });
    EXPECT_EQ(IDNO, AfxMessageBox("物件データを保存しますか？", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2));
    EXPECT_EQ(0u, uitest::SettleWindows());
}

} // namespace
