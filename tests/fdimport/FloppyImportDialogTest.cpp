// The floppy contents dialog (7608) and the destination dialog (7609): their templates, the read
// of a floppy's index with every refusal, the folder pickers, and the checks of the destination
// and the property name.
#include "tests/fdimport/FloppyImportSupport.h"

#include "fdimport/ZnFloppyLine.h"
#include "platform/files/WinDrive.h"
#include "platform/wnd/Imm.h"
#include "platform/wnd/Resources.h"

#include <climits>
#include <deque>
#include <unistd.h>

using testsupport::WriteFileBytes;

namespace {

const char kNoFiles[] = u8"ファイルが存在しません。FDをチェックしてください。";
const char kUnformatted[] = u8"フロッピーがフォーマットされていません。";
const char kNotReady[] = u8"フロッピーが準備できていません。";
const char kAccessFailed[] = u8"フロッピーのアクセスに失敗しました。FDをチェックしてください。";
const char kNotApplication[] = u8"申請FDではありません。FDをチェックしてください。";
const char kNoIndex[] = u8"フロッピーにファイル情報ファイル（filename.iba)がありません。";
const char kIndexNotOpened[] = u8"フロッピーのファイル情報ファイル（filename.iba)のオープンに失敗しました。";
const char kIndexEmpty[] = u8"フロッピーのファイル情報ファイル（filename.iba)のデータが不正です。";
const char kNoTag[] = u8"情報ファイル（filename.iba)のデータ(#000)が不正です。";
const char kOldForm[] = u8"旧様式の申請FDは読込できません。";

// A template as text: its caption, font and size, then per control its id, kind, text and rectangle.
std::string TemplateListing(UINT id)
{
    const DialogResource* dialog = AfxFindDialogResource(id);
    if (!dialog)
        return "none";
    const char* kinds[] = {"button", "edit", "static", "listbox", "combobox", "listview"};
    std::string listing = std::string(dialog->caption) + "|" + dialog->fontName + "|" +
                          std::to_string(dialog->pointSize) + "|" + std::to_string(dialog->cx) + "x" +
                          std::to_string(dialog->cy) + "\n";
    for (size_t i = 0; i < dialog->controlCount; ++i) {
        const ControlResource& c = dialog->controls[i];
        listing += std::to_string(c.id) + "|" + kinds[static_cast<int>(c.kind)] + "|" + (c.text ? c.text : "") + "|" +
                   std::to_string(c.x) + "," + std::to_string(c.y) + "," + std::to_string(c.cx) + "," +
                   std::to_string(c.cy) + ((c.style & ES_READONLY) && c.kind == ControlKind::Edit ? "|read-only" : "") +
                   ((c.style & BS_DEFPUSHBUTTON) && c.kind == ControlKind::Button ? "|default" : "") + "\n";
    }
    return listing;
}

// The floppy contents dialog with the drive's answers to the medium check given by the test;
// past them the real search answers.
class DriveAnswers : public ZnDlgAppFDImport {
public:
    explicit DriveAnswers(std::deque<DWORD> answers) : m_answers(std::move(answers)) {}
    mutable int searches = 0;

protected:
    DWORD LookForEntries(const CString& pattern) const override
    {
        ++searches;
        if (m_answers.empty())
            return ZnDlgAppFDImport::LookForEntries(pattern);
        DWORD answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

private:
    mutable std::deque<DWORD> m_answers;
};

class FloppyImportDialogs : public FloppyImport {
protected:
    FloppyImportDialogs()
    {
        CopyFloppy("lift_mod");
        Start();
    }

