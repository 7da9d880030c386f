#include "tests/wnd/WndTestSupport.h"

#include <algorithm>

namespace {

class EntryDialog : public CDialog {
public:
    explicit EntryDialog(CWnd* pParent = nullptr) : CDialog(IDD_ENTRY, pParent) {}

    CString m_name = "初期";
    int m_count = 3, m_kind = 0, m_option = 0;
    CListCtrl m_list;
    std::vector<std::string> events; // the handlers called, in order

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_NAME, m_name);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDX_CBIndex(pDX, IDC_KIND, m_kind);
        DDX_Control(pDX, IDC_LIST, m_list);
        DDX_Radio(pDX, IDC_ONE, m_option);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        events.push_back("init");
        m_list.InsertColumn(0, "物件名", LVCFMT_LEFT, 100);
        for (const char* name : {"一番", "二番"})
            m_list.InsertItem(0, name);
        return TRUE;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus)
    {
        CDialog::OnShowWindow(bShow, nStatus);
        events.push_back("show");
    }
    afx_msg void OnNameChange() { events.push_back("name " + TextOf(*this, IDC_NAME).Bytes()); }
    afx_msg void OnKindChange() { events.push_back("kind"); }
    afx_msg void OnAdd() { events.push_back("add " + std::to_string(m_list.InsertItem(99, TextOf(*this, IDC_NAME)))); }
    afx_msg void OnClickList(NMHDR*, LRESULT* pResult)
    {
        events.push_back("click " + std::to_string(m_list.GetNextItem(-1, LVNI_SELECTED)));
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EntryDialog, CDialog)
ON_WM_SHOWWINDOW()
ON_EN_CHANGE(IDC_NAME, OnNameChange)
ON_CBN_SELCHANGE(IDC_KIND, OnKindChange)
ON_BN_CLICKED(IDC_ADD, OnAdd)
ON_NOTIFY(NM_CLICK, IDC_LIST, OnClickList)
END_MESSAGE_MAP()

