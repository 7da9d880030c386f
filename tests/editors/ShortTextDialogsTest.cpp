// The short-text dialogs over a common-data folder of their own: the phrase lists, the edit
// dialog's modes, pasting into an edit and copying into another folder's database.
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"

#include "editors/ZnDlgAppTanbunCopy.h"
#include "editors/ZnDlgAppTanbunEdit.h"
#include "editors/ZnDlgAppTanbunPaste.h"
#include "platform/core/Cp932.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/UserInput.h"
#include "res/MainFrameIds.h"
#include "res/ShortTextIds.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppTanbunTblDAO.h"

#include <cstdio>
#include <sys/stat.h>

using testsupport::ReadFileBytes;

namespace {

CString Cp932(const std::string& utf8) { return CString(cp932::FromUtf8(utf8).c_str()); }

std::vector<std::string> ListTexts(const CListCtrl& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetItemCount(); ++i)
        texts.push_back(Field(list.GetItemText(i, 0)));
    return texts;
}

CString TextOf(CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

// A dialog that a script runs: the message boxes it shows, each as its text and icon.
struct Shown {
    std::string text;
    UINT icon;
    bool operator==(const Shown& other) const { return text == other.text && icon == other.icon; }
};
void PrintTo(const Shown& shown, std::ostream* os) { *os << shown.text << " (" << shown.icon << ")"; }

class ShortTextDialogs : public ::testing::Test {
protected:
    ShortTextDialogs()
    {
        for (const char* name : {"com", "other"})
            mkdir(m_folder.Path(name).c_str(), 0777);
        m_shell.comFolder = Windows("com");
    }

    CString Windows(const std::string& relative) const { return LinuxPathToWin(m_folder.Path(relative)).c_str(); }

    // Makes folder/APP_USER_REGIST.mdb holding the phrases in that table order, as an Access file when
    // access is set.
    void MakePhrases(const std::string& folder, const std::vector<std::string>& phrases, bool access = false,
                     const std::string& fileName = "APP_USER_REGIST.mdb") const
    {
        std::string rows;
        for (const std::string& phrase : phrases)
            rows += "INSERT INTO AppTanbunTbl (Tanbun) VALUES ('" + phrase + "');\n";
        AppDatabaseVariant variant = AppDatabaseVariants()[access ? 1 : 0];
        std::remove(m_folder.Path(folder + "/" + fileName).c_str());
        MakeLike(variant, m_folder.Path(folder + "/" + fileName), [&](const std::string& path) {
            DaoCreateDatabase(path.c_str(), std::string(appUserRegistSchema) + rows);
        });
    }
    // The phrases of folder/APP_USER_REGIST.mdb in table order.
    std::vector<std::string> Phrases(const std::string& folder, const std::string& fileName = "APP_USER_REGIST.mdb")
    {
        ZnAppTanbunTblDAO phrases;
        phrases.SetDBPath(Windows(folder + "/" + fileName));
        return ReadRows(
            phrases, [](ZnAppTanbunTblDAO& row) { return Field(row.m_Tanbun); }, "SELECT * FROM AppTanbunTbl");
    }
    // Runs the dialog modally with the script, which must end it; returns its result.
    template <typename Dialog> INT_PTR Run(Dialog& dialog, std::function<void(Dialog&)> script)
    {
        m_ui.ScriptModal([&](CDialog& shown) { script(static_cast<Dialog&>(shown)); });
        return dialog.DoModal();
    }
    // Selects a row of a list as a person does (-1: the empty part, which clears the selection).
    static void Select(CListCtrl& list, int row) { ASSERT_TRUE(UserInput::ClickListItem(list, row)); }
    // The message boxes shown since the last call.
    std::vector<Shown> TakeMessages()
    {
        std::vector<Shown> shown;
        for (const MessageBoxRequest& request : m_ui.messageBoxes)
            shown.push_back({Field(request.text), static_cast<UINT>(request.type & MB_ICONMASK)});
        m_ui.messageBoxes.clear();
        return shown;
    }
    void ExpectMessage(const std::string& text, UINT icon)
    {
        EXPECT_EQ(std::vector<Shown>{(Shown{text, icon})}, TakeMessages());
    }

    testsupport::TempFolder m_folder;
    testsupport::TestShellState m_shell;
    ScriptedUi m_ui;
};

// The edit dialog's state after a step: mode, edit text, whether it is enabled, the old text, the list.
std::string State(ZnDlgAppTanbunEdit& dialog)
{
    std::string list;
    for (const std::string& text : ListTexts(dialog.m_list))
        list += (list.empty() ? "" : ",") + text;
    return std::to_string(dialog.GetMode()) + "|" + Field(TextOf(dialog.m_edit)) + "|" +
           (dialog.m_edit.IsWindowEnabled() ? "on" : "off") + "|" + Field(dialog.GetOldText()) + "|" + list;
}

} // namespace

