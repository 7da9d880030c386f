// The floppy-contents dialog: its field reader, "読込" on folders written as application floppies
// and its failures in order, and "参照".
#include "tests/fdoutput/FdOutputTestSupport.h"

#include "fdoutput/ZnDlgAppFDContents.h"
#include "platform/core/WinError.h"
#include "platform/wnd/Afxwin.h"
#include "platform/wnd/UserInput.h"
#include "readers/ZnOldFloppyCount.h"
#include "res/FloppyOutputIds.h"

#include <deque>
#include <sys/stat.h>

using testsupport::TempFolder;
using testsupport::WriteFileBytes;

namespace {

const char kIndexLine[] = "#000,\"テスト物件\",\"20240315\",\"6.40\",\"1\",\"1\",\"100001\",\"0\"";

// The dialog with a lookup that answers from a script first and then looks at the real folder.
class ContentsDialog : public ZnDlgAppFDContents {
public:
    std::deque<DWORD> answers;
    int lookups = 0;

protected:
    DWORD LookForEntries(const CString& pattern) const override
    {
        auto* self = const_cast<ContentsDialog*>(this);
        ++self->lookups;
        if (answers.empty())
            return ZnDlgAppFDContents::LookForEntries(pattern);
        DWORD answer = answers.front();
        self->answers.pop_front();
        return answer;
    }
};

// What the edits show: 物件名, year, month, day, 書式種類.
struct Shown {
    CString name, year, month, day, kind;
    bool operator==(const Shown& other) const
    {
        return name == other.name && year == other.year && month == other.month && day == other.day &&
               kind == other.kind;
    }
};

void PrintTo(const Shown& shown, std::ostream* os)
{
    *os << fdtest::Utf8(shown.name) << " " << shown.year.Bytes() << "/" << shown.month.Bytes() << "/"
        << shown.day.Bytes() << " " << fdtest::Utf8(shown.kind);
}

CString TextOf(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

Shown ShownIn(CWnd& dialog)
{
    return {TextOf(dialog, IDC_FDC_EDIT_BUKKEN), TextOf(dialog, IDC_FDC_EDIT_YEAR), TextOf(dialog, IDC_FDC_EDIT_MONTH),
            TextOf(dialog, IDC_FDC_EDIT_DAY), TextOf(dialog, IDC_FDC_EDIT_SHOSHIKI)};
}

const Shown kTestProperty = {"テスト物件", "2024", "03", "15", "確認申請書_建築物_"};

// True when text stands in line from one character's start to another's (or the end).
bool IsWholeCharsOf(const CString& text, const CString& line)
{
    if (text.IsEmpty())
        return true;
    const std::string& bytes = line.Bytes();
    std::vector<size_t> starts;
    for (size_t i = 0; i < bytes.size(); i += cp932::CharLength(bytes.data(), i, bytes.size()))
        starts.push_back(i);
    starts.push_back(bytes.size());
    for (size_t start : starts) {
        size_t end = start + text.GetLength();
        if (bytes.compare(start, text.GetLength(), text.Bytes()) == 0 &&
            std::find(starts.begin(), starts.end(), end) != starts.end())
            return true;
    }
    return false;
}

class FDContents : public ::testing::Test {
protected:
    FDContents()
    {
        m_shell.outputFolder = Floppy();
        ::mkdir(m_folder.Path("fd").c_str(), 0755);
        ::mkdir(m_folder.Path("fd/Info").c_str(), 0755);
        WriteIndex(std::string(kIndexLine) + "\r\n#100,\"110\"\r\n");
    }

    CString Floppy() const { return CString(LinuxPathToWin(m_folder.Path("fd"))); }
    void WriteIndex(const std::string& bytes) const { WriteFileBytes(m_folder.Path("fd/Info/filename.iba"), bytes); }

    // Opens the dialog, runs script in it and closes it.
    void InDialog(std::function<void(ContentsDialog&)> script)
    {
        m_ui.ScriptModal([&](CDialog& dialog) {
            script(static_cast<ContentsDialog&>(dialog));
            dialog.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, m_dialog.DoModal());
    }
    // Clicks "読込"; each message box is answered with the next answer.
    void Read(ContentsDialog& dialog, std::initializer_list<int> answers = {})
    {
        for (int answer : answers)
            m_ui.AnswerMessageBox(answer);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_FDC_BTN_READ));
    }
    // The texts of the message boxes since the last call, each checked for the stop icon.
    std::vector<CString> TakeMessages(UINT buttons = MB_OK)
    {
        std::vector<CString> texts;
        for (const MessageBoxRequest& box : m_ui.messageBoxes) {
            EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), box.type & MB_ICONMASK);
            EXPECT_EQ(buttons, box.type & MB_TYPEMASK);
            texts.push_back(box.text);
        }
        m_ui.messageBoxes.clear();
        return texts;
    }

    TempFolder m_folder;
    fdtest::NamesShell m_shell;
    ScriptedUi m_ui;
    ContentsDialog m_dialog;
};

} // namespace

