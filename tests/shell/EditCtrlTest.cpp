#include "tests/support/ScriptedUi.h"
#include "tests/support/TabbedCases.h"

#include "platform/wnd/Imm.h"
#include "platform/wnd/UserInput.h"
#include "readers/VhString.h"
#include "shell/VhEditIntImp.h"
#include "shell/VhEditSetupList.h"
#include "shell/ZnEditCtrl.h"

#include <cstdlib>

namespace {

constexpr int kEditId = 600;
constexpr int kComboId = 601;
constexpr int kReadingId = 602;

CString TextOf(const CWnd& window)
{
    CString text;
    window.GetWindowText(text);
    return text;
}

// Keeps where each popup menu was shown and the items of the popup.
class MenuUi : public ScriptedUi {
public:
    struct Shown {
        int x, y;
        std::vector<CString> items;
        UINT flags;
    };
    std::vector<Shown> shown;

    UINT TrackPopupMenu(CMenu& menu, UINT flags, int x, int y, CWnd&) override
    {
        Shown s{x, y, {}, flags};
        for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
            CString text;
            menu.GetMenuString(i, text, MF_BYPOSITION);
            s.items.push_back(text);
        }
        shown.push_back(s);
        return 0;
    }
};

// A combo box whose edit field is served by an implementation object, as a dialog wires it.
class FilteredCombo : public CComboBox {
public:
    VhEditCtrlImp imp{this};

protected:
    afx_msg void OnEditUpdate() { imp.OnUpdate(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FilteredCombo, CComboBox)
ON_CONTROL_REFLECT(CBN_EDITUPDATE, OnEditUpdate)
END_MESSAGE_MAP()

// Counts the context menus that reach it by the default processing of a child.
class Host : public CFrameWnd {
public:
    int contextMenus = 0;

protected:
    afx_msg void OnContextMenu(CWnd*, CPoint) { ++contextMenus; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Host, CFrameWnd)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

class EditCtrl : public testing::Test {
protected:
    void SetUp() override
    {
        AfxImmReset();
        ASSERT_TRUE(host->Create(nullptr, "host"));
        host->ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        host->DestroyWindow();
        AfxImmReset();
    }
    void CreateEdit(CEdit& edit, int id = kEditId, DWORD style = 0)
    {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | style, CRect(0, 0, 100, 20), host, id));
    }
    HIMC Context() const { return ImmGetContext(host->m_hWnd); }
    DWORD Conversion() const
    {
        DWORD conversion = 0, sentence = 0;
        ImmGetConversionStatus(Context(), &conversion, &sentence);
        return conversion;
    }

    MenuUi ui;
    Host* host = new Host;
};

} // namespace

TEST(EditFilter, KeepsWhatTheSetsAndTheMaskAllow)
{
    VhEditCtrlImp imp(nullptr);
    for (const auto& c : testsupport::ReadTabbedCases("shell/edit_filter.txt")) {
        imp.m_nCharMask = static_cast<int>(strtol(c.at(1), nullptr, 16));
        imp.m_strAccepted = c.at(2);
        imp.m_strRejected = c.at(3);
        CString text = c.at(0);
        EXPECT_EQ(atoi(c.at(5)), imp.Filter(text)) << c.at(0) << " " << c.at(1);
        EXPECT_EQ(c.at(4), text) << c.at(0) << " " << c.at(1);
    }
    // A lead byte at the very end goes; one before a byte that cannot follow it is a character
    // of its own, which only the high byte or the full low byte keeps.
    imp.m_strAccepted = imp.m_strRejected = "";
    imp.m_nCharMask = 0xFFFF;
    CString cut = "ab\x82";
    EXPECT_EQ(1, imp.Filter(cut));
    EXPECT_EQ("ab", cut);
    imp.m_nCharMask = 0x0001;
    CString lone = "1\x82"
                   "2";
    EXPECT_EQ(1, imp.Filter(lone));
    EXPECT_EQ("12", lone);
    // Without a window the line ends stay.
    imp.m_nCharMask = 0xFFFF;
    CString lines = "a\r\nb";
    EXPECT_EQ(0, imp.Filter(lines));
}