    // Writes floppy/Info/filename.iba (UTF-8 line, stored as CP932 with CR LF).
    void WriteIndex(const std::string& line) const
    {
        std::filesystem::create_directories(m_folder.Path("floppy/Info"));
        WriteFileBytes(m_folder.Path("floppy/Info/filename.iba"), cp932::FromUtf8(line) + "\r\n");
    }
    // Presses 読込 in the dialog, which must refuse the floppy, and gives its message.
    std::string Read(ZnDlgAppFDImport& dialog, int answer = IDOK)
    {
        size_t shown = m_ui.messageBoxes.size();
        m_ui.AnswerMessageBox(answer);
        EXPECT_TRUE(UserInput::Click(dialog, IDC_FI_BTN_READ));
        EXPECT_EQ(shown + 1, m_ui.messageBoxes.size());
        return m_ui.messageBoxes.size() > shown ? MessageTexts().back() : "";
    }
    // Presses 読込 in the dialog, which must read the floppy without a message.
    void ReadOk(ZnDlgAppFDImport& dialog)
    {
        size_t shown = m_ui.messageBoxes.size();
        EXPECT_TRUE(UserInput::Click(dialog, IDC_FI_BTN_READ));
        EXPECT_EQ(shown, m_ui.messageBoxes.size());
        EXPECT_TRUE(Enabled(dialog, IDOK));
    }
    // Runs a dialog that answers the medium check with answers, reading once; gives its message.
    std::string ReadWithDrive(std::deque<DWORD> answers, std::vector<int> boxAnswers, int* searches = nullptr)
    {
        DriveAnswers dialog(std::move(answers));
        std::string text;
        size_t shown = m_ui.messageBoxes.size();
        for (int answer : boxAnswers)
            m_ui.AnswerMessageBox(answer);
        m_ui.ScriptModal([&](CDialog&) {
            EXPECT_TRUE(UserInput::Click(dialog, IDC_FI_BTN_READ));
            dialog.EndDialog(IDCANCEL);
        });
        dialog.DoModal();
        EXPECT_EQ(shown + boxAnswers.size(), m_ui.messageBoxes.size());
        if (searches)
            *searches = dialog.searches;
        return m_ui.messageBoxes.size() > shown ? MessageTexts().back() : "";
    }