TEST_F(ShortTextDialogs, BothListsShowThePhrasesInAscendingOrderInOneUntitledColumn)
{
    MakePhrases("com", {u8"カ", u8"ア", u8"サ"});
    ZnDlgAppTanbunPaste paste;
    Run<ZnDlgAppTanbunPaste>(paste, [&](ZnDlgAppTanbunPaste& dialog) {
        EXPECT_EQ((std::vector<std::string>{u8"ア", u8"カ", u8"サ"}), ListTexts(dialog.m_list));
        ASSERT_EQ(1, dialog.m_list.GetColumnCount());
        EXPECT_EQ("", dialog.m_list.GetColumnHeading(0));
        CRect client;
        dialog.m_list.GetClientRect(&client);
        EXPECT_EQ(client.Width() - GetSystemMetrics(SM_CXHTHUMB), dialog.m_list.GetColumnWidth(0));
        dialog.EndDialog(IDCANCEL);
    });
    ZnDlgAppTanbunEdit edit;
    Run<ZnDlgAppTanbunEdit>(edit, [&](ZnDlgAppTanbunEdit& dialog) {
        EXPECT_EQ(u8"0||off||ア,カ,サ", State(dialog));
        // The first button has the focus, the edit being disabled.
        EXPECT_EQ(dialog.GetDlgItem(IDC_TB_NEW), CWnd::GetFocus());
        EXPECT_EQ(1, dialog.m_list.GetColumnCount());
        dialog.EndDialog(IDOK);
    });
}

TEST_F(ShortTextDialogs, EditDialogWalksThroughItsModes)
{
    MakePhrases("com", {u8"カ", u8"ア", u8"サ"});
    ZnDlgAppTanbunEdit edit;
    Run<ZnDlgAppTanbunEdit>(edit, [&](ZnDlgAppTanbunEdit& dialog) {
        // 登録 with nothing typed: the message, the focus on the edit.
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        ExpectMessage(u8"短文データを入力してください。", MB_ICONSTOP);
        EXPECT_EQ(&dialog.m_edit, CWnd::GetFocus());

        // 新規, typed, 登録: a new row.
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_NEW));
        EXPECT_EQ(u8"1||on||ア,カ,サ", State(dialog));
        EXPECT_EQ(&dialog.m_edit, CWnd::GetFocus());
        ASSERT_TRUE(UserInput::Type(dialog.m_edit, Cp932(u8"イ|ロ")));
        EXPECT_EQ(u8"1|イロ|on||ア,カ,サ", State(dialog));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        EXPECT_EQ(u8"0||off||ア,イロ,カ,サ", State(dialog));

        // 修正 without a selection keeps a new phrase being typed, and its mode.
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_NEW));
        ASSERT_TRUE(UserInput::Type(dialog.m_edit, Cp932(u8"タ")));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_CHANGE));
        ExpectMessage(u8"編集する短文を選択してください。", MB_ICONSTOP);
        EXPECT_EQ(u8"1|タ|on||ア,イロ,カ,サ", State(dialog));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        EXPECT_EQ(u8"0||off||ア,イロ,カ,サ,タ", State(dialog));

        // 修正 of カ, changed to キ.
        Select(dialog.m_list, 2);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_CHANGE));
        EXPECT_EQ(u8"2|カ|on|カ|ア,イロ,カ,サ,タ", State(dialog));
        ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_TB_EDIT, Cp932(u8"キ")));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        EXPECT_EQ(u8"0||off||ア,イロ,キ,サ,タ", State(dialog));

        // ｷｬﾝｾﾙ after 修正: nothing stored, the selection gone.
        Select(dialog.m_list, 0);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_CHANGE));
        ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_TB_EDIT, "x"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_CANCEL));
        EXPECT_EQ(u8"0||off||ア,イロ,キ,サ,タ", State(dialog));
        EXPECT_EQ(-1, dialog.m_list.GetNextItem(-1, LVNI_SELECTED));

        // 登録 in idle mode with text is impossible (the edit is empty): the message again.
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        ExpectMessage(u8"短文データを入力してください。", MB_ICONSTOP);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ((std::vector<std::string>{u8"キ", u8"ア", u8"サ", u8"イロ", u8"タ"}), Phrases("com"));
    EXPECT_EQ((std::vector<UINT>{IDD_TANBUN_EDIT}), m_ui.modalTemplates);
}