TEST_F(EditCtrl, LineEndsGoFromASingleLineControlOnly)
{
    VhEditCtrl single, multi;
    CreateEdit(single);
    CreateEdit(multi, kEditId + 1, ES_MULTILINE | ES_WANTRETURN);
    CString text = "a\r\nb\r\n";
    EXPECT_EQ(1, single.GetImp()->Filter(text));
    EXPECT_EQ("ab", text);
    text = "a\r\nb\r\n";
    EXPECT_EQ(0, multi.GetImp()->Filter(text));
    EXPECT_EQ("a\r\nb\r\n", text);
}

TEST_F(EditCtrl, AFilteredChangeBeepsOnceAndPutsTheCaretAtTheEnd)
{
    ZnEditCtrl edit;
    CreateEdit(edit);
    edit.GetImp()->m_strRejected = "\\/:,;*?\"<>|";
    ASSERT_TRUE(UserInput::Type(edit, "ab|c"));
    EXPECT_EQ("abc", TextOf(edit));
    EXPECT_EQ(std::vector<UINT>{0}, ui.beeps);
    EXPECT_EQ(MAKELONG(3, 3), edit.GetSel());

    // A paste goes in at once: one beep for all it loses.
    ui.beeps.clear();
    ASSERT_TRUE(UserInput::EditText(edit, "abc<表>:d"));
    EXPECT_EQ("abc表d", TextOf(edit));
    EXPECT_EQ(1u, ui.beeps.size());
    EXPECT_EQ(MAKELONG(6, 6), edit.GetSel());

    // What passes changes nothing and does not beep.
    ui.beeps.clear();
    ASSERT_TRUE(UserInput::Type(edit, "e"));
    EXPECT_EQ("abc表de", TextOf(edit));
    EXPECT_TRUE(ui.beeps.empty());
}

TEST_F(EditCtrl, AComboBoxEditIsFilteredAlike)
{
    FilteredCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 100, 80), host, kComboId));
    combo.imp.m_nCharMask = VhEditCtrlImp::Digits;
    ASSERT_TRUE(UserInput::EditComboText(combo, "1a2漢"));
    EXPECT_EQ("12", TextOf(combo));
    EXPECT_EQ(1u, ui.beeps.size());
    EXPECT_EQ(MAKELONG(2, 2), combo.GetEditSel());
}

TEST_F(EditCtrl, FocusAppliesTheLimitAndTheInputMethod)
{
    ZnEditCtrl edit;
    CreateEdit(edit);
    VhEditCtrlImp& imp = *edit.GetImp();
    imp.m_nMaxLength = 60;
    imp.m_nImeOpenMode = 1;
    imp.m_nConversionMode = VhEditCtrlImp::NativeKatakana;
    imp.m_bFullShape = 0;
    ASSERT_FALSE(ImmGetOpenStatus(Context()));
    ASSERT_TRUE(UserInput::Focus(edit));
    EXPECT_EQ(60u, edit.GetLimitText());
    EXPECT_TRUE(ImmGetOpenStatus(Context()));
    // The two low bits replaced, full shape removed, the roman bit of the default mode kept.
    EXPECT_EQ(DWORD(IME_CMODE_ROMAN | IME_CMODE_NATIVE | IME_CMODE_KATAKANA), Conversion());

    // Alphanumeric full-width: the whole mode replaced, full shape added.
    host->SetFocus();
    imp.m_nConversionMode = VhEditCtrlImp::Alphanumeric;
    imp.m_bFullShape = 1;
    ASSERT_TRUE(UserInput::Focus(edit));
    EXPECT_EQ(DWORD(IME_CMODE_FULLSHAPE), Conversion());

    // Open mode 2 closes without writing a mode; 0 leaves the state alone.
    host->SetFocus();
    ImmSetConversionStatus(Context(), IME_CMODE_ROMAN, IME_SMODE_NONE);
    imp.m_nImeOpenMode = 2;
    ASSERT_TRUE(UserInput::Focus(edit));
    EXPECT_FALSE(ImmGetOpenStatus(Context()));
    EXPECT_EQ(DWORD(IME_CMODE_ROMAN), Conversion());
    host->SetFocus();
    ImmSetOpenStatus(Context(), TRUE);
    imp.m_nImeOpenMode = 0;
    ASSERT_TRUE(UserInput::Focus(edit));
    EXPECT_TRUE(ImmGetOpenStatus(Context()));
    EXPECT_EQ(DWORD(IME_CMODE_ROMAN), Conversion());
}

