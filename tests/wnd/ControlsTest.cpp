#include "tests/wnd/WndTestSupport.h"

namespace {

// The texts of the combo box's items, in order.
std::vector<CString> Items(const CComboBox& combo)
{
    std::vector<CString> texts(combo.GetCount());
    for (int i = 0; i < combo.GetCount(); ++i)
        combo.GetLBText(i, texts[i]);
    return texts;
}

TEST(CComboBox, AWindowlessComboBoxKeepsItemsDataAndSelectionThroughMessagesAndMembers)
{
    // What a recordset does to the combo box it is handed: reset, an empty item, then rows.
    CComboBox combo;
    combo.SendMessage(CB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, combo.SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("")));
    for (const char* prefecture : {"東京都", "大阪府", "北海道"}) {
        int index = static_cast<int>(
            combo.SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefecture)));
        combo.SendMessage(CB_SETITEMDATA, index, 10 + index);
    }
    EXPECT_EQ((std::vector<CString>{"", "東京都", "大阪府", "北海道"}), Items(combo));
    EXPECT_EQ(13u, combo.GetItemData(3));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());

    EXPECT_EQ(2, combo.SelectString(-1, "大阪"));
    EXPECT_EQ(2, combo.GetCurSel());
    EXPECT_EQ(CString("大阪府"), TextOf(combo));

    // An index out of range clears the selection and fails.
    EXPECT_EQ(CB_ERR, combo.SetCurSel(4));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(CB_ERR, combo.InsertString(9, "九"));
    EXPECT_EQ(CB_ERR, static_cast<int>(combo.SendMessage(CB_GETITEMDATA, 9, 0)));

    // Deleting before the selection moves it; deleting it clears it.
    combo.SetCurSel(3);
    EXPECT_EQ(3, combo.DeleteString(1));
    EXPECT_EQ(2, combo.GetCurSel());
    EXPECT_EQ(2, combo.DeleteString(2));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

TEST(CComboBox, ASortedComboBoxSortsAddedItemsButNotInsertedOnes)
{
    CComboBox combo;
    combo.ModifyStyle(0, CBS_SORT | CBS_DROPDOWNLIST);
    combo.AddString("beta");
    combo.AddString("Alpha");
    combo.AddString("gamma");
    combo.InsertString(-1, "aardvark");
    EXPECT_EQ((std::vector<CString>{"Alpha", "beta", "gamma", "aardvark"}), Items(combo));
    // Letters compare without case; the search wraps round after the start.
    EXPECT_EQ(0, combo.FindStringExact(-1, "ALPHA"));
    EXPECT_EQ(3, combo.FindString(0, "a"));
    EXPECT_EQ(0, combo.FindString(3, "a"));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "alp"));
    // A drop-down list's text names one of its items.
    combo.SetWindowText("GAMMA");
    EXPECT_EQ(2, combo.GetCurSel());
    combo.SetWindowText("delta");
    EXPECT_EQ(2, combo.GetCurSel());
}

TEST(CListCtrl, RowsInsertedAtTheTopComeOutInReverseAndOneRowIsSelected)
{
    CListCtrl list;
    list.ModifyStyle(0, LVS_REPORT | LVS_SINGLESEL);
    EXPECT_EQ(0, list.InsertColumn(0, "物件名", LVCFMT_LEFT, 100));
    EXPECT_EQ(1, list.InsertColumn(1, "作成日", LVCFMT_LEFT, 80));
    for (const char* name : {"三", "一", "二"}) {
        int row = list.InsertItem(0, name);
        EXPECT_EQ(0, row);
        list.SetItemData(row, static_cast<DWORD_PTR>(name[0]));
    }
    ASSERT_EQ(3, list.GetItemCount());
    EXPECT_EQ(CString("二"), list.GetItemText(0, 0));
    EXPECT_EQ(CString("三"), list.GetItemText(2, 0));
    EXPECT_TRUE(list.SetItemText(2, 1, "2010/9/3"));
    EXPECT_FALSE(list.SetItemText(2, 2, "x"));
    EXPECT_FALSE(list.SetItemText(3, 0, "x"));
    EXPECT_EQ(CString("2010/9/3"), list.GetItemText(2, 1));
    EXPECT_EQ(CString(), list.GetItemText(5, 0));
    EXPECT_EQ(-1, list.InsertItem(-1, "x"));
    EXPECT_EQ(3, list.InsertItem(99, "末尾"));

    EXPECT_EQ(-1, list.GetNextItem(-1, LVNI_SELECTED));
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ(2, list.GetNextItem(-1, LVNI_SELECTED));
    EXPECT_EQ(0u, list.GetItemState(1, LVIS_SELECTED));
    list.DeleteAllItems();
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(80, list.GetColumnWidth(1));
}

