// The confirm, check-result, progress and output-options dialogs, driven without a display.
#include "tests/fdoutput/FdOutputTestSupport.h"

#include "fdoutput/ZnDlgAppCheckProgress.h"
#include "fdoutput/ZnDlgAppCheckResult.h"
#include "fdoutput/ZnDlgAppFDOutConfirm.h"
#include "fdoutput/ZnDlgAppFDOutOption.h"
#include "fdoutput/ZnDlgAppProgress.h"
#include "model/ZnModelAppInspConf.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/UserInput.h"
#include "res/FloppyOutputIds.h"

using testsupport::ScopedEnv;
using testsupport::TempFolder;

namespace {

CButton& Button(CDialog& dialog, int id) { return *static_cast<CButton*>(dialog.GetDlgItem(id)); }

std::vector<CString> ListBoxLines(CListBox& list)
{
    std::vector<CString> lines;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString line;
        list.GetText(i, line);
        lines.push_back(line);
    }
    return lines;
}

// Each row of the list with "*" after a selected one.
std::vector<std::string> Rows(CListCtrl& list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list.GetItemCount(); ++i)
        rows.push_back(list.GetItemText(i, 0).Bytes() + (list.GetItemState(i, LVIS_SELECTED) ? "*" : ""));
    return rows;
}

std::vector<int> Numbers(const CArray<int, int>& numbers)
{
    return std::vector<int>(numbers.GetData(), numbers.GetData() + numbers.GetSize());
}

class SharedDialogs : public ::testing::Test {
protected:
    // Runs the dialog modally with the script, which must end it; its result.
    INT_PTR Run(CDialog& dialog, std::function<void(CDialog&)> script)
    {
        m_ui.ScriptModal(script);
        return dialog.DoModal();
    }

    fdtest::NamesShell m_shell;
    RecordingUi m_ui;
};

} // namespace

TEST_F(SharedDialogs, ConfirmOpensOnCheckEveryTimeAndGivesTheChoiceOnOk)
{
    ZnDlgAppFDOutConfirm confirm;
    EXPECT_EQ(-1, confirm.m_nRadio);
    EXPECT_EQ(IDOK, Run(confirm, [](CDialog& dialog) {
                  EXPECT_EQ(BST_CHECKED, Button(dialog, IDC_RADIO_CHECK).GetCheck());
                  EXPECT_EQ(BST_UNCHECKED, Button(dialog, IDC_RADIO_NO_CHECK).GetCheck());
                  ASSERT_TRUE(UserInput::Click(dialog, IDC_RADIO_NO_CHECK));
                  ASSERT_TRUE(UserInput::Click(dialog, IDOK));
              }));
    EXPECT_EQ(1, confirm.m_nRadio);
    // The last choice was "未チェックで出力": the next opening selects "チェックする" again.
    EXPECT_EQ(IDOK, Run(confirm, [](CDialog& dialog) {
                  EXPECT_EQ(BST_CHECKED, Button(dialog, IDC_RADIO_CHECK).GetCheck());
                  EXPECT_EQ(BST_UNCHECKED, Button(dialog, IDC_RADIO_NO_CHECK).GetCheck());
                  ASSERT_TRUE(UserInput::PressEnter(static_cast<CDialog&>(dialog)));
              }));
    EXPECT_EQ(0, confirm.m_nRadio);
    EXPECT_EQ(IDCANCEL, Run(confirm, [](CDialog& dialog) {
                  ASSERT_TRUE(UserInput::Click(dialog, IDC_RADIO_NO_CHECK));
                  ASSERT_TRUE(UserInput::Click(dialog, IDCANCEL));
              }));
    EXPECT_EQ(0, confirm.m_nRadio);
    EXPECT_EQ(u8"■ FD出力", std::string(AfxFindDialogResource(IDD_FDOUT_CONFIRM)->caption));
}

TEST_F(SharedDialogs, CheckResultListsTheFindingsInOrderAndEndsWithTheChosenButton)
{
    ZnDlgAppCheckResult result;
    result.m_messages.Add("第二面：設計者の氏名が未入力です。");
    result.m_messages.Add("第三面：敷地面積が未入力です。");
    result.m_messages.Add("第一面：申請日の日付が正しくありません。");
    m_shell.docType = 1000;
    EXPECT_EQ(IDOK, Run(result, [](CDialog& dialog) {
                  auto& shown = static_cast<ZnDlgAppCheckResult&>(dialog);
                  EXPECT_EQ(
                      (std::vector<CString>{"第二面：設計者の氏名が未入力です。", "第三面：敷地面積が未入力です。",
                                            "第一面：申請日の日付が正しくありません。"}),
                      ListBoxLines(shown.m_list));
                  EXPECT_TRUE(UserInput::Click(dialog, IDOK));
              }));
    // The dialog leaves its findings to the check, which empties them.
    EXPECT_EQ(3, result.m_messages.GetSize());
    EXPECT_EQ(IDCANCEL, Run(result, [](CDialog& dialog) {
                  EXPECT_EQ(3, static_cast<ZnDlgAppCheckResult&>(dialog).m_list.GetCount());
                  EXPECT_TRUE(UserInput::Click(dialog, IDCANCEL));
              }));
}