// Each set of the open status notifies the input method: it is set only when it differs.
TEST_F(EditCtrl, TheOpenStatusIsSetOnlyWhenItDiffers)
{
    ZnEditCtrl edit;
    CreateEdit(edit);
    VhEditCtrlImp& imp = *edit.GetImp();
    struct {
        int openMode;
        BOOL openBefore;
        int sets;
    } cases[] = {{1, FALSE, 1}, {1, TRUE, 0}, {2, TRUE, 1}, {2, FALSE, 0}, {0, TRUE, 0}, {0, FALSE, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.openMode << ", open " << c.openBefore);
        host->SetFocus();
        ImmSetOpenStatus(Context(), c.openBefore);
        int before = AfxImmGetOpenStatusSets(Context());
        imp.m_nImeOpenMode = c.openMode;
        ASSERT_TRUE(UserInput::Focus(edit));
        EXPECT_EQ(c.sets, AfxImmGetOpenStatusSets(Context()) - before);
        EXPECT_EQ(c.openMode == 0 ? c.openBefore : c.openMode == 1, ImmGetOpenStatus(Context()));
    }
}

TEST_F(EditCtrl, FocusLimitsTheEditOfAComboBox)
{
    FilteredCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 100, 80), host, kComboId));
    combo.imp.m_nMaxLength = 12;
    combo.imp.OnSetFocus();
    EXPECT_EQ(12, combo.GetLimitText());
}

TEST_F(EditCtrl, TheInputMethodIsTheParentsContext)
{
    // The parent's own context is the one opened, not the edit's.
    ZnEditCtrl edit;
    CreateEdit(edit);
    HIMC own = ImmCreateContext();
    ImmAssociateContext(host->m_hWnd, own);
    edit.GetImp()->m_nImeOpenMode = 1;
    ASSERT_TRUE(UserInput::Focus(edit));
    EXPECT_TRUE(ImmGetOpenStatus(own));
    EXPECT_FALSE(ImmGetOpenStatus(ImmGetContext(edit.m_hWnd)));
    ImmAssociateContext(host->m_hWnd, nullptr);
    ImmDestroyContext(own);
}

TEST_F(EditCtrl, WithoutInputMethodControlTheControlLeavesItsContext)
{
    VhEditCtrl edit;
    CreateEdit(edit);
    edit.GetImp()->m_bImeControl = 0;
    edit.GetImp()->m_nImeOpenMode = 1;
    ASSERT_TRUE(UserInput::Focus(edit));
    EXPECT_EQ(nullptr, ImmGetContext(edit.m_hWnd));
    EXPECT_FALSE(ImmGetOpenStatus(Context()));
    EXPECT_FALSE(UserInput::ImeCommit(edit, "漢", "かん"));
}

TEST_F(EditCtrl, TheReadingOfACommittedCompositionIsAppendedToTheTarget)
{
    ZnEditCtrl edit;
    CEdit reading;
    CreateEdit(edit);
    CreateEdit(reading, kReadingId);
    reading.SetWindowText("ｶﾅ");
    edit.GetImp()->m_pReadingTarget = &reading;
    edit.GetImp()->m_nImeOpenMode = 1;
    ASSERT_TRUE(UserInput::ImeCommit(edit, "漢字", "かんじ"));
    ASSERT_TRUE(UserInput::ImeCommit(edit, "名", "な"));
    EXPECT_EQ("漢字名", TextOf(edit));
    EXPECT_EQ("ｶﾅかんじな", TextOf(reading));
}

