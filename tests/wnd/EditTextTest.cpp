#include "tests/support/TabbedCases.h"
#include "tests/wnd/WndTestSupport.h"

namespace {

constexpr int kEditId = 500;
constexpr int kComboId = 501;

std::string seen; // what the edit and its parent saw, in order, joined by "|"

void Note(const std::string& what) { seen += (seen.empty() ? "" : "|") + what; }

// Notes the notifications of its edit and combo box.
class EditHost : public CFrameWnd {
protected:
    afx_msg void OnChange() { Note("change"); }
    afx_msg void OnMaxText() { Note("max text"); }
    afx_msg void OnComboEdit() { Note("combo edit"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EditHost, CFrameWnd)
ON_EN_CHANGE(kEditId, OnChange)
ON_EN_MAXTEXT(kEditId, OnMaxText)
ON_CBN_EDITCHANGE(kComboId, OnComboEdit)
END_MESSAGE_MAP()

// Notes the characters it is sent and the selection each of them replaces.
class RecordingEdit : public CEdit {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHAR) {
            char note[40];
            snprintf(note, sizeof note, "char %X at %d-%d", static_cast<unsigned>(wParam), LOWORD(GetSel()),
                     HIWORD(GetSel()));
            Note(note);
        }
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

class EditText : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host->Create(nullptr, "host"));
        ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(0, 0, 100, 20), host, kEditId));
    }
    void TearDown() override { host->DestroyWindow(); }
    // Starts from a text that a program set, with nothing seen yet.
    void Start(LPCTSTR text)
    {
        edit.SetWindowText(text);
        seen.clear();
    }

    ScriptedUi ui;
    EditHost* host = new EditHost;
    RecordingEdit edit;
};

// The cases of tests/data/wnd/typed_characters.tsv.
TEST_F(EditText, ATypedCharacterReplacesTheWholeCharactersThatChanged)
{
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("wnd/typed_characters.tsv")) {
        Start(c[0]);
        ASSERT_TRUE(UserInput::EditText(edit, c[1]));
        EXPECT_EQ(c[1], TextOf(edit));
        EXPECT_EQ(c[2].Bytes(), seen) << c[1];
    }
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(4, 4)), edit.GetSel()); // after 川
}

TEST_F(EditText, APasteOrAnInputMethodsResultArrivesAtOnceAndIsCutToTheLimit)
{
    Start("");
    edit.LimitText(6);
    ASSERT_TRUE(UserInput::EditText(edit, "山田太郎"));
    EXPECT_EQ(CString("山田太"), TextOf(edit));
    EXPECT_EQ("max text|change", seen);
    EXPECT_TRUE(edit.CanUndo());
}

TEST_F(EditText, EnterInAMultiLineEditIsOneLineEndAndAReadOnlyEditRefuses)
{
    CEdit lines;
    ASSERT_TRUE(lines.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, CRect(0, 0, 100, 60), host, kEditId + 1));
    lines.SetWindowText("a");
    ASSERT_TRUE(UserInput::EditText(lines, "a\r\n"));
    EXPECT_EQ(CString("a\r\n"), TextOf(lines));

    Start("abc");
    edit.SetReadOnly(TRUE);
    ASSERT_TRUE(UserInput::EditText(edit, "abcd"));
    EXPECT_EQ(CString("abc"), TextOf(edit));
    EXPECT_EQ(std::vector<UINT>{0}, ui.beeps);
    EXPECT_EQ("char 64 at 3-3", seen); // refused with no change
}

// A drop-down list has no field to type into.
TEST_F(EditText, TypingIntoAComboBoxFieldSetsItsTextAndTellsTheParent)
{
    CComboBox field, list;
    ASSERT_TRUE(field.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 100, 80), host, kComboId));
    ASSERT_TRUE(list.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 80), host, kComboId + 1));
    seen.clear();
    ASSERT_TRUE(UserInput::EditComboText(field, "東京都"));
    EXPECT_EQ(CString("東京都"), TextOf(field));
    EXPECT_FALSE(UserInput::EditComboText(list, "東京都"));
    EXPECT_EQ("combo edit", seen);
}

} // namespace
