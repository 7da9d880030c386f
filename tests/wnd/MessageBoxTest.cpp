#include "tests/support/ScriptedUi.h"
#include "tests/support/TestSupport.h"
#include "tests/wnd/TestResources.h"

#include <gtest/gtest-spi.h>

namespace {

// What a caller does with the answer: stop on Yes, go on with No.
bool StopsAfterAsking()
{
    return AfxMessageBox("処理を中止しますか？\n\t[はい]・・・・中止する", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

TEST(AfxMessageBox, RecordsTheExactTextCaptionIconAndButtonsAndTheAnswerDrivesTheCaller)
{
    ScriptedUi ui;
    CWinApp app("App");
    for (int answer : {IDOK, IDOK, IDCANCEL, IDOK, IDYES, IDNO})
        ui.AnswerMessageBox(answer);
    AfxMessageBox("保存先フォルダを選択してください。", MB_ICONINFORMATION);
    // Without an icon, the framework's box with OK (or Yes and No) buttons gets the exclamation icon.
    AfxMessageBox("物件を選択してください。");
    AfxMessageBox("LoadZipLibraryでエラー発生。", MB_OKCANCEL | MB_ICONSTOP | MB_DEFBUTTON2);
    // The plain system box keeps its type and shows the default caption.
    EXPECT_EQ(IDOK, MessageBox(nullptr, "ZipInitでエラー発生。", nullptr, MB_OK));
    EXPECT_TRUE(StopsAfterAsking());
    EXPECT_FALSE(StopsAfterAsking());

    ASSERT_EQ(6u, ui.messageBoxes.size());
    EXPECT_EQ(std::string("\x95\xdb\x91\xb6\x90\xe6\x83\x74\x83\x48\x83\x8b\x83\x5f\x82\xf0\x91\x49\x91\xf0\x82\xb5"
                          "\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x81\x42"),
              ui.messageBoxes[0].text.Bytes());
    EXPECT_EQ(CString("App"), ui.messageBoxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), ui.messageBoxes[0].type);
    EXPECT_EQ(nullptr, ui.messageBoxes[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), ui.messageBoxes[1].type);
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONSTOP | MB_DEFBUTTON2), ui.messageBoxes[2].type);
    EXPECT_EQ(IDCANCEL, AfxDefaultMessageBoxButton(ui.messageBoxes[2].type));
    EXPECT_EQ(CString("ZipInitでエラー発生。"), ui.messageBoxes[3].text);
    EXPECT_EQ(CString("エラー"), ui.messageBoxes[3].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), ui.messageBoxes[3].type);
    EXPECT_EQ(CString("処理を中止しますか？\n\t[はい]・・・・中止する"), ui.messageBoxes[5].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION), ui.messageBoxes[5].type);
}

TEST(ScriptedUi, FailsAtOnceOnAnUnscriptedBoxOrBrowserAWrongButtonAndUnusedAnswers)
{
    ScriptedUi ui;
    bool reachedTheEnd = false;
    EXPECT_NONFATAL_FAILURE(
        {
            try {
                AfxMessageBox("予期しない質問");
                reachedTheEnd = true;
            } catch (const UnscriptedUi&) {
            }
        },
        u8"unscripted message box: 予期しない質問");
    EXPECT_FALSE(reachedTheEnd);

    ui.AnswerMessageBox(IDYES);
    EXPECT_NONFATAL_FAILURE(AfxMessageBox("確認", MB_OK), "has no button 6");

    BROWSEINFO browser{};
    browser.lpszTitle = "フォルダを選択";
    EXPECT_NONFATAL_FAILURE(
        {
            try {
                SHBrowseForFolder(&browser);
            } catch (const UnscriptedUi&) {
            }
        },
        u8"unscripted folder browser: フォルダを選択");

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedUi inner;
            inner.AnswerMessageBox(IDOK);
        },
        "1 scripted answer(s) were never asked for");
}

// A dialog whose button fails with a framework exception.
class FailingDialog : public CDialog {
public:
    FailingDialog() : CDialog(IDD_ENTRY) {}

protected:
    afx_msg void OnAdd() { AfxThrowArchiveException(CArchiveException::endOfFile); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FailingDialog, CDialog)
ON_BN_CLICKED(IDC_ADD, OnAdd)
END_MESSAGE_MAP()

TEST(CWnd, AFrameworkExceptionFromAHandlerIsReportedAndEndsOnlyThatMessage)
{
    ScriptedUi ui;
    CWinApp app("App");
    FailingDialog dialog;
    ui.AnswerMessageBox(IDOK);
    ui.ScriptModal([](CDialog& d) {
        ASSERT_TRUE(UserInput::Click(d, IDC_ADD));
        EXPECT_TRUE(d.ContinueModal());
        ASSERT_TRUE(UserInput::Click(d, IDCANCEL));
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ(CString("unexpected end of file"), ui.messageBoxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), ui.messageBoxes[0].type);
}

} // namespace
