#include "tests/wnd/WndTestSupport.h"

namespace {

constexpr int kEditId = 500;
constexpr int kComboId = 501;

// Counts the notifications of its edit.
class EditHost : public CFrameWnd {
public:
    int changes = 0;
    int maxTexts = 0;
    int comboEdits = 0;

protected:
    afx_msg void OnChange() { ++changes; }
    afx_msg void OnMaxText() { ++maxTexts; }
    afx_msg void OnComboEdit() { ++comboEdits; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EditHost, CFrameWnd)
ON_EN_CHANGE(kEditId, OnChange)
ON_EN_MAXTEXT(kEditId, OnMaxText)
ON_CBN_EDITCHANGE(kComboId, OnComboEdit)
END_MESSAGE_MAP()

// Records the characters it is sent and the selection each of them replaces.
class RecordingEdit : public CEdit {
public:
    std::vector<UINT> characters;
    std::vector<DWORD> selections;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHAR) {
            characters.push_back(static_cast<UINT>(wParam));
            selections.push_back(GetSel());
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
    // Starts from a text that a program set, with nothing counted yet.
    void Start(LPCTSTR text)
    {
        edit.SetWindowText(text);
        host->changes = host->maxTexts = 0;
        edit.characters.clear();
        edit.selections.clear();
    }

    ScriptedUi ui;
    EditHost* host = new EditHost;
    RecordingEdit edit;
};

// One character typed or deleted: the whole characters that changed are selected and replaced.
TEST_F(EditText, ATypedCharacterReplacesTheWholeCharactersThatChanged)
{
    struct Case {
        const char* before;
        const char* after;
        UINT character;
        DWORD selection;
    };
    const Case cases[] = {
        // あ (82 A0) becomes い (82 A2): the same lead byte, and still the whole character is
        // replaced, never the trail byte alone as a half-width kana.
        {"あ", "い", 0x82A2, MAKELONG(0, 2)},
        {"表示", "ソ示", 0x835C, MAKELONG(0, 2)}, // 表 (95 5C) to ソ (83 5C): a trail byte in common is no character
        {"山川田", "山田", '\b', MAKELONG(2, 4)}, // 川 selected and erased with Backspace
        {"山田", "山川田", 0x90EC, MAKELONG(2, 2)}, // 川 typed between 山 and 田
    };
    for (const Case& c : cases) {
        Start(c.before);
        ASSERT_TRUE(UserInput::EditText(edit, c.after));
        EXPECT_EQ(CString(c.after), TextOf(edit));
        EXPECT_EQ(std::vector<UINT>{c.character}, edit.characters) << c.after;
        EXPECT_EQ(std::vector<DWORD>{c.selection}, edit.selections) << c.after;
        EXPECT_EQ(1, host->changes);
    }
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(4, 4)), edit.GetSel()); // after 川
}

TEST_F(EditText, APasteOrAnInputMethodsResultArrivesAtOnceAndIsCutToTheLimit)
{
    Start("");
    edit.LimitText(6);
    ASSERT_TRUE(UserInput::EditText(edit, "山田太郎"));
    EXPECT_EQ(CString("山田太"), TextOf(edit));
    EXPECT_TRUE(edit.characters.empty());
    EXPECT_EQ(1, host->changes);
    EXPECT_EQ(1, host->maxTexts);
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
    EXPECT_EQ(0, host->changes);
}

TEST_F(EditText, TypingIntoAComboBoxFieldSetsItsTextAndTellsTheParent)
{
    CComboBox field;
    ASSERT_TRUE(field.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 100, 80), host, kComboId));
    ASSERT_TRUE(UserInput::EditComboText(field, "東京都"));
    EXPECT_EQ(CString("東京都"), TextOf(field));
    EXPECT_EQ(1, host->comboEdits);

    // A drop-down list has no field to type into.
    CComboBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 80), host, kComboId + 1));
    EXPECT_FALSE(UserInput::EditComboText(list, "東京都"));
}

} // namespace
