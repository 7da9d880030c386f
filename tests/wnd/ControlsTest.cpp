#include "tests/wnd/WndTestSupport.h"

namespace {

// An index out of range clears the selection and fails; deleting before the selection moves it,
// deleting it clears it. (Filling from a recordset: the application's recordset tests.)
TEST(CComboBox, AWindowlessComboBoxKeepsItsSelectionThroughSearchesAndDeletions)
{
    CComboBox combo;
    for (const char* prefecture : {"", "東京都", "大阪府", "北海道"})
        combo.AddString(prefecture);
    EXPECT_EQ(2, combo.SelectString(-1, "大阪"));
    EXPECT_EQ(2, combo.GetCurSel());
    EXPECT_EQ(CString("大阪府"), TextOf(combo));
    EXPECT_EQ(CB_ERR, combo.SetCurSel(4));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(CB_ERR, combo.InsertString(9, "九"));
    EXPECT_EQ(CB_ERR, static_cast<int>(combo.SendMessage(CB_GETITEMDATA, 9, 0)));
    combo.SetCurSel(3);
    EXPECT_EQ(3, combo.DeleteString(1));
    EXPECT_EQ(2, combo.GetCurSel());
    EXPECT_EQ(2, combo.DeleteString(2));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ((std::vector<CString>{"", "大阪府"}), Items(combo));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

// Letters compare without case; a search wraps round; a drop-down list's text names an item.
TEST(CComboBox, ASortedComboBoxSortsAddedItemsButNotInsertedOnes)
{
    CComboBox combo;
    combo.ModifyStyle(0, CBS_SORT | CBS_DROPDOWNLIST);
    for (const char* item : {"beta", "Alpha", "gamma"})
        combo.AddString(item);
    combo.InsertString(-1, "aardvark");
    EXPECT_EQ((std::vector<CString>{"Alpha", "beta", "gamma", "aardvark"}), Items(combo));
    EXPECT_EQ(0, combo.FindStringExact(-1, "ALPHA"));
    EXPECT_EQ(3, combo.FindString(0, "a"));
    EXPECT_EQ(0, combo.FindString(3, "a"));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "alp"));
    combo.SetWindowText("GAMMA");
    EXPECT_EQ(2, combo.GetCurSel());
    combo.SetWindowText("delta");
    EXPECT_EQ(2, combo.GetCurSel());
}

// Columns, rows inserted at the top and a selected row are left to the application's register list.
TEST(CListCtrl, OutOfRangeRowsAndColumnsFailAndASingleSelectionListKeepsOneRowSelected)
{
    CListCtrl list;
    list.ModifyStyle(0, LVS_REPORT | LVS_SINGLESEL);
    list.InsertColumn(0, "物件名", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "作成日", LVCFMT_LEFT, 80);
    for (const char* name : {"三", "一", "二"})
        list.InsertItem(0, name);
    EXPECT_EQ(-1, list.InsertItem(-1, "x"));
    EXPECT_EQ(3, list.InsertItem(99, "末尾"));
    EXPECT_TRUE(list.SetItemText(2, 1, "2010/9/3"));
    EXPECT_FALSE(list.SetItemText(2, 2, "x"));
    EXPECT_FALSE(list.SetItemText(4, 0, "x"));
    EXPECT_EQ((std::vector<CString>{"三", "2010/9/3", "末尾", ""}),
              (std::vector<CString>{list.GetItemText(2, 0), list.GetItemText(2, 1), list.GetItemText(3, 0),
                                    list.GetItemText(4, 0)}));
    EXPECT_EQ(-1, list.GetNextItem(-1, LVNI_SELECTED));
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ(2, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(0u, list.GetItemState(1, LVIS_SELECTED));
}

// The third of three double-byte characters in five bytes is dropped whole; a paste is cut too.
TEST(CEdit, UserInputIsCutToTheLimitWithoutSplittingACharacterAndCanBeUndone)
{
    ScriptedUi ui;
    CFrameWnd* parent = NewFrame();
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(0, 0, 100, 20), parent, 500));
    edit.LimitText(5);
    ASSERT_TRUE(UserInput::Type(edit, "あいう"));
    EXPECT_EQ(CString("あい"), TextOf(edit));
    EXPECT_TRUE(edit.GetModify());
    edit.SetWindowText("123456");
    EXPECT_FALSE(edit.GetModify());

    std::vector<CString> texts;
    edit.SetSel(1, 3);
    edit.SendMessage(WM_COPY);
    texts.push_back(ui.GetClipboardText());
    edit.SendMessage(WM_CUT);
    texts.push_back(TextOf(edit));
    edit.SetSel(0, 0);
    edit.SendMessage(WM_PASTE); // one byte of room left takes "2" of "23"
    texts.push_back(TextOf(edit));
    edit.SendMessage(EM_UNDO);
    texts.push_back(TextOf(edit));
    ASSERT_TRUE(UserInput::Type(edit, "\r"));
    texts.push_back(TextOf(edit));
    EXPECT_EQ((std::vector<CString>{"23", "1456", "21456", "1456", "1456"}), texts);
    char buffer[8] = "xxxxxxx"; // a buffer of four takes three bytes and the end
    EXPECT_EQ(3, edit.GetWindowText(buffer, 4));
    EXPECT_EQ(std::string("145\0xxx", 7), std::string(buffer, 7));
    parent->DestroyWindow();
    EXPECT_EQ(nullptr, edit.m_hWnd);
}

// A disabled button cannot be clicked.
TEST(CButton, AnAutomaticRadioButtonUnchecksOnlyItsOwnGroup)
{
    CFrameWnd* parent = NewFrame();
    CButton buttons[4]; // a1 a2 | b1 b2
    for (int i = 0; i < 4; ++i)
        buttons[i].Create("", WS_VISIBLE | BS_AUTORADIOBUTTON | (i % 2 ? 0 : WS_GROUP), CRect(0, 0, 10, 10), parent,
                          i + 1);
    for (int i : {0, 3, 1})
        ASSERT_TRUE(UserInput::Click(buttons[i]));
    buttons[2].EnableWindow(FALSE);
    EXPECT_FALSE(UserInput::Click(buttons[2]));
    std::vector<int> checks;
    for (CButton& button : buttons)
        checks.push_back(button.GetCheck());
    EXPECT_EQ((std::vector<int>{BST_UNCHECKED, BST_CHECKED, BST_UNCHECKED, BST_CHECKED}), checks);
    EXPECT_EQ((std::vector<CButton*>{&buttons[2], &buttons[3]}), AfxRadioGroup(&buttons[3]));
    parent->DestroyWindow();
}

TEST(CListBox, SortedItemsAndSingleOrMultipleSelection)
{
    CListBox list, multiple;
    list.ModifyStyle(0, LBS_SORT);
    list.AddString("第二面：建築主");
    list.AddString("第一面：申請者");
    EXPECT_EQ(2, list.GetCount());
    CString first;
    list.GetText(0, first);
    EXPECT_EQ(CString("第一面：申請者"), first);
    EXPECT_EQ(1, list.SetCurSel(1));
    EXPECT_EQ(1, list.GetCurSel());
    EXPECT_EQ(LB_ERR, list.SetSel(0));
    multiple.ModifyStyle(0, LBS_MULTIPLESEL);
    for (const char* item : {"1", "2", "3"})
        multiple.AddString(item);
    multiple.SetSel(0);
    multiple.SetSel(2);
    EXPECT_EQ(2, multiple.GetSelCount());
    EXPECT_EQ(LB_ERR, multiple.GetCurSel());
    EXPECT_EQ(1, multiple.GetSel(2));
}

} // namespace