    // Reads the floppy, presses 保存 and runs script in the destination dialog.
    void OpenSave(std::function<void(ZnDlgAppFDImportSave&)> script)
    {
        OpenImport([&](ZnDlgAppFDImport& dialog) {
            ReadOk(dialog);
            ScriptSave(script);
            ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        });
    }
    // Presses OK in the destination dialog, which must refuse with one message; gives its text.
    std::string Refused(ZnDlgAppFDImportSave& save)
    {
        size_t shown = m_ui.messageBoxes.size();
        m_ui.AnswerMessageBox(IDOK);
        EXPECT_TRUE(UserInput::Click(save, IDOK));
        EXPECT_TRUE(save.ContinueModal());
        EXPECT_EQ(shown + 1, m_ui.messageBoxes.size());
        return m_ui.messageBoxes.size() > shown ? MessageTexts().back() : "";
    }
};

} // namespace

TEST(FloppyLine, FieldsAreCutAtEveryCommaAndLoseTheirFirstAndLastBytes)
{
    const CString line = "#000,\"表ソ\",\"\",x,\"ab,cd\",\"\"\"";
    std::vector<CString> fields;
    for (int n = -1; n <= 8; ++n)
        fields.push_back(ZnFloppyLine::GetField(n, line));
    // A comma inside quotes ends its field too; a field of one byte is empty; missing ones are empty.
    EXPECT_EQ((std::vector<CString>{"", "#000", "表ソ", "", "", "a", "d", "\"", "", ""}), fields);
    EXPECT_EQ("", ZnFloppyLine::GetField(0, "#000"));
    EXPECT_EQ("", ZnFloppyLine::GetField(1, "#000"));
    EXPECT_EQ("\"#000\"", ZnFloppyLine::GetField(0, "\"#000\",\"x\""));
    EXPECT_EQ("", ZnFloppyLine::GetField(0, ",\"x\""));
    EXPECT_EQ("x", ZnFloppyLine::GetField(1, ",\"x\""));
    EXPECT_EQ("", ZnFloppyLine::GetField(1, "#000,,\"x\""));
}

TEST(FloppyImportTemplates, TheContentsAndDestinationDialogsAsDesigned)
{
    EXPECT_EQ(u8"■ＦＤ内容|ＭＳ Ｐゴシック|9|314x129\n"
              u8"-1|static|ドライブ名：|10,5,35,15\n"
              u8"14056|edit||50,5,128,15|read-only\n"
              u8"14055|button|参照|178,5,20,15\n"
              u8"16028|button|読込|215,5,35,15\n"
              u8"-1|static|作成日：|10,30,35,15\n"
              u8"16029|edit||50,30,75,15|read-only\n"
              u8"-1|static|物件名：|10,55,40,15\n"
              u8"16030|edit||50,55,255,15|read-only\n"
              u8"-1|static|書式種類：|10,80,35,15\n"
              u8"16014|edit||50,80,255,15|read-only\n"
              u8"1|button|保存|200,105,50,14|default\n"
              u8"2|button|ｷｬﾝｾﾙ|255,105,50,14\n",
              TemplateListing(IDD_FD_IMPORT));
    EXPECT_EQ(u8"■保存先指定|ＭＳ Ｐゴシック|9|343x89\n"
              u8"16018|button|保存先|10,10,40,15\n"
              u8"16012|edit||55,10,280,15|read-only\n"
              u8"-1|static|物件名：|10,40,40,15\n"
              u8"16030|edit||55,40,280,15\n"
              u8"1|button|OK|230,65,50,14|default\n"
              u8"2|button|ｷｬﾝｾﾙ|285,65,50,14\n",
              TemplateListing(IDD_FD_IMPORT_SAVE));
}

TEST_F(FloppyImportDialogs, TheMediumChecksAnswersEachWithItsTextAndTheErrorIcon)
{
    EXPECT_EQ(kNoFiles, ReadWithDrive({ERROR_FILE_NOT_FOUND}, {IDOK}));
    EXPECT_EQ(kUnformatted, ReadWithDrive({ERROR_UNRECOGNIZED_MEDIA}, {IDOK}));
    EXPECT_EQ(kAccessFailed, ReadWithDrive({ERROR_PATH_NOT_FOUND}, {IDOK}));
    EXPECT_EQ(kAccessFailed, ReadWithDrive({ERROR_ACCESS_DENIED}, {IDOK}));
    EXPECT_EQ(kAccessFailed, ReadWithDrive({ERROR_IO_DEVICE}, {IDOK}));
    for (const MessageBoxRequest& box : m_ui.messageBoxes)
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), box.type);

    // Not ready: Retry and Cancel; Cancel ends the read, Retry searches again until the floppy is in.
    int searches = 0;
    EXPECT_EQ(kNotReady, ReadWithDrive({ERROR_NOT_READY}, {IDCANCEL}, &searches));
    EXPECT_EQ(1, searches);
    EXPECT_EQ(static_cast<UINT>(MB_RETRYCANCEL | MB_ICONSTOP), m_ui.messageBoxes.back().type);
    DriveAnswers dialog({ERROR_NOT_READY, ERROR_NOT_READY});
    m_ui.AnswerMessageBox(IDRETRY);
    m_ui.AnswerMessageBox(IDRETRY);
    m_ui.ScriptModal([&](CDialog&) {
        EXPECT_TRUE(UserInput::Click(dialog, IDC_FI_BTN_READ));
        EXPECT_EQ(u8"昇降機の家", Text(dialog, IDC_FI_EDIT_NAME));
        EXPECT_TRUE(Enabled(dialog, IDOK));
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(3, dialog.searches);
}

TEST_F(FloppyImportDialogs, MissingAndUnreachableFoldersFailToBeAccessed)
{
    OpenImport([&](ZnDlgAppFDImport& dialog) {
        dialog.SetDlgItemText(IDC_FI_EDIT_DRIVE, Windows("nowhere"));
        EXPECT_EQ(kAccessFailed, Read(dialog));
        // A folder that cannot be searched: a link to itself.
        std::filesystem::create_directory_symlink(m_folder.Path("loop"), m_folder.Path("loop"));
        dialog.SetDlgItemText(IDC_FI_EDIT_DRIVE, Windows("loop"));
        EXPECT_EQ(kAccessFailed, Read(dialog));
        EXPECT_FALSE(Enabled(dialog, IDOK));
    });
}

TEST_F(FloppyImportDialogs, AnUnreadableFolderFailsToBeAccessed)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "every folder is readable to root";
    MakeFolders({"locked"});
    std::filesystem::permissions(m_folder.Path("locked"), std::filesystem::perms::none);
    OpenImport([&](ZnDlgAppFDImport& dialog) {
        dialog.SetDlgItemText(IDC_FI_EDIT_DRIVE, Windows("locked"));
        EXPECT_EQ(kAccessFailed, Read(dialog));
    });
    std::filesystem::permissions(m_folder.Path("locked"), std::filesystem::perms::owner_all);
}