TEST_F(ShortTextDialogs, DeleteAsksAndRemovesOneOfTwoEqualPhrases)
{
    MakePhrases("com", {u8"同じ", u8"別", u8"同じ"});
    ZnDlgAppTanbunEdit edit;
    Run<ZnDlgAppTanbunEdit>(edit, [&](ZnDlgAppTanbunEdit& dialog) {
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_DELETE));
        ExpectMessage(u8"削除する短文を選択してください。", MB_ICONSTOP);

        // Declined: nothing changes, not even the input under way.
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_NEW));
        ASSERT_TRUE(UserInput::Type(dialog.m_edit, "abc"));
        Select(dialog.m_list, 0);
        m_ui.ScriptModal([](CDialog& question) { ASSERT_TRUE(UserInput::Click(question, IDCANCEL)); });
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_DELETE));
        EXPECT_EQ(u8"1|abc|on||別,同じ,同じ", State(dialog));

        Select(dialog.m_list, 1);
        m_ui.ScriptModal([](CDialog& question) { ASSERT_TRUE(UserInput::Click(question, IDOK)); });
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_DELETE));
        EXPECT_EQ(u8"0||off||別,同じ", State(dialog));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ((std::vector<std::string>{u8"別", u8"同じ"}), Phrases("com"));
    EXPECT_EQ((std::vector<UINT>{IDD_TANBUN_EDIT, IDD_TANBUN_DELETE, IDD_TANBUN_DELETE}), m_ui.modalTemplates);
}

TEST_F(ShortTextDialogs, PhraseEditTakes250BytesAndNoBar)
{
    MakePhrases("com", {});
    ZnDlgAppTanbunEdit edit;
    Run<ZnDlgAppTanbunEdit>(edit, [&](ZnDlgAppTanbunEdit& dialog) {
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_NEW));
        // 124 double-byte characters and "a|b": the bar goes, the b does not fit.
        std::string typed;
        for (int i = 0; i < 124; ++i)
            typed += u8"あ";
        ASSERT_TRUE(UserInput::Type(dialog.m_edit, Cp932(typed + "a|bc")));
        EXPECT_EQ(Cp932(typed + "ab"), TextOf(dialog.m_edit));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        dialog.EndDialog(IDOK);
    });
    ASSERT_EQ(1u, Phrases("com").size());
    EXPECT_EQ(250u, cp932::FromUtf8(Phrases("com")[0]).size());
}