TEST(FDContentsIndexField, ReadsQuotedFieldsAndGivesAMissingFieldEmpty)
{
    const CString seven = "\"テスト物件\",\"20240315\",\"6.40\",\"1\",\"1\",\"100001\",\"末尾\"";
    EXPECT_EQ(CString("テスト物件"), ZnDlgAppFDContents::GetIndexField(0, seven));
    EXPECT_EQ(CString("20240315"), ZnDlgAppFDContents::GetIndexField(1, seven));
    EXPECT_EQ(CString("6.40"), ZnDlgAppFDContents::GetIndexField(2, seven));
    EXPECT_EQ(CString("100001"), ZnDlgAppFDContents::GetIndexField(5, seven));
    EXPECT_EQ(CString("末尾"), ZnDlgAppFDContents::GetIndexField(6, seven));
    EXPECT_EQ(CString(""), ZnDlgAppFDContents::GetIndexField(7, seven));

    // The last field is field 5, with or without its closing quote.
    const CString six = "\"a\",\"b\",\"c\",\"d\",\"e\",\"100002\"";
    EXPECT_EQ(CString("100002"), ZnDlgAppFDContents::GetIndexField(5, six));
    EXPECT_EQ(CString("100002"), ZnDlgAppFDContents::GetIndexField(5, "\"a\",\"b\",\"c\",\"d\",\"e\",\"100002"));
    EXPECT_EQ(CString(""), ZnDlgAppFDContents::GetIndexField(6, six));

    // Three fields: field 5 is missing, so empty, not the third field.
    const CString three = "\"名前\",\"20240315\",\"c\"";
    EXPECT_EQ(CString("c"), ZnDlgAppFDContents::GetIndexField(2, three));
    EXPECT_EQ(CString(""), ZnDlgAppFDContents::GetIndexField(5, three));
    EXPECT_EQ(CString(""), ZnDlgAppFDContents::GetIndexField(1, "\"名前\",\"\",\"c\""));
    EXPECT_EQ(CString(""), ZnDlgAppFDContents::GetIndexField(0, ""));

    // Trail bytes 5C (表, ソ, 申) and 7C (ポ 83 7C) are no quote, comma or separator.
    const CString names = "\"表ソ申\",\"\x83\x7C\x83\x5C\",\"x\"";
    EXPECT_EQ(CString("表ソ申"), ZnDlgAppFDContents::GetIndexField(0, names));
    EXPECT_EQ(CString("\x83\x7C\x83\x5C"), ZnDlgAppFDContents::GetIndexField(1, names));

    // Unquoted and short texts.
    EXPECT_EQ(CString("abc,def"), ZnDlgAppFDContents::GetIndexField(0, "abc,def"));
    EXPECT_EQ(CString(""), ZnDlgAppFDContents::GetIndexField(0, "\""));
    EXPECT_EQ(CString(""), ZnDlgAppFDContents::GetIndexField(0, "\",\"x\""));
    EXPECT_EQ(CString("x"), ZnDlgAppFDContents::GetIndexField(1, "\",\"x\""));
}