TEST(CEdit, UserInputIsCutToTheLimitWithoutSplittingACharacterAndCanBeUndone)
{
    ScriptedUi ui;
    CFrameWnd* parent = NewFrame();
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_BORDER, CRect(0, 0, 100, 20), parent, 500));
    edit.LimitText(5);
    // Three double-byte characters do not fit in five bytes: the third is dropped whole.
    ASSERT_TRUE(UserInput::Type(edit, "あいう"));
    EXPECT_EQ(CString("あい"), TextOf(edit));
    EXPECT_TRUE(edit.GetModify());
    // Programs are not limited.
    edit.SetWindowText("123456");
    EXPECT_FALSE(edit.GetModify());

    // The edit commands: copy, cut, paste, undo.
    edit.SetSel(1, 3);
    edit.SendMessage(WM_COPY);
    EXPECT_EQ(CString("23"), ui.GetClipboardText());
    edit.SendMessage(WM_CUT);
    EXPECT_EQ(CString("1456"), TextOf(edit));
    // A paste is the user's input too: one byte of room left takes "2" of "23".
    edit.SetSel(0, 0);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(CString("21456"), TextOf(edit));
    edit.SendMessage(EM_UNDO);
    EXPECT_EQ(CString("1456"), TextOf(edit));

    // A read-only edit refuses input with a beep; Enter is ignored by a single-line edit.
    edit.SetReadOnly(TRUE);
    ASSERT_TRUE(UserInput::Type(edit, "x"));
    edit.SetReadOnly(FALSE);
    ASSERT_TRUE(UserInput::Type(edit, "\r"));
    EXPECT_EQ(CString("1456"), TextOf(edit));
    EXPECT_EQ(std::vector<UINT>{0}, ui.beeps);
    char buffer[8] = "xxxxxxx"; // a buffer of four takes three bytes and the end
    EXPECT_EQ(3, edit.GetWindowText(buffer, 4));
    EXPECT_EQ(std::string("145\0xxx", 7), std::string(buffer, 7));
    parent->DestroyWindow();
    EXPECT_EQ(nullptr, edit.m_hWnd);
}

TEST(CButton, AnAutomaticRadioButtonUnchecksOnlyItsOwnGroup)
{
    CFrameWnd* parent = NewFrame();
    CButton a1, a2, b1, b2;
    CRect rect(0, 0, 10, 10);
    a1.Create("a1", WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, rect, parent, 1);
    a2.Create("a2", WS_VISIBLE | BS_AUTORADIOBUTTON, rect, parent, 2);
    b1.Create("b1", WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, rect, parent, 3);
    b2.Create("b2", WS_VISIBLE | BS_AUTORADIOBUTTON, rect, parent, 4);
    ASSERT_TRUE(UserInput::Click(a1));
    ASSERT_TRUE(UserInput::Click(b2));
    ASSERT_TRUE(UserInput::Click(a2));
    EXPECT_EQ(BST_UNCHECKED, a1.GetCheck());
    EXPECT_EQ(BST_CHECKED, a2.GetCheck());
    EXPECT_EQ(BST_CHECKED, b2.GetCheck());
    EXPECT_EQ((std::vector<CButton*>{&b1, &b2}), AfxRadioGroup(&b2));
    // A disabled button cannot be clicked.
    b1.EnableWindow(FALSE);
    EXPECT_FALSE(UserInput::Click(b1));
    EXPECT_EQ(BST_UNCHECKED, b1.GetCheck());
    parent->DestroyWindow();
}

TEST(CListBox, SortedItemsAndSingleOrMultipleSelection)
{
    CListBox list;
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

    CListBox multiple;
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