TEST_F(EditCtrl, TheFullWidthCheckWarnsAtTheFirstSingleByteCharacter)
{
    ZnEditCtrl edit;
    CreateEdit(edit);
    VhEditCtrlImp& imp = *edit.GetImp();
    imp.m_bZenkakuCheck = 1;
    imp.m_nCharMask = 0xFF00;
    edit.SetWindowText("全角");
    EXPECT_EQ(1, edit.DoCheck());
    EXPECT_TRUE(ui.messageBoxes.empty());

    edit.SetWindowText("全ab");
    ui.AnswerMessageBox(IDOK);
    EXPECT_EQ(1, edit.DoCheck());
    ASSERT_EQ(1u, ui.messageBoxes.size());
    EXPECT_EQ("全角以外の文字が入力されました。", ui.messageBoxes[0].text);
    EXPECT_EQ("警告", ui.messageBoxes[0].caption);
    EXPECT_EQ(UINT(MB_OK), ui.messageBoxes[0].type & 0xF);

    // Only with the check on and the mask exactly 0xFF00.
    imp.m_nCharMask = 0xFFFF;
    EXPECT_EQ(1, edit.DoCheck());
    imp.m_nCharMask = 0xFF00;
    imp.m_bZenkakuCheck = 0;
    EXPECT_EQ(1, edit.DoCheck());
    EXPECT_EQ(1u, ui.messageBoxes.size());
}

TEST_F(EditCtrl, ARightClickShowsTheEditMenuAtTheSignedPoint)
{
    ZnEditCtrl edit;
    CreateEdit(edit);
    ASSERT_TRUE(UserInput::RightClick(edit, POINT{-5, -7}));
    ASSERT_EQ(1u, ui.shown.size());
    EXPECT_EQ(-5, ui.shown[0].x);
    EXPECT_EQ(-7, ui.shown[0].y);
    EXPECT_TRUE(ui.shown[0].flags & TPM_RIGHTBUTTON);
    std::vector<CString> items{"元に戻す(&U)\tCtrl+Z",
                               "",
                               "切り取り(&T)\tCtrl+X",
                               "ｺﾋﾟｰ(&C)\tCtrl+C",
                               "貼り付け(&P)\tCtrl+V",
                               "削除",
                               "",
                               "短文"};
    EXPECT_EQ(items, ui.shown[0].items);
    EXPECT_EQ(0, host->contextMenus);

    // A control without a menu leaves the click to the default processing.
    VhEditCtrl plain;
    CreateEdit(plain, kEditId + 1);
    ASSERT_TRUE(UserInput::RightClick(plain, POINT{300, 200}));
    EXPECT_EQ(1u, ui.shown.size());
    EXPECT_EQ(1, host->contextMenus);
}

TEST_F(EditCtrl, TheDescriptorListHandsItsFieldsToTheControls)
{
    ZnEditCtrl name;
    VhEditCtrl range(new VhEditIntImp(&range));
    VhEditCtrl value(new VhEditIntImp(&value));
    VhEditCtrl noRange(new VhEditIntImp(&noRange));
    {
        VhEditSetupList list;
        auto* plain = new VhEditSetup(&name, 60, 0xFFFF, 1, "%60s", 0);
        EXPECT_EQ(VhEditSetup::Plain, plain->m_nType);
        list.Add(plain);
        auto* r = new VhEditSetup(&range, 10, 0x10001, 2, "%10s", 0);
        r->m_nType = VhEditSetup::NumericRange;
        r->m_nRangeMin = 50;
        r->m_nRangeMax = 5;
        list.Add(r);
        auto* v = new VhEditSetup(&value, -1, 0x0001, 0, "%4s", 0);
        v->m_nType = VhEditSetup::NumericValue;
        v->m_nValue = 3;
        list.Add(v);
        auto* n = new VhEditSetup(&noRange, -1, 0x0001, 0, "%4s", 0);
        n->m_nType = VhEditSetup::NumericRange;
        list.Add(n);
        list.Apply();
    }
    EXPECT_EQ(0xFFFF, name.GetImp()->m_nCharMask);
    EXPECT_EQ(1, name.GetImp()->m_nImeOpenMode);
    EXPECT_EQ(60, name.GetImp()->m_nMaxLength);

    auto& r = static_cast<VhEditIntImp&>(*range.GetImp());
    EXPECT_EQ(0x0001, r.m_nCharMask); // masked to 16 bits
    EXPECT_EQ(2, r.m_nImeOpenMode);
    EXPECT_EQ(10, r.m_nMaxLength);
    EXPECT_EQ(1, r.m_bRangeOn);
    EXPECT_EQ(5, r.m_nRangeMin);
    EXPECT_EQ(50, r.m_nRangeMax);
    EXPECT_EQ(1, r.m_nNumeric);

    auto& v = static_cast<VhEditIntImp&>(*value.GetImp());
    EXPECT_EQ(3, v.m_nNumeric);
    EXPECT_EQ(0, v.m_bRangeOn);
    EXPECT_EQ(-1, v.m_nMaxLength);
    EXPECT_EQ(0, static_cast<VhEditIntImp&>(*noRange.GetImp()).m_bRangeOn);
}