TEST_F(SharedDialogs, CheckResultTitleFollowsModeAndTypeAndAnyOtherTypeLeavesIt)
{
    struct Case {
        int mode, type;
        const char* title;
    };
    const Case cases[] = {
        {32786, 1000, "確認申請書"},         {32787, 1000, "計画通知書"},
        {32786, 1002, "中間検査申請書"},     {32787, 1002, "特定工程工事終了通知書"},
        {32786, 1005, "完了検査申請書"},     {32787, 1005, "工事完了通知書"},
        {32786, 1008, "計画変更確認申請書"}, {32787, 1008, "計画変更通知書"},
    };
    ZnDlgAppCheckResult result;
    result.m_strObjKindTitle = "_建築物_";
    auto open = [&] { Run(result, [](CDialog& dialog) { dialog.EndDialog(IDCANCEL); }); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        m_shell.docMode = c.mode;
        m_shell.docType = c.type;
        open();
        EXPECT_EQ(CString(c.title) + "_建築物_エラーリスト", result.GetPrintTitle());
    }
    for (int other : {0, 1009}) {
        m_shell.docType = other;
        open();
        EXPECT_EQ(CString("計画変更通知書_建築物_エラーリスト"), result.GetPrintTitle());
    }
    ZnDlgAppCheckResult fresh;
    Run(fresh, [](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    EXPECT_EQ(CString("エラーリスト"), fresh.GetPrintTitle());
}

TEST_F(SharedDialogs, CheckResultPrintsNothingForNoFindingsAndLeavesNoFileAfterAPrint)
{
    TempFolder temp;
    ScopedEnv tmpdir("TMPDIR", temp.Path());
    ZnDlgAppCheckResult result;
    Run(result, [](CDialog& dialog) {
        EXPECT_TRUE(UserInput::Click(dialog, IDC_BTN_PRINT));
        dialog.EndDialog(IDCANCEL);
    });
    ASSERT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_EQ(CString("エラーはありません。"), m_ui.messageBoxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);
    EXPECT_TRUE(m_ui.printRequests.empty());

    result.m_messages.Add("第二面：設計者の氏名が未入力です。");
    m_ui.AnswerPrintDialog(CString("PDF"));
    Run(result, [](CDialog& dialog) {
        EXPECT_TRUE(UserInput::Click(dialog, IDC_BTN_PRINT));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(1u, m_ui.printRequests.size());
    EXPECT_EQ(1u, m_ui.messageBoxes.size());
    EXPECT_TRUE(fdtest::FolderEntries(temp.Path()).empty());
}

TEST_F(SharedDialogs, ProgressNotesArePopupsWithoutCaptionThatEnterAndEscapeDoNotClose)
{
    struct Note {
        UINT id;
        const char* text;
    };
    ZnDlgAppProgress progress;
    ZnDlgAppCheckProgress checkProgress;
    std::pair<ZnDlgAppNote*, Note> notes[] = {{&progress, {IDD_FDOUT_PROGRESS, u8"処理中．．．"}},
                                              {&checkProgress, {IDD_CHECK_PROGRESS, u8"データチェック中"}}};
    for (auto& [note, expected] : notes) {
        SCOPED_TRACE(expected.id);
        const DialogResource* resource = AfxFindDialogResource(expected.id);
        ASSERT_NE(nullptr, resource);
        EXPECT_EQ(nullptr, resource->caption);
        EXPECT_EQ(83, resource->cx);
        EXPECT_EQ(19, resource->cy);
        EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | DS_CENTER),
                  resource->style & (WS_POPUP | WS_VISIBLE | DS_CENTER | WS_CAPTION | WS_CHILD));
        ASSERT_EQ(1u, resource->controlCount);
        EXPECT_EQ(std::string(expected.text), resource->controls[0].text);
        EXPECT_EQ(static_cast<DWORD>(SS_CENTER), resource->controls[0].style & SS_CENTER);

        ASSERT_TRUE(note->Create());
        EXPECT_EQ(nullptr, note->GetParent());
        EXPECT_TRUE(note->IsWindowVisible());
        EXPECT_TRUE(UserInput::PressEnter(*note));
        EXPECT_TRUE(UserInput::PressEscape(*note));
        EXPECT_TRUE(note->IsWindowVisible());
        EXPECT_TRUE(note->DestroyWindow());
        EXPECT_EQ(nullptr, note->m_hWnd);
    }
}

TEST_F(SharedDialogs, OptionsListEveryDataSetSelectedAndGiveTheChosenNumbers)
{
    auto* inspection = new ZnModelAppInspConf;
    inspection->m_confCertList.AddTail(new ZnModelNum);
    inspection->m_confCertList.AddTail(new ZnModelNum);
    m_shell.models[ZnShellState::formModelSlot] = inspection;
    ZnDlgAppFDOutOption options;
    EXPECT_EQ(-1, options.m_nCheck);
    EXPECT_EQ(-1, options.m_nFloppies);
    EXPECT_EQ(IDOK, Run(options, [&](CDialog& dialog) {
                  auto& shown = static_cast<ZnDlgAppFDOutOption&>(dialog);
                  EXPECT_EQ((std::vector<std::string>{"1*", "2*", "3*"}), Rows(shown.m_list));
                  EXPECT_EQ(CString("番号"), shown.m_list.GetColumnHeading(0));
                  CRect client;
                  shown.m_list.GetClientRect(&client);
                  EXPECT_EQ(client.Width() - GetSystemMetrics(SM_CXHTHUMB), shown.m_list.GetColumnWidth(0));
                  EXPECT_EQ(BST_CHECKED, Button(dialog, IDC_RADIO_CHECK).GetCheck());
                  EXPECT_EQ(BST_CHECKED, Button(dialog, IDC_RADIO_ONE_FD).GetCheck());

                  // Nothing selected: told, and the dialog stays open.
                  ASSERT_TRUE(UserInput::Click(dialog, IDC_BTN_SELECT_NONE));
                  EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), Rows(shown.m_list));
                  ASSERT_TRUE(UserInput::Click(dialog, IDOK));
                  ASSERT_EQ(1u, m_ui.messageBoxes.size());
                  EXPECT_EQ(CString("番号が選択されていません"), m_ui.messageBoxes[0].text);
                  EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_ui.messageBoxes[0].type & MB_ICONMASK);
                  EXPECT_TRUE(dialog.ContinueModal());

                  ASSERT_TRUE(UserInput::Click(dialog, IDC_BTN_SELECT_ALL));
                  EXPECT_EQ((std::vector<std::string>{"1*", "2*", "3*"}), Rows(shown.m_list));
                  // A click with ctrl on 2 leaves 1 and 3.
                  ASSERT_TRUE(UserInput::SelectListItems(shown.m_list, {0, 2}, 1));
                  EXPECT_EQ((std::vector<std::string>{"1*", "2", "3*"}), Rows(shown.m_list));
                  EXPECT_EQ(1, shown.m_list.GetNextItem(-1, LVNI_FOCUSED));
                  ASSERT_TRUE(UserInput::Click(dialog, IDC_RADIO_NO_CHECK));
                  ASSERT_TRUE(UserInput::Click(dialog, IDC_RADIO_MULTI_FD));
                  ASSERT_TRUE(UserInput::Click(dialog, IDOK));
              }));
    EXPECT_EQ((std::vector<int>{1, 3}), Numbers(options.m_selectedNumbers));
    EXPECT_EQ(1, options.m_nCheck);
    EXPECT_EQ(1, options.m_nFloppies);

    // Opened again: the radios back on "チェックする" and "一枚", the list refilled.
    EXPECT_EQ(IDOK, Run(options, [&](CDialog& dialog) {
                  EXPECT_EQ((std::vector<std::string>{"1*", "2*", "3*"}),
                            Rows(static_cast<ZnDlgAppFDOutOption&>(dialog).m_list));
                  ASSERT_TRUE(UserInput::Click(dialog, IDOK));
              }));
    EXPECT_EQ((std::vector<int>{1, 2, 3}), Numbers(options.m_selectedNumbers));
    EXPECT_EQ(0, options.m_nCheck);
    EXPECT_EQ(0, options.m_nFloppies);

    // Cancel keeps what the last OK gave.
    EXPECT_EQ(IDCANCEL, Run(options, [&](CDialog& dialog) { ASSERT_TRUE(UserInput::Click(dialog, IDCANCEL)); }));
    EXPECT_EQ((std::vector<int>{1, 2, 3}), Numbers(options.m_selectedNumbers));
}

TEST_F(SharedDialogs, OptionsWithoutAnInspectionApplicationListTheSingleNumberOne)
{
    ZnDlgAppFDOutOption options;
    for (ZnModel* model : {static_cast<ZnModel*>(nullptr), static_cast<ZnModel*>(new ZnModelApp)}) {
        m_shell.ReplaceModel(ZnShellState::formModelSlot, model);
        EXPECT_EQ(IDOK, Run(options, [&](CDialog& dialog) {
                      EXPECT_EQ(std::vector<std::string>{"1*"}, Rows(static_cast<ZnDlgAppFDOutOption&>(dialog).m_list));
                      ASSERT_TRUE(UserInput::Click(dialog, IDOK));
                  }));
        EXPECT_EQ(std::vector<int>{1}, Numbers(options.m_selectedNumbers));
    }
}