TEST_F(FloppyImportDialogs, RefusesWhatIsNoApplicationFloppyInTheOrderOfItsChecks)
{
    OpenImport([&](ZnDlgAppFDImport& dialog) {
        std::filesystem::rename(m_folder.Path("floppy/Keikaku"), m_folder.Path("floppy/Other"));
        // An empty folder holds its "." entry: found, then refused for its missing Keikaku.
        MakeFolders({"empty"});
        dialog.SetDlgItemText(IDC_FI_EDIT_DRIVE, Windows("empty"));
        EXPECT_EQ(kNotApplication, Read(dialog));
        dialog.SetDlgItemText(IDC_FI_EDIT_DRIVE, Windows("floppy"));
        EXPECT_EQ(kNotApplication, Read(dialog));
        // Names are found whatever their case.
        std::filesystem::rename(m_folder.Path("floppy/Other"), m_folder.Path("floppy/KEIKAKU"));
        std::filesystem::rename(m_folder.Path("floppy/Info"), m_folder.Path("floppy/Other"));
        EXPECT_EQ(kNoIndex, Read(dialog));
        MakeFolders({"floppy/INFO/FILENAME.IBA"});
        EXPECT_EQ(kIndexNotOpened, Read(dialog));
        std::filesystem::remove_all(m_folder.Path("floppy/INFO"));
        WriteIndex("");
        WriteFileBytes(m_folder.Path("floppy/Info/filename.iba"), "");
        EXPECT_EQ(kIndexEmpty, Read(dialog));
        WriteIndex(u8"#001,\"名\",\"20040401\",\"6.40\",\"0\",\"\",\"100002\"");
        EXPECT_EQ(kNoTag, Read(dialog));
        WriteIndex(u8"\"#000\",\"名\",\"20040401\",\"6.40\",\"0\",\"\",\"100002\"");
        EXPECT_EQ(kNoTag, Read(dialog));
        // A line without a comma has no field 0.
        WriteIndex(u8"#000");
        EXPECT_EQ(kNoTag, Read(dialog));
        EXPECT_FALSE(Enabled(dialog, IDOK));
        EXPECT_EQ("", Text(dialog, IDC_FI_EDIT_NAME));
    });
    for (const MessageBoxRequest& box : m_ui.messageBoxes)
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), box.type);
}

TEST_F(FloppyImportDialogs, OldFormFloppiesOfTheApplicationCodesAreRefusedAfterTheModeIsSet)
{
    OpenImport([&](ZnDlgAppFDImport& dialog) {
        for (const char* code : {"100001", "100101", "100201", "100301", "100801", "100802"}) {
            SCOPED_TRACE(code);
            Frame().SetDocMode(DOCMODE_ZADAZEZ);
            WriteIndex(std::string(u8"#000,\"名\",\"20040401\",\"6.20\",\"1\",\"\",\"") + code + "\"");
            EXPECT_EQ(kOldForm, Read(dialog));
            EXPECT_EQ(DOCMODE_KEIKAKU, Frame().GetDocMode(0));
            EXPECT_EQ(code, dialog.m_strAppTypeCode);
            EXPECT_EQ("1", dialog.m_strAppFlag);
            EXPECT_FALSE(Enabled(dialog, IDOK));
            WriteIndex(std::string(u8"#000,\"名\",\"20040401\",\"6.40\",\"0\",\"\",\"") + code + "\"");
            ReadOk(dialog);
            EXPECT_EQ(DOCMODE_ZADAZEZ, Frame().GetDocMode(0));
            EXPECT_TRUE(Enabled(dialog, IDOK));
        }
        // Other codes take any version.
        WriteIndex(u8"#000,\"名\",\"20040401\",\"6.20\",\"0\",\"\",\"100102\"");
        ReadOk(dialog);
        EXPECT_TRUE(Enabled(dialog, IDOK));
        // A refused read leaves 保存 off, with the values of the floppy shown before.
        WriteIndex(u8"#000,\"別\",\"20050505\",\"5.00\",\"1\",\"\",\"100301\"");
        EXPECT_EQ(kOldForm, Read(dialog));
        EXPECT_FALSE(Enabled(dialog, IDOK));
        EXPECT_EQ(u8"名", Text(dialog, IDC_FI_EDIT_NAME));
    });
}