TEST_F(FDContents, ReadsTheIndexOfAFolderWrittenAsAnApplicationFloppy)
{
    InDialog([&](ContentsDialog& dialog) {
        EXPECT_EQ(Floppy(), TextOf(dialog, IDC_FDC_EDIT_DRIVE));
        Read(dialog);
        EXPECT_EQ(kTestProperty, ShownIn(dialog));
        EXPECT_TRUE(m_ui.messageBoxes.empty());
    });

    // In mode 32787 the code's title is the notification's; an empty date leaves the date edits.
    m_shell.docMode = 32787;
    WriteIndex("#000,\"名前\",\"\",\"6.40\",\"1\",\"1\",\"100301\"\r\n");
    InDialog([&](ContentsDialog& dialog) {
        Read(dialog);
        EXPECT_EQ((Shown{"名前", "", "", "", "計画変更通知書_建築物_"}), ShownIn(dialog));
        m_shell.docMode = 32786;
        WriteIndex(kIndexLine);
        Read(dialog);
        WriteIndex("#000,\"名前\",\"\",\"6.40\",\"1\",\"1\",\"100301\"\r\n");
        Read(dialog);
        EXPECT_EQ((Shown{"名前", "2024", "03", "15", "計画変更確認申請書_建築物_"}), ShownIn(dialog));
    });
}

TEST_F(FDContents, ADamagedLineNeverCutsADoubleByteCharacter)
{
    // A head with a double-byte character loses five characters; a date of other characters is
    // cut by characters.
    WriteIndex("#00表,\"名前\",\"a２０２４０３１５\"\r\n");
    InDialog([&](ContentsDialog& dialog) {
        Read(dialog);
        EXPECT_EQ((Shown{"名前", "a２０２", "４０", "１５", ""}), ShownIn(dialog));
    });

    const std::string good = std::string(kIndexLine) + "\"表ソ\x83\x7C\"";
    RecordingUi recording; // answers whatever is told (such as an empty file) with OK
    int shown = 0;
    testsupport::ForEachDamagedCopy(good, 200, [&](const std::string& bytes) {
        WriteIndex(bytes);
        recording.ScriptModal([&](CDialog& dialog) {
            UserInput::Click(dialog, IDC_FDC_BTN_READ);
            CString line(bytes.substr(0, bytes.find('\n')));
            Shown edits = ShownIn(dialog);
            for (const CString& text : {edits.name, edits.year, edits.month, edits.day})
                EXPECT_TRUE(IsWholeCharsOf(text, line)) << testsupport::Hex(bytes);
            shown += !edits.name.IsEmpty();
            dialog.EndDialog(IDCANCEL);
        });
        m_dialog.DoModal();
    });
    EXPECT_GT(shown, 100);
}

TEST_F(FDContents, TheDrivesAnswersAreToldAndNotReadyIsRetriedUntilReadOrCancelled)
{
    InDialog([&](ContentsDialog& dialog) {
        Read(dialog);
        ASSERT_EQ(kTestProperty, ShownIn(dialog));
        WriteIndex("#000,\"別の物件\",\"20250101\",\"6.40\",\"1\",\"1\",\"100002\"\r\n");

        // 2 (an empty floppy root), 1785 and any other code end the action at once.
        const std::pair<DWORD, const char*> ends[] = {
            {ERROR_FILE_NOT_FOUND, "ファイルが存在しません。FDをチェックしてください。"},
            {ERROR_UNRECOGNIZED_MEDIA, "フロッピーがフォーマットされていません。"},
            {ERROR_ACCESS_DENIED, "フロッピーのアクセスに失敗しました。FDをチェックしてください。"},
        };
        for (auto [code, text] : ends) {
            SCOPED_TRACE(code);
            dialog.answers = {code};
            dialog.lookups = 0;
            Read(dialog, {IDOK});
            EXPECT_EQ(std::vector<CString>{text}, TakeMessages());
            EXPECT_EQ(1, dialog.lookups);
            EXPECT_EQ(kTestProperty, ShownIn(dialog));
        }

        // 21: Retry looks again, Cancel ends.
        dialog.answers = {ERROR_NOT_READY, ERROR_NOT_READY};
        dialog.lookups = 0;
        Read(dialog, {IDRETRY, IDCANCEL});
        EXPECT_EQ(std::vector<CString>(2, "フロッピーが準備できていません。"), TakeMessages(MB_RETRYCANCEL));
        EXPECT_EQ(2, dialog.lookups);
        EXPECT_EQ(kTestProperty, ShownIn(dialog));

        // Retry until the folder can be read, and the index is read.
        dialog.answers = {ERROR_NOT_READY, ERROR_NOT_READY};
        Read(dialog, {IDRETRY, IDRETRY});
        EXPECT_EQ(std::vector<CString>(2, "フロッピーが準備できていません。"), TakeMessages(MB_RETRYCANCEL));
        EXPECT_EQ((Shown{"別の物件", "2025", "01", "01", "確認申請書_昇降機_"}), ShownIn(dialog));
    });
}