TEST_F(ShortTextDialogs, ChangingAPhraseThatHasGoneWritesNothingAndKeepsTheInput)
{
    MakePhrases("com", {u8"古い", u8"残る"});
    ZnDlgAppTanbunEdit edit;
    Run<ZnDlgAppTanbunEdit>(edit, [&](ZnDlgAppTanbunEdit& dialog) {
        Select(dialog.m_list, 0);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_CHANGE));
        ASSERT_TRUE(UserInput::ReplaceText(dialog, IDC_TB_EDIT, Cp932(u8"新しい")));
        // Another program deletes the row meanwhile.
        CDaoDatabase database;
        database.Open(Windows("com/APP_USER_REGIST.mdb"));
        database.Execute(Cp932(u8"DELETE FROM AppTanbunTbl WHERE Tanbun = '古い'"));
        database.Close();
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        ExpectMessage(Field(DaoErrorDescription(daoErrNoCurrentRecord)), MB_ICONEXCLAMATION);
        EXPECT_EQ(u8"2|新しい|on|古い|古い,残る", State(dialog));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ((std::vector<std::string>{u8"残る"}), Phrases("com"));
}

TEST_F(ShortTextDialogs, AnAccessDatabaseIsListedAndRefusesEveryChange)
{
    MakePhrases("com", {u8"カ", u8"ア"}, true);
    std::string before = ReadFileBytes(m_folder.Path("com/APP_USER_REGIST.mdb"));
    const std::string readOnly = Field(DaoErrorDescription(daoErrReadOnly));
    ZnDlgAppTanbunEdit edit;
    Run<ZnDlgAppTanbunEdit>(edit, [&](ZnDlgAppTanbunEdit& dialog) {
        EXPECT_EQ(u8"0||off||ア,カ", State(dialog));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_NEW));
        ASSERT_TRUE(UserInput::Type(dialog.m_edit, "x"));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        ExpectMessage(readOnly, MB_ICONEXCLAMATION);

        Select(dialog.m_list, 0);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_CHANGE));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_REGISTER));
        ExpectMessage(readOnly, MB_ICONEXCLAMATION);

        m_ui.ScriptModal([](CDialog& question) { question.EndDialog(IDOK); });
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_DELETE));
        ExpectMessage(readOnly, MB_ICONEXCLAMATION);
        EXPECT_EQ((std::vector<std::string>{u8"ア", u8"カ"}), ListTexts(dialog.m_list));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(before, ReadFileBytes(m_folder.Path("com/APP_USER_REGIST.mdb")));
}

TEST_F(ShortTextDialogs, PasteReplacesTheTargetsSelectionUndoablyAndEnds)
{
    MakePhrases("com", {u8"定型文", u8"別"});
    CEdit target;
    target.Create(WS_VISIBLE, CRect(0, 0, 100, 20), nullptr, 1);
    target.SetWindowText("abcdef");
    target.SetSel(2, 4);
    ZnDlgAppTanbunPaste paste;
    paste.m_pTarget = &target;
    INT_PTR result = Run<ZnDlgAppTanbunPaste>(paste, [&](ZnDlgAppTanbunPaste& dialog) {
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_PASTE));
        ExpectMessage(u8"貼り付ける短文を選択してください。", MB_ICONSTOP);
        EXPECT_EQ("abcdef", TextOf(target));
        Select(dialog.m_list, 1);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_PASTE));
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(Cp932(u8"ab定型文ef"), TextOf(target));
    EXPECT_TRUE(target.Undo());
    EXPECT_EQ("abcdef", TextOf(target));

    // Nothing selected in the edit: the phrase goes in at the caret.
    target.SetSel(6, 6);
    ZnDlgAppTanbunPaste again;
    again.m_pTarget = &target;
    Run<ZnDlgAppTanbunPaste>(again, [&](ZnDlgAppTanbunPaste& dialog) {
        Select(dialog.m_list, 0);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_PASTE));
    });
    EXPECT_EQ(Cp932(u8"abcdef別"), TextOf(target));
    target.DestroyWindow();

    // Without a target it ends and changes nothing.
    ZnDlgAppTanbunPaste alone;
    EXPECT_EQ(IDCANCEL, Run<ZnDlgAppTanbunPaste>(alone, [&](ZnDlgAppTanbunPaste& dialog) {
                  Select(dialog.m_list, 0);
                  ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_PASTE));
              }));
    EXPECT_EQ((std::vector<std::string>{u8"定型文", u8"別"}), Phrases("com"));
}