// An edit that drops "|" the moment it arrives, through its own reflected EN_UPDATE.
class BarFreeEdit : public CEdit {
protected:
    afx_msg void OnUpdate()
    {
        CString text = TextOf(*this);
        if (text.Remove('|') == 0)
            return;
        MessageBeep(0);
        SetWindowText(text);
        SetSel(text.GetLength(), text.GetLength());
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BarFreeEdit, CEdit)
ON_CONTROL_REFLECT(EN_UPDATE, OnUpdate)
END_MESSAGE_MAP()

class FilteredEntryDialog : public EntryDialog {
public:
    BarFreeEdit m_nameEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_NAME, m_nameEdit);
        EntryDialog::DoDataExchange(pDX);
    }
    afx_msg void OnNameUpdate() { events.push_back("parent update"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FilteredEntryDialog, EntryDialog)
ON_EN_UPDATE(IDC_NAME, OnNameUpdate)
END_MESSAGE_MAP()

class Page : public CDialog {
public:
    int browses = 0;

protected:
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg void OnBrowse() { ++browses; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Page, CDialog)
ON_BN_CLICKED(IDC_PAGE_BUTTON, OnBrowse)
END_MESSAGE_MAP()

TEST(CDialog, ModalDialogFromItsTemplateReturnsThePressedButtonAndItsData)
{
    ScriptedUi ui;
    CFrameWnd* owner = NewFrame();
    EntryDialog dialog(owner);
    ui.ScriptModal([&](CDialog& d) {
        ASSERT_EQ(&dialog, &d);
        EXPECT_EQ(&dialog, AfxGetRunningModal());
        EXPECT_FALSE(owner->IsWindowEnabled());
        EXPECT_EQ(CString("テスト入力"), TextOf(d));
        // 200 x 150 dialog units of a 9-point font; the name edit at 45, 10 (100 x 12), rounded.
        CRect client, name;
        d.GetClientRect(&client);
        EXPECT_EQ(CRect(0, 0, 300, 225), client);
        d.GetDlgItem(IDC_NAME)->GetWindowRect(&name);
        d.ScreenToClient(&name);
        EXPECT_EQ(CRect(68, 15, 218, 33), name);

        // The template's controls, the data loaded into them, and the first tab stop focused.
        CComboBox* kind = dynamic_cast<CComboBox*>(d.GetDlgItem(IDC_KIND));
        ASSERT_NE(nullptr, kind);
        EXPECT_EQ((std::vector<CString>{"甲", "乙", "丙"}), Items(*kind));
        EXPECT_EQ(0, kind->GetCurSel());
        EXPECT_EQ(CString("初期"), TextOf(d, IDC_NAME));
        EXPECT_EQ(CString("3"), TextOf(d, IDC_COUNT));
        EXPECT_EQ(BST_CHECKED, d.IsDlgButtonChecked(IDC_ONE));
        EXPECT_EQ(d.GetDlgItem(IDC_NAME), CWnd::GetFocus());
        EXPECT_EQ(static_cast<CWnd*>(&dialog.m_list), d.GetDlgItem(IDC_LIST));

        ASSERT_TRUE(UserInput::ReplaceText(d, IDC_NAME, "山田"));
        ASSERT_TRUE(UserInput::ReplaceText(d, IDC_COUNT, "12"));
        ASSERT_TRUE(UserInput::SelectComboItem(*kind, 2));
        ASSERT_TRUE(UserInput::Click(d, IDC_MANY));
        EXPECT_EQ(BST_UNCHECKED, d.IsDlgButtonChecked(IDC_ONE));
        ASSERT_TRUE(UserInput::ClickListItem(dialog.m_list, 1));
        ASSERT_TRUE(UserInput::Click(d, IDC_ADD));
        ASSERT_TRUE(UserInput::Click(d, IDOK));
    });

    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("山田"), dialog.m_name);
    EXPECT_EQ(12, dialog.m_count);
    EXPECT_EQ(2, dialog.m_kind);
    EXPECT_EQ(1, dialog.m_option);
    // Loading "初期" at the start notified nobody; the added row comes after the two of the start.
    EXPECT_EQ((std::vector<std::string>{"init", "show", "name 山", "name 山田", "kind", "click 1", "add 2"}),
              dialog.events);
    // The window is gone; the objects and their state stay.
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_EQ(nullptr, dialog.m_list.m_hWnd);
    EXPECT_EQ(CString("山田"), dialog.m_list.GetItemText(2, 0));
    EXPECT_EQ(nullptr, AfxGetRunningModal());
    EXPECT_TRUE(owner->IsWindowEnabled());
    EXPECT_EQ(std::vector<UINT>{IDD_ENTRY}, ui.modalTemplates);

    // A run that no script answers fails the test at once and leaves the same state.
    EXPECT_UNSCRIPTED(dialog.DoModal(), u8"unscripted modal dialog: テスト入力");
    EXPECT_EQ(nullptr, dialog.m_hWnd);
    EXPECT_TRUE(owner->IsWindowEnabled());
    EXPECT_EQ(nullptr, AfxGetRunningModal());
    owner->DestroyWindow();
}

// A disabled or hidden default button cannot be pressed and Enter beeps (running a dialog again:
// the display tests' dialog peer).
TEST(CDialog, EscapeCancelsWithoutTakingTheFieldsOverAndADisabledDefaultButtonCannotBePressed)
{
    ScriptedUi ui;
    EntryDialog dialog;
    ui.ScriptModal([](CDialog& d) {
        ASSERT_TRUE(UserInput::ReplaceText(d, IDC_NAME, "変更"));
        d.GetDlgItem(IDOK)->EnableWindow(FALSE);
        EXPECT_FALSE(UserInput::Click(d, IDOK));
        EXPECT_TRUE(UserInput::PressEnter(d));
        EXPECT_TRUE(d.ContinueModal());
        d.GetDlgItem(IDOK)->ShowWindow(SW_HIDE);
        d.GetDlgItem(IDOK)->EnableWindow(TRUE);
        EXPECT_FALSE(UserInput::Click(d, IDOK));
        EXPECT_TRUE(UserInput::PressEscape(d));
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(CString("初期"), dialog.m_name);
    EXPECT_EQ(3, dialog.m_count);
    EXPECT_EQ(std::vector<UINT>{0}, ui.beeps);
}

TEST(CDialog, TheWindowThatHadTheFocusGetsItBackWhenAModalDialogEnds)
{
    ScriptedUi ui;
    CEdit field;
    field.Create(WS_VISIBLE, CRect(0, 0, 100, 20), nullptr, 1);
    field.SetFocus();
    EntryDialog dialog;
    ui.ScriptModal([&](CDialog& d) {
        ASSERT_TRUE(UserInput::ReplaceText(d, IDC_NAME, "x"));
        EXPECT_NE(&field, CWnd::GetFocus());
        d.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(&field, CWnd::GetFocus());
    field.DestroyWindow();
}

TEST(CDialog, AFieldThatIsNoNumberKeepsTheDialogOpenWithTheFieldSelected)
{
    ScriptedUi ui;
    CWinApp app("テスト");
    EntryDialog dialog;
    HWND dialogWindow = nullptr;
    ui.AnswerMessageBox(IDOK);
    ui.ScriptModal([&](CDialog& d) {
        dialogWindow = d.m_hWnd;
        ASSERT_TRUE(UserInput::ReplaceText(d, IDC_COUNT, "1x"));
        ASSERT_TRUE(UserInput::Click(d, IDOK));
        EXPECT_TRUE(d.ContinueModal());
        CWnd* count = d.GetDlgItem(IDC_COUNT);
        EXPECT_EQ(count, CWnd::GetFocus());
        EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 2)), static_cast<CEdit*>(count)->GetSel());
        ASSERT_TRUE(UserInput::Type(*count, "7"));
        ASSERT_TRUE(UserInput::PressEnter(d));
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(7, dialog.m_count);
    EXPECT_EQ(std::vector<std::string>{Box("整数を入力してください。", "テスト", MB_OK | MB_ICONEXCLAMATION)},
              Boxes(ui));
    EXPECT_EQ(dialogWindow, ui.messageBoxes[0].owner);
}

// The edit drops the "|" through its reflected EN_UPDATE, which the parent never sees.
TEST(CDialog, AControlReflectsItsOwnNotificationAndTheParentSeesOnlyTheRest)
{
    ScriptedUi ui;
    FilteredEntryDialog dialog;
    ui.ScriptModal([&](CDialog& d) {
        EXPECT_EQ(static_cast<CWnd*>(&dialog.m_nameEdit), d.GetDlgItem(IDC_NAME));
        ASSERT_TRUE(UserInput::ReplaceText(d, IDC_NAME, "a|b"));
        EXPECT_EQ(CString("ab"), TextOf(d, IDC_NAME));
        EXPECT_EQ(static_cast<DWORD>(MAKELONG(2, 2)), dialog.m_nameEdit.GetSel());
        ASSERT_TRUE(UserInput::Click(d, IDOK));
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString("ab"), dialog.m_name);
    EXPECT_EQ(std::vector<UINT>{0}, ui.beeps);
    EXPECT_EQ("name ab", dialog.events.back());
    EXPECT_EQ(0, std::count(dialog.events.begin(), dialog.events.end(), "parent update"));
}

// Where a page is placed in its parent is left to the application's form-view tests.
TEST(CDialog, AModelessChildPageLivesInsideItsParentAndCanBeMadeAgain)
{
    CFrameWnd* host = NewFrame();
    Page page;
    ASSERT_TRUE(page.Create(IDD_PAGE, host));
    EXPECT_EQ(static_cast<CWnd*>(host), page.GetParent());
    EXPECT_TRUE(page.GetStyle() & WS_CHILD);
    page.ShowWindow(SW_SHOW);

    // Enter and Escape do not close a page.
    ASSERT_TRUE(UserInput::Click(page, IDC_PAGE_BUTTON));
    ASSERT_TRUE(UserInput::PressEnter(page));
    ASSERT_TRUE(UserInput::PressEscape(page));
    EXPECT_EQ(1, page.browses);
    HWND first = page.m_hWnd;
    EXPECT_NE(nullptr, first);
    page.DestroyWindow();
    EXPECT_EQ(nullptr, page.m_hWnd);
    EXPECT_FALSE(IsWindow(first));
    ASSERT_TRUE(page.Create(IDD_PAGE, host));
    EXPECT_NE(first, page.m_hWnd);
    host->DestroyWindow(); // takes its children along
    EXPECT_EQ(nullptr, page.m_hWnd);
}

} // namespace