TEST_F(FDContents, EachFailureOfAFolderIsToldInOrderAndTheEditsKeepWhatTheyHeld)
{
    const std::string iba = m_folder.Path("fd/Info/filename.iba");
    struct Case {
        const char* what;
        std::function<void()> damage;
        const char* text;
    };
    const Case cases[] = {
        {"missing folder", [&] { ::rename(m_folder.Path("fd").c_str(), m_folder.Path("gone").c_str()); },
         "フロッピーのアクセスに失敗しました。FDをチェックしてください。"},
        {"no Info",
         [&] {
             ::rename(m_folder.Path("gone").c_str(), m_folder.Path("fd").c_str());
             ::rename(m_folder.Path("fd/Info").c_str(), m_folder.Path("fd/Other").c_str());
         },
         "申請FDではありません。FDをチェックしてください。"},
        {"no filename.iba",
         [&] {
             ::rename(m_folder.Path("fd/Other").c_str(), m_folder.Path("fd/Info").c_str());
             ::unlink(iba.c_str());
         },
         "フロッピーにファイル情報ファイル（filename.iba)がありません。"},
        {"cannot be opened", [&] { ::mkdir(iba.c_str(), 0755); },
         "フロッピーのファイル情報ファイル（filename.iba)のオープンに失敗しました。"},
        {"no first line",
         [&] {
             ::rmdir(iba.c_str());
             WriteIndex("");
         },
         "フロッピーのファイル情報ファイル（filename.iba)のデータが不正です。"},
        // pagemap refuses a read whose length is no multiple of 8 bytes, as the read of a floppy's
        // file (a floppy and one byte) is: a read error.
        {"read error of a linked special file",
         [&] { ::unlink(iba.c_str()), ::symlink("/proc/self/pagemap", iba.c_str()); },
         "フロッピーのファイル情報ファイル（filename.iba)のデータが不正です。"},
        {"longer than a floppy",
         [&] {
             ::unlink(iba.c_str());
             WriteIndex(kIndexLine + std::string("\r\n") + std::string(ZnOldFloppyCount::floppyBytes, 'x'));
         },
         "フロッピーのファイル情報ファイル（filename.iba)のデータが不正です。"},
    };
    InDialog([&](ContentsDialog& dialog) {
        Read(dialog);
        ASSERT_EQ(kTestProperty, ShownIn(dialog));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            c.damage();
            Read(dialog, {IDOK});
            EXPECT_EQ(std::vector<CString>{c.text}, TakeMessages());
            EXPECT_EQ(kTestProperty, ShownIn(dialog));
        }
    });
}

TEST_F(FDContents, BrowsePutsTheChosenFolderIntoTheEditAndTheOutputFolder)
{
    m_shell.outputFolder = "A:";
    InDialog([&](ContentsDialog& dialog) {
        EXPECT_EQ(CString("A:"), TextOf(dialog, IDC_FDC_EDIT_DRIVE));
        m_ui.AnswerFolder(std::nullopt);
        ASSERT_TRUE(UserInput::Click(dialog, IDC_FDC_BTN_BROWSE));
        EXPECT_EQ(CString("A:"), TextOf(dialog, IDC_FDC_EDIT_DRIVE));
        EXPECT_EQ(CString("A:"), m_shell.outputFolder);

        m_ui.AnswerFolder(Floppy());
        ASSERT_TRUE(UserInput::Click(dialog, IDC_FDC_BTN_BROWSE));
        EXPECT_EQ(Floppy(), TextOf(dialog, IDC_FDC_EDIT_DRIVE));
        EXPECT_EQ(Floppy(), m_shell.outputFolder);
        Read(dialog);
        EXPECT_EQ(kTestProperty, ShownIn(dialog));
    });
    EXPECT_EQ(2u, m_ui.folderRequests.size());
}