TEST_F(EditCtrl, ANumericControlGroupsItsDigitsWithinItsRange)
{
    VhEditCtrl edit(new VhEditIntImp(&edit));
    CreateEdit(edit);
    auto& imp = static_cast<VhEditIntImp&>(*edit.GetImp());
    imp.m_chGrouping = ',';
    imp.SetValue("%d", -1234567);
    EXPECT_EQ("-1,234,567", TextOf(edit));
    EXPECT_EQ('|', VhString::GetSeparator());
    EXPECT_EQ(-1234567.0, imp.GetValue());
    EXPECT_EQ(1234.5, imp.GetValue("1,23,4.5"));

    // The range rewrites what is shown: a value outside it shows nothing.
    imp.SetRange(100, 10);
    EXPECT_EQ(10, imp.m_nRangeMin);
    EXPECT_EQ(100, imp.m_nRangeMax);
    EXPECT_EQ("", TextOf(edit));
    edit.SetWindowText("42.9");
    imp.SetRange(0, 1000);
    EXPECT_EQ("42", TextOf(edit));
    imp.SetValue(nullptr, 1000);
    EXPECT_EQ("1,000", TextOf(edit));
    imp.SetValue("%05d", 1001);
    EXPECT_EQ("", TextOf(edit));
    imp.SetValue(nullptr, 7);
    EXPECT_EQ("00,007", TextOf(edit)); // the given format stays
    imp.m_chGrouping = 0;
    EXPECT_EQ(7.0, imp.GetValue("7,5"));
}

TEST(EditCtrlImp, ACloneCopiesEveryFieldUnderANewSerialNumber)
{
    CEdit owner, target;
    VhEditIntImp imp(&owner);
    imp.m_nCharMask = 0x0003;
    imp.m_bImeControl = 0;
    imp.m_nImeOpenMode = 2;
    imp.m_nConversionMode = 1;
    imp.m_bFullShape = 0;
    imp.m_pReadingTarget = &target;
    imp.m_nMaxLength = 12;
    imp.m_strAccepted = "-";
    imp.m_nMenuId = 101;
    imp.m_nSubMenu = 1;
    imp.m_bZenkakuCheck = 1;
    imp.m_strRejected = "|";
    imp.m_nNumeric = 1;
    imp.m_nRangeMin = -3;
    imp.m_bRangeOn = 1;
    imp.m_nRangeMax = 9;
    imp.m_chGrouping = ',';
    imp.m_strFormat = "%3d";
    std::unique_ptr<VhEditCtrlImp> copy(imp.Clone());
    auto* c = dynamic_cast<VhEditIntImp*>(copy.get());
    ASSERT_NE(nullptr, c);
    EXPECT_NE(imp.GetSerialId(), c->GetSerialId());
    EXPECT_EQ(&owner, c->m_pOwner);
    EXPECT_EQ(std::make_tuple(0x0003, 0, 2, 1, 0, &target, 12, CString("-"), 101, 1, 1, CString("|")),
              std::make_tuple(c->m_nCharMask, c->m_bImeControl, c->m_nImeOpenMode, c->m_nConversionMode,
                              c->m_bFullShape, c->m_pReadingTarget, c->m_nMaxLength, c->m_strAccepted, c->m_nMenuId,
                              c->m_nSubMenu, c->m_bZenkakuCheck, c->m_strRejected));
    EXPECT_EQ(
        std::make_tuple(1, -3, 1, 9, ',', CString("%3d")),
        std::make_tuple(c->m_nNumeric, c->m_nRangeMin, c->m_bRangeOn, c->m_nRangeMax, c->m_chGrouping, c->m_strFormat));
}
