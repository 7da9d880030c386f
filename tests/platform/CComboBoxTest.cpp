#include "platform/CComboBox.h"

#include "tests/support/TestSupport.h"

namespace {

// Each item as "text=data", and the selection last.
std::string Contents(const CComboBox& combo)
{
    std::string contents;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        contents += text.Bytes() + "=" + std::to_string(combo.GetItemData(i)) + " ";
    }
    return contents + "sel " + std::to_string(combo.GetCurSel());
}

} // namespace

TEST(CComboBox, KeepsItemsInTheirOrderWithTheirData)
{
    CComboBox combo;
    EXPECT_EQ("sel -1", Contents(combo));
    EXPECT_EQ(0, combo.AddString("b"));
    EXPECT_EQ(1, combo.InsertString(-1, "a"));
    EXPECT_EQ(0, combo.InsertString(0, "c"));
    EXPECT_EQ(3, combo.InsertString(3, "d"));
    EXPECT_EQ(CB_ERR, combo.InsertString(5, "e"));
    EXPECT_EQ(0, combo.SetItemData(1, 13));
    EXPECT_EQ(CB_ERR, combo.SetItemData(4, 1));
    EXPECT_EQ(2, combo.SetCurSel(2));
    EXPECT_EQ("c=0 b=13 a=0 d=0 sel 2", Contents(combo));

    CString text = "kept";
    combo.GetLBText(4, text);
    combo.GetLBText(-1, text);
    EXPECT_EQ("kept", text);
    EXPECT_EQ(static_cast<DWORD_PTR>(CB_ERR), combo.GetItemData(4));
    EXPECT_EQ(CB_ERR, combo.SetCurSel(4));
    EXPECT_EQ(CB_ERR, combo.GetCurSel());

    combo.SetCurSel(0);
    combo.ResetContent();
    EXPECT_EQ("sel -1", Contents(combo));
}
