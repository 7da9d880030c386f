#include "tests/wnd/WndTestSupport.h"

namespace {

const char kStop[] = "処理を中止しますか？\n\t[はい]・・・・中止する";

// What a caller does with the answer: stop on Yes, go on with No.
bool StopsAfterAsking() { return AfxMessageBox(kStop, MB_YESNO | MB_ICONEXCLAMATION) == IDYES; }

TEST(AfxMessageBox, RecordsTheExactTextCaptionIconAndButtonsAndTheAnswerDrivesTheCaller)
{
    ScriptedUi ui;
    CWinApp app("App");
    for (int answer : {IDOK, IDOK, IDCANCEL, IDOK, IDYES, IDNO})
        ui.AnswerMessageBox(answer);
    AfxMessageBox("保存先フォルダを選択してください。", MB_ICONINFORMATION);
    AfxMessageBox("物件を選択してください。");
    AfxMessageBox("LoadZipLibraryでエラー発生。", MB_OKCANCEL | MB_ICONSTOP | MB_DEFBUTTON2);
    EXPECT_EQ(IDOK, MessageBox(nullptr, "ZipInitでエラー発生。", nullptr, MB_OK));
    EXPECT_TRUE(StopsAfterAsking());
    EXPECT_FALSE(StopsAfterAsking());

    // Without an icon, an OK or Yes-No box gets the exclamation; the system box keeps its type.
    EXPECT_EQ((std::vector<std::string>{
                  Box("保存先フォルダを選択してください。", "App", MB_OK | MB_ICONINFORMATION),
                  Box("物件を選択してください。", "App", MB_OK | MB_ICONEXCLAMATION),
                  Box("LoadZipLibraryでエラー発生。", "App", MB_OKCANCEL | MB_ICONSTOP | MB_DEFBUTTON2),
                  Box("ZipInitでエラー発生。", "エラー", MB_OK), Box(kStop, "App", MB_YESNO | MB_ICONEXCLAMATION),
                  Box(kStop, "App", MB_YESNO | MB_ICONEXCLAMATION)}),
              Boxes(ui));
    EXPECT_EQ(nullptr, ui.messageBoxes[0].owner);
    EXPECT_EQ(IDCANCEL, AfxDefaultMessageBoxButton(ui.messageBoxes[2].type));
}

TEST(ScriptedUi, FailsAtOnceOnAnUnscriptedBoxOrBrowserAWrongButtonAndUnusedAnswers)
{
    ScriptedUi ui;
    bool reachedTheEnd = false;
    EXPECT_UNSCRIPTED(AfxMessageBox("予期しない質問");
                      reachedTheEnd = true, u8"unscripted message box: 予期しない質問");
    EXPECT_FALSE(reachedTheEnd);

    ui.AnswerMessageBox(IDYES);
    EXPECT_NONFATAL_FAILURE(AfxMessageBox("確認", MB_OK), "has no button 6");

    BROWSEINFO browser{};
    browser.lpszTitle = "フォルダを選択";
    EXPECT_UNSCRIPTED(SHBrowseForFolder(&browser), u8"unscripted folder browser: フォルダを選択");

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
    EXPECT_EQ(std::vector<std::string>{Box("unexpected end of file", "App", MB_OK | MB_ICONEXCLAMATION)}, Boxes(ui));
}

} // namespace

TEST(AfxMessageBox, ABoxShownWhileTheProgramIsBusyDropsTheInputThatCameMeanwhile)
{
    RecordingUi ui;
    CWinApp app("App");
    AfxMessageBox("出力しました。", MB_ICONINFORMATION);
    EXPECT_EQ(0, ui.inputDiscards);
    {
        CWaitCursor wait;
        AfxMessageBox("ファイルの書き込み(物件情報.xml)に失敗しました。", MB_ICONSTOP);
        EXPECT_EQ(1, ui.inputDiscards);
    }
    AfxMessageBox("出力しました。", MB_ICONINFORMATION);
    EXPECT_EQ(1, ui.inputDiscards);
    EXPECT_EQ(3u, ui.messageBoxes.size());
}