TEST_F(FloppyImportDialogs, AReadShowsTheFloppysNameDateAndFormTypeAndEnablesSave)
{
    AfxImmReset();
    OpenImport([&](ZnDlgAppFDImport& dialog) {
        EXPECT_EQ(WindowsUtf8("floppy"), Text(dialog, IDC_FI_EDIT_DRIVE));
        EXPECT_FALSE(Enabled(dialog, IDOK));
        ReadOk(dialog);
        EXPECT_EQ(u8"昇降機の家", Text(dialog, IDC_FI_EDIT_NAME));
        EXPECT_EQ(u8"2004年04月01日", Text(dialog, IDC_FI_EDIT_DATE));
        EXPECT_EQ(u8"計画変更確認申請書_昇降機_", Text(dialog, IDC_FI_EDIT_KIND));
        EXPECT_EQ(0, dialog.m_nHeiganCode);
        EXPECT_TRUE(Enabled(dialog, IDOK));

        // Notification forms: the title of the notification set; an empty date leaves the edit;
        // any positive sum of the counts is 1, a negative one stays; a short line's missing
        // fields are empty.
        WriteIndex(u8"#000,\"通知の家\",\"\",\"6.40\",\"1\",\"\",\"100302\",\"1\",\"2\",\"0\",\"3\",\"0\"");
        ReadOk(dialog);
        EXPECT_EQ(u8"通知の家", Text(dialog, IDC_FI_EDIT_NAME));
        EXPECT_EQ(u8"2004年04月01日", Text(dialog, IDC_FI_EDIT_DATE));
        EXPECT_EQ(u8"計画変更通知書_昇降機_", Text(dialog, IDC_FI_EDIT_KIND));
        EXPECT_EQ(1, dialog.m_nHeiganCode);
        WriteIndex(u8"#000,\"負\",\"19991231\",\"6.40\",\"0\",\"\",\"100302\",\"1\",\"-2\",\"0\",\"1\",\"0\"");
        ReadOk(dialog);
        EXPECT_EQ(-1, dialog.m_nHeiganCode);
        EXPECT_EQ(u8"1999年12月31日", Text(dialog, IDC_FI_EDIT_DATE));
        WriteIndex(u8"#000,\"短\",\"20000101\",\"6.40\",\"0\",\"\",\"100302\",\"1\",\"5\"");
        ReadOk(dialog);
        EXPECT_EQ(1, dialog.m_nHeiganCode);
        WriteIndex(u8"#000,\"短\",\"20000101\",\"6.40\",\"0\",\"\",\"100302\",\"1\",\"0\",\"-3\"");
        ReadOk(dialog);
        EXPECT_EQ(-3, dialog.m_nHeiganCode);
        // Counts beyond an int add up without overflow: 1 for any positive sum however large, and a
        // count beyond an int is held at the largest one.
        WriteIndex(u8"#000,\"大\",\"20000101\",\"6.40\",\"0\",\"\",\"100302\",\"1\",\"2000000000\","
                   u8"\"2000000000\",\"4294967295\",\"-2000000000\"");
        ReadOk(dialog);
        EXPECT_EQ(1, dialog.m_nHeiganCode);
        WriteIndex(u8"#000,\"負\",\"20000101\",\"6.40\",\"0\",\"\",\"100302\",\"1\",\"-2000000000\","
                   u8"\"-2000000000\",\"-2000000000\",\"-2000000000\"");
        ReadOk(dialog);
        EXPECT_EQ(INT_MIN, dialog.m_nHeiganCode);
    });
}

TEST_F(FloppyImportDialogs, BrowseSetsTheDriveAndTheOutputFolderAndDisablesSave)
{
    MakeFolders({"copy"});
    OpenImport([&](ZnDlgAppFDImport& dialog) {
        ReadOk(dialog);
        m_ui.AnswerFolder(std::nullopt);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_FI_BTN_BROWSE));
        EXPECT_EQ(WindowsUtf8("floppy"), Text(dialog, IDC_FI_EDIT_DRIVE));
        EXPECT_EQ(Windows("floppy"), m_app.GetOutputFolder());
        EXPECT_TRUE(Enabled(dialog, IDOK));
        m_ui.AnswerFolder(Windows("copy"));
        ASSERT_TRUE(UserInput::Click(dialog, IDC_FI_BTN_BROWSE));
        EXPECT_EQ(WindowsUtf8("copy"), Text(dialog, IDC_FI_EDIT_DRIVE));
        EXPECT_EQ(Windows("copy"), m_app.GetOutputFolder());
        EXPECT_FALSE(Enabled(dialog, IDOK));
    });
}