TEST_F(ShortTextDialogs, CopyAppendsEveryPhraseToTheChosenFolder)
{
    MakePhrases("com", {u8"カ", u8"ア", u8"カ"});
    // Its file name in other letter case, as a Windows folder may hold it.
    MakePhrases("other", {u8"既存"}, false, "app_user_regist.MDB");
    ZnDlgAppTanbunCopy copy;
    INT_PTR result = Run<ZnDlgAppTanbunCopy>(copy, [&](ZnDlgAppTanbunCopy& dialog) {
        EXPECT_EQ(Windows("com"), TextOf(dialog.m_folder));
        // Cancelled picker: the folder stays.
        m_ui.AnswerFolder(std::nullopt);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_SELECT));
        EXPECT_EQ(Windows("com"), TextOf(dialog.m_folder));
        m_ui.AnswerFolder(Windows("other"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_SELECT));
        EXPECT_EQ(Windows("other"), TextOf(dialog.m_folder));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        ExpectMessage(u8"短文複写は正常に終了しました。", MB_ICONINFORMATION);
    });
    EXPECT_EQ(IDOK, result);
    // In the order read: descending.
    EXPECT_EQ((std::vector<std::string>{u8"既存", u8"カ", u8"カ", u8"ア"}), Phrases("other", "app_user_regist.MDB"));
    EXPECT_EQ((std::vector<std::string>{u8"カ", u8"ア", u8"カ"}), Phrases("com"));
}

TEST_F(ShortTextDialogs, CopyRefusesAFolderWithoutDatabaseTheSourceItselfAndAnEmptySource)
{
    MakePhrases("com", {u8"一"});
    ZnDlgAppTanbunCopy copy;
    Run<ZnDlgAppTanbunCopy>(copy, [&](ZnDlgAppTanbunCopy& dialog) {
        // At once: the source folder itself, also when named otherwise.
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        ExpectMessage(u8"複写元と同じフォルダには複写できません。", MB_ICONSTOP);
        m_ui.AnswerFolder(Windows("other/../com"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_SELECT));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        ExpectMessage(u8"複写元と同じフォルダには複写できません。", MB_ICONSTOP);

        m_ui.AnswerFolder(Windows("other"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_SELECT));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        ExpectMessage(u8"複写先をに共通データが存在しません。", MB_ICONSTOP);
        EXPECT_EQ(Windows("other"), TextOf(dialog.m_folder));
        EXPECT_TRUE(dialog.ContinueModal());
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ((std::vector<std::string>{u8"一"}), Phrases("com"));

    MakePhrases("com", {});
    MakePhrases("other", {u8"残る"});
    ZnDlgAppTanbunCopy empty;
    Run<ZnDlgAppTanbunCopy>(empty, [&](ZnDlgAppTanbunCopy& dialog) {
        m_ui.AnswerFolder(Windows("other"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_SELECT));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        ExpectMessage(u8"複写する短文データは存在しませんでした。", MB_ICONSTOP);
        EXPECT_TRUE(dialog.ContinueModal());
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ((std::vector<std::string>{u8"残る"}), Phrases("other"));
}

TEST_F(ShortTextDialogs, CopyIntoAnAccessDatabaseFailsWithoutChangingIt)
{
    MakePhrases("com", {u8"一", u8"二"});
    MakePhrases("other", {u8"残る"}, true);
    std::string before = ReadFileBytes(m_folder.Path("other/APP_USER_REGIST.mdb"));
    ZnDlgAppTanbunCopy copy;
    Run<ZnDlgAppTanbunCopy>(copy, [&](ZnDlgAppTanbunCopy& dialog) {
        m_ui.AnswerFolder(Windows("other"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_TB_SELECT));
        m_ui.AnswerMessageBox(IDOK);
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        ExpectMessage(Field(DaoErrorDescription(daoErrReadOnly)), MB_ICONEXCLAMATION);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(before, ReadFileBytes(m_folder.Path("other/APP_USER_REGIST.mdb")));
}