TEST_F(FloppyImportDialogs, SaveOpensTheDestinationDialogAndClosesWithIt)
{
    auto script = [&](ZnDlgAppFDImportSave& save) {
        EXPECT_EQ(u8"昇降機の家", Text(save, IDC_FS_EDIT_NAME));
        EXPECT_EQ(WindowsUtf8("obj"), Text(save, IDC_FS_EDIT_FOLDER));
        EXPECT_EQ("100302", save.m_strDocCode);
        EXPECT_EQ("0", save.m_strAppFlag);
        EXPECT_EQ(Windows("floppy") + "\\", save.m_strFloppyPath);
        EXPECT_EQ("計画変更確認申請書_昇降機_", save.m_strDocKindName);
        EXPECT_TRUE(UserInput::Click(save, IDCANCEL));
    };
    bool closed = false;
    OpenImport([&](ZnDlgAppFDImport& dialog) {
        ReadOk(dialog);
        ScriptSave(script);
        ASSERT_TRUE(UserInput::Click(dialog, IDOK));
        closed = !dialog.ContinueModal();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ((std::vector<UINT>{IDD_FD_IMPORT, IDD_FD_IMPORT_SAVE}), m_ui.modalTemplates);
    EXPECT_EQ((std::vector<std::string>{u8"北町の家", u8"南町の家"}).size(), RegisterRows("obj/APP_BUKKEN.mdb").size());
}

TEST_F(FloppyImportDialogs, TheNameTakesNoFileNameSeparatorsAndAtMostSixtyBytes)
{
    AfxImmReset();
    OpenSave([&](ZnDlgAppFDImportSave& save) {
        ASSERT_TRUE(UserInput::ReplaceText(save, IDC_FS_EDIT_NAME, ""));
        m_ui.beeps.clear();
        ASSERT_TRUE(UserInput::Type(save, IDC_FS_EDIT_NAME, "a\\b/c:d,e;f*g?h\"i<j>k|l"));
        EXPECT_EQ("abcdefghijkl", Text(save, IDC_FS_EDIT_NAME));
        EXPECT_EQ(11u, m_ui.beeps.size());
        EXPECT_TRUE(ImmGetOpenStatus(ImmGetContext(save.m_hWnd)));
        CString thirtyOne;
        for (int i = 0; i < 31; ++i)
            thirtyOne += "漢";
        ASSERT_TRUE(UserInput::ReplaceText(save, IDC_FS_EDIT_NAME, thirtyOne));
        EXPECT_EQ(60u, cp932::FromUtf8(Text(save, IDC_FS_EDIT_NAME)).size());
    });
    AfxImmReset();
}

TEST_F(FloppyImportDialogs, TheDestinationChecksRefuseInTheirOrder)
{
    MakeFolders({u8"obj/昇降機の家"});
    OpenSave([&](ZnDlgAppFDImportSave& save) {
        // A chosen folder replaces the destination; a cancelled picker changes nothing.
        m_ui.AnswerFolder(std::nullopt);
        ASSERT_TRUE(UserInput::Click(save, IDC_FS_BTN_FOLDER));
        EXPECT_EQ(WindowsUtf8("obj"), Text(save, IDC_FS_EDIT_FOLDER));
        m_ui.AnswerFolder(Windows("dst"));
        ASSERT_TRUE(UserInput::Click(save, IDC_FS_BTN_FOLDER));
        EXPECT_EQ(WindowsUtf8("dst"), Text(save, IDC_FS_EDIT_FOLDER));

        save.SetDlgItemText(IDC_FS_EDIT_FOLDER, "");
        save.SetDlgItemText(IDC_FS_EDIT_NAME, "");
        EXPECT_EQ(u8"保存先を指定してください。", Refused(save));
        save.SetDlgItemText(IDC_FS_EDIT_FOLDER, Windows("obj"));
        EXPECT_EQ(u8"物件名を指定してください。", Refused(save));
        // Names that would name the destination itself or its parent.
        for (const char* name : {".", ".."}) {
            save.SetDlgItemText(IDC_FS_EDIT_NAME, name);
            EXPECT_EQ(u8"物件名に「.」や「..」は使えません。", Refused(save)) << name;
        }
        // A rejected character that came in past the typing filter.
        save.m_editName.GetImp()->m_strRejected = "";
        save.SetDlgItemText(IDC_FS_EDIT_NAME, "a?b");
        EXPECT_EQ(u8"物件名に \\ / : , ; * ? \" < > | は使えません。", Refused(save));
        save.SetDlgItemText(IDC_FS_EDIT_NAME, "昇降機の家");
        EXPECT_EQ(u8"指定の物件は保存先に存在しています。", Refused(save));
    });
    for (const MessageBoxRequest& box : m_ui.messageBoxes)
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), box.type);
    EXPECT_EQ(2u, RegisterRows("obj/APP_BUKKEN.mdb").size());
}

TEST_F(FloppyImportDialogs, ADriveRootIsReplacedByItsDocumentFolderOnceConfirmed)
{
    MakeFolders({"drive"});
    SetDriveFolder('D', m_folder.Path("drive"));
    // A drive whose folder is gone: nothing can be made there.
    SetDriveFolder('E', m_folder.Path("gone"));
    OpenSave([&](ZnDlgAppFDImportSave& save) {
        save.SetDlgItemText(IDC_FS_EDIT_FOLDER, "D:");
        m_ui.ScriptModal([](CDialog& confirm) { confirm.EndDialog(IDCANCEL); });
        EXPECT_TRUE(UserInput::Click(save, IDOK));
        EXPECT_TRUE(save.ContinueModal());
        EXPECT_FALSE(Exists("drive/App_Doc1"));

        save.SetDlgItemText(IDC_FS_EDIT_FOLDER, "E:\\");
        m_ui.ScriptModal([](CDialog& confirm) { confirm.EndDialog(IDOK); });
        EXPECT_EQ(u8"申請用ディレクトリの作成に失敗しました。", Refused(save));
        EXPECT_EQ("E:\\App_Doc1", Text(save, IDC_FS_EDIT_FOLDER));

        // Confirmed: the folder is made, then the property in it, with a register of its own.
        save.SetDlgItemText(IDC_FS_EDIT_FOLDER, "D:");
        m_ui.ScriptModal([](CDialog& confirm) { confirm.EndDialog(IDOK); });
        m_ui.AnswerMessageBox(IDOK);
        EXPECT_TRUE(UserInput::Click(save, IDOK));
        EXPECT_FALSE(save.ContinueModal());
    });
    EXPECT_EQ(u8"FDの内容は正常に保存されました。", MessageTexts().back());
    EXPECT_EQ((std::vector<std::string>{"APP_BUKKEN.mdb", u8"昇降機の家"}), Names("drive/App_Doc1"));
    EXPECT_EQ("D:\\App_Doc1", m_app.GetObjFolder());
    // An existing App_Doc1 is asked about with 5607, and used.
    CopyFloppy("equip_conf");
    OpenSave([&](ZnDlgAppFDImportSave& save) {
        save.SetDlgItemText(IDC_FS_EDIT_FOLDER, "D:\\");
        m_ui.ScriptModal([](CDialog& confirm) { confirm.EndDialog(IDOK); });
        m_ui.AnswerMessageBox(IDOK);
        EXPECT_TRUE(UserInput::Click(save, IDOK));
    });
    EXPECT_EQ((std::vector<UINT>{IDD_FD_IMPORT, IDD_FD_IMPORT_SAVE, IDD_ROOT_DIR_CONFIRM, IDD_ROOT_DIR_CONFIRM,
                                 IDD_ROOT_DIR_CONFIRM, IDD_FD_IMPORT, IDD_FD_IMPORT_SAVE, IDD_DOC_DIR_CONFIRM}),
              m_ui.modalTemplates);
    EXPECT_EQ((std::vector<std::string>{"APP_BUKKEN.mdb", u8"昇降機の家", u8"設備の家"}), Names("drive/App_Doc1"));
    SetDriveFolder('D', "");
    SetDriveFolder('E', "");
}
