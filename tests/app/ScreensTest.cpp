// The frame's screens: the panels and their buttons, and the form views they open.
#include "tests/support/ShellTestSupport.h"
#include "tests/support/TabbedCases.h"

#include "app/CFdMenuBar.h"
#include "app/CZnAppProView.h"
#include "app/ZnFvAppCAFM12.h"
#include "app/ZnFvAppCAHJ0100.h"
#include "editors/ZnDlgAppCMEditor.h"
#include "fdimport/ZnDlgAppBangouInput.h"
#include "fdimport/ZnDlgAppUketukeConfirm.h"
#include "model/ZnModelApp.h"
#include "platform/core/Cp932.h"
#include "platform/database/AfxDao.h"
#include "platform/wnd/Afxwin.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"
#include "shell/CDialogBarBk.h"
#include "shell/CFormViewBk.h"
#include "storage/AppDatabaseSchemas.h"
#include "tests/support/RecordsetRows.h"

namespace {

// A device context that keeps what is filled.
class RecordingDC : public CDC {
public:
    struct Fill {
        RECT rect;
        COLORREF color;
    };
    std::vector<Fill> fills;

protected:
    void FillSolid(const RECT& rect, COLORREF crColor) override { fills.push_back({rect, crColor}); }
};

// A started application's screens: the floppy output in a document mode, the form views.
class Panels : public ShellTest {
protected:
    CView& ActiveView() const { return *Frame().MDIGetActive()->GetActiveView(); }

    // A child's position in its parent's client area, "left,top".
    static std::string PlaceOf(CWnd& child)
    {
        CRect rect;
        child.GetWindowRect(&rect);
        child.GetParent()->ScreenToClient(&rect);
        return std::to_string(rect.left) + "," + std::to_string(rect.top);
    }

    void Show(CRuntimeClass* viewClass) { m_app.ChangeView(m_app.GetFormTemplate(viewClass)); }

    void StartFloppyOutput(int docMode)
    {
        Start();
        Frame().SetDocMode(docMode);
        Frame().SetBukkenSelected(1);
        Command(ID_FD_CREATE);
    }

    std::string Text(int panel, int nID) const
    {
        CString text;
        Frame().GetDlgItem(panel)->GetDlgItemText(nID, text);
        return text.Bytes();
    }

    // The titles of the shown form view that are visible (CP932), joined by "|".
    std::string VisibleTitles() const
    {
        std::string titles;
        for (CWnd* child = ActiveView().GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
            if (!child->IsKindOf(RUNTIME_CLASS(CStatic)) || !(child->GetStyle() & WS_VISIBLE))
                continue;
            CString text;
            child->GetWindowText(text);
            titles += (titles.empty() ? "" : "|") + text.Bytes();
        }
        return titles;
    }

    // Clicks an object-kind button and tells which view and titles it shows.
    std::string Open(int panel, int nID)
    {
        Click(panel, nID);
        return ActiveViewClass() + " " + VisibleTitles();
    }
};

using FormViews = Panels;

const char kOneRowEach[] = u8R"(
INSERT INTO AppShinseishaTbl VALUES (1, 0, 'ｱｵｷ', '青木', NULL);
INSERT INTO AppKenchikunushiTbl VALUES (1, 0, 'ﾔﾏﾀﾞ', '山田', '100', '0001', 13, '東京都', '03', '1', '2', NULL);
INSERT INTO AppSekkeishaTbl VALUES (1, 0, '00101', '01', '123', '設計太郎', '', '', '', '', '', '', -1, '', '', '', '', NULL);
INSERT INTO AppSetsubishaTbl VALUES (1, 0, '設備花子', '45', '', '', '', -1, '', '', '', '', NULL);
INSERT INTO AppSekoushaTbl VALUES (1, 0, '施工建設', '', '', '', '', '', -1, '', '', '', '', NULL);
INSERT INTO AppChimeiChibanTbl VALUES (1, 0, '105', '0011', 13, '東京都港区', 'C1', NULL);
INSERT INTO AppYaneTbl VALUES (1, 0, '瓦葺', NULL);
INSERT INTO AppGaihekiTbl VALUES (1, 0, '板張', NULL);
INSERT INTO AppTokuteiKouteiTbl VALUES (1, 0, '基礎配筋', NULL);
)";

} // namespace

// The document-type buttons carry the labels of the mode in which they are made.
TEST_F(Panels, DocumentTypesCarryTheLabelsOfTheModeAndShowTheirKinds)
{
    auto labels = [this] {
        std::string text;
        for (int id : {IDC_DOC_CONFIRM, IDC_DOC_INTERIM, IDC_DOC_COMPLETION, IDC_DOC_PLANCHANGE})
            text += Text(IDD_DOCTYPEBAR, id) + "|";
        return text;
    };
    StartFloppyOutput(DOCMODE_ZADAZEZ);
    EXPECT_EQ("FD作成", Text(IDD_DOCTYPEBAR, IDC_PANEL_CAPTION));
    EXPECT_EQ("確認申請書|中間検査申請書|完了検査申請書|計画変更確認申請書|", labels());
    Click(IDD_DOCTYPEBAR, IDC_DOC_INTERIM);
    EXPECT_EQ(IDD_INTERIMKINDBAR, Frame().GetCurrentPanel());
    EXPECT_EQ(IDC_DOC_INTERIM, Frame().GetDocType());
    EXPECT_EQ("FD作成", Text(IDD_INTERIMKINDBAR, IDC_PANEL_CAPTION));
    EXPECT_EQ(nullptr, Frame().GetDlgItem(IDD_DOCTYPEBAR));

    Frame().SetDocMode(DOCMODE_KEIKAKU);
    Click(IDD_INTERIMKINDBAR, IDC_BACK);
    EXPECT_EQ("計画通知書|特定工程工事終了通知書|工事完了通知書|計画変更通知書|", labels());
    Frame().SetDocType(IDC_DOC_CONFIRM);
    Click(IDD_DOCTYPEBAR, IDC_DOC_OTHER);
    EXPECT_EQ(0, Frame().GetDocType());
    EXPECT_EQ(IDD_OTHERFORMSBAR, Frame().GetCurrentPanel());
    CWnd* bar = Frame().GetDlgItem(IDD_OTHERFORMSBAR);
    EXPECT_FALSE(bar->GetDlgItem(IDC_OBJ_SAFETY)->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(bar->GetDlgItem(IDC_OBJ_DEMOLITION)->GetStyle() & WS_VISIBLE);

    // The recorded contents' dialog runs from the document-type panel, which stays.
    Click(IDD_OTHERFORMSBAR, IDC_BACK);
    m_ui.ScriptModal([](CDialog& dialog) { dialog.EndDialog(IDOK); });
    Click(IDD_DOCTYPEBAR, IDC_FD_CONTENTS);
    EXPECT_EQ(std::vector<UINT>{IDD_FD_CONTENTS}, m_ui.modalTemplates);
    EXPECT_EQ(IDD_DOCTYPEBAR, Frame().GetCurrentPanel());
}

// Each document type's panel opens its forms (tests/data/app/panel_forms.txt); Back closes them.
TEST_F(Panels, TheKindPanelsOpenTheFormsOfTheirDocumentTypeAndBackClosesThem)
{
    StartFloppyOutput(DOCMODE_ZADAZEZ);
    auto rows = testsupport::ReadTabbedCases("app/panel_forms.txt");
    ASSERT_EQ(28u, rows.size());
    int docType = 0;
    for (const auto& row : rows) {
        int panel = atoi(row.at(1)), kind = atoi(row.at(3));
        SCOPED_TRACE(row.at(0) + " " + row.at(3));
        if (docType != atoi(row.at(0))) {
            docType = atoi(row.at(0));
            if (Frame().GetCurrentPanel() != IDD_DOCTYPEBAR)
                Click(Frame().GetCurrentPanel(), IDC_BACK);
            Click(IDD_DOCTYPEBAR, docType);
            ASSERT_EQ(panel, Frame().GetCurrentPanel());
            EXPECT_EQ(row.at(2).Bytes(), Text(panel, IDC_PANEL_SUBCAPTION));
        }
        EXPECT_EQ(row.at(4).Bytes(), Open(panel, kind));
        EXPECT_EQ(kind, Frame().GetObjKind());
        // A form view's document shows the menu of an open document: 上書き保存 is not greyed.
        CMenu* file = Frame().GetMenu()->GetSubMenu(0);
        EXPECT_EQ(11u, file->GetMenuItemCount());
        EXPECT_FALSE(file->GetMenuState(2, MF_BYPOSITION) & MF_GRAYED);
    }
    // One form view at a time: each new one's child frame replaced the one before.
    EXPECT_EQ(27, std::count_if(m_ui.destroyed.begin(), m_ui.destroyed.end(),
                                [](const ShellTestUi::DestroyedWindow& w) { return w.className == "CChildFrame"; }));

    // In the confirmation mode the other forms' panel shows the safety plan.
    EXPECT_TRUE(Frame().GetDlgItem(IDD_OTHERFORMSBAR)->GetDlgItem(IDC_OBJ_SAFETY)->GetStyle() & WS_VISIBLE);
    Document().ReplaceModel(CZnAppProDoc::formModel, new ZnModelApp);
    Document().ReplaceModel(CZnAppProDoc::subFormModel, new ZnModelApp);
    Click(IDD_OTHERFORMSBAR, IDC_BACK);
    EXPECT_EQ(IDD_DOCTYPEBAR, Frame().GetCurrentPanel());
    EXPECT_EQ("CZnAppProView", ActiveViewClass());
    EXPECT_EQ(nullptr, Document().GetFormModel());
    EXPECT_EQ(nullptr, Document().GetSubFormModel());
    EXPECT_NE(nullptr, Document().GetAppModel());

    // On the completion panel any other document type opens nothing, but the kind is stored.
    Click(IDD_DOCTYPEBAR, IDC_DOC_COMPLETION);
    Frame().SetDocType(IDC_DOC_CONFIRM);
    Click(IDD_COMPLETIONKINDBAR, IDC_OBJ_LIFT);
    EXPECT_EQ(IDC_OBJ_LIFT, Frame().GetObjKind());
    EXPECT_EQ("CZnAppProView", ActiveViewClass());
}

// Each editor's view hosts it at (10, 0), its list filled from its table; the view that gives way
// to the next destroys its editor.
TEST_F(Panels, TheCommonDataPanelOpensTheEditors)
{
    MakeFolders({"app", "com"});
    DaoCreateDatabase(Windows("app/COM_CHIIKI.mdb"), comChiikiSchema);
    DaoCreateDatabase(Windows("com/APP_USER_REGIST.mdb"), std::string(appUserRegistSchema) + kOneRowEach);
    StoreFolders(Windows("app"), Windows("com"), nullptr, nullptr, nullptr);
    Start();
    Frame().SetBukkenSelected(1);
    Command(ID_COMMON_DATA);
    const int buttons[] = {IDC_CM_SHINSEISHA, IDC_CM_KENCHIKUNUSHI, IDC_CM_SEKKEISHA,
                           IDC_CM_SETSUBISHA, IDC_CM_SEKOUSHA,      IDC_CM_CHIMEICHIBAN,
                           IDC_CM_YANE,       IDC_CM_GAIHEKI,       IDC_CM_TOKUTEIKOUTEI};
    const char* const firstRows[] = {u8"青木",       u8"山田", u8"設計太郎", u8"設備花子", u8"施工建設",
                                     u8"東京都港区", u8"瓦葺", u8"板張",     u8"基礎配筋"};
    std::vector<std::string> editors;
    for (int i = 0; i < 9; ++i) {
        Click(IDD_COMMONDATABAR, buttons[i]);
        EXPECT_EQ("ZnFvAppCACM0" + std::to_string(i + 1), ActiveViewClass());
        EXPECT_TRUE(Frame().MDIGetActive()->IsZoomed());
        CWnd* editor = ActiveView().GetWindow(GW_CHILD);
        ASSERT_NE(nullptr, editor);
        ASSERT_TRUE(editor->IsKindOf(RUNTIME_CLASS(ZnDlgAppCMEditor)));
        EXPECT_EQ("10,0", PlaceOf(*editor));
        EXPECT_TRUE(editor->GetStyle() & WS_VISIBLE);
        CListCtrl& list = static_cast<ZnDlgAppCMEditor*>(editor)->GetList();
        ASSERT_EQ(1, list.GetItemCount());
        EXPECT_EQ(firstRows[i], Field(list.GetItemText(0, 0)));
        editors.push_back(editor->GetRuntimeClass()->m_lpszClassName);
    }
    EXPECT_EQ(0, Frame().GetObjKind());
    EXPECT_EQ(std::vector<std::string>{}, MessageTexts());
    // Every editor but the last was destroyed with its view.
    std::vector<std::string> destroyed;
    for (const auto& window : m_ui.destroyed)
        if (window.className.rfind("ZnDlgAppCM", 0) == 0)
            destroyed.push_back(window.className);
    editors.pop_back();
    EXPECT_EQ(editors, destroyed);
}

TEST_F(Panels, TheFloppyPanelAsksForAChoiceBeforeItsDialogs)
{
    Start();
    Frame().SetBukkenSelected(1);
    Command(ID_NUMBER_INPUT);
    EXPECT_EQ(IDD_FDMENUBAR, Frame().GetCurrentPanel());
    EXPECT_EQ(1, Frame().GetScreenFlag());
    EXPECT_EQ("受付・確認番号入力", Text(IDD_FDMENUBAR, IDC_PANEL_CAPTION));
    EXPECT_EQ("ZnFvAppCAHJ0100", ActiveViewClass());

    m_ui.AnswerMessageBox(IDOK);
    m_ui.AnswerMessageBox(IDOK);
    Click(IDD_FDMENUBAR, IDC_FD_READ);
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
    ASSERT_EQ(2u, m_ui.messageBoxes.size());
    EXPECT_EQ("詳細ボタンを押してください。", m_ui.messageBoxes[0].text);
    EXPECT_EQ("番号入力する詳細項目を一覧から選択してください。", m_ui.messageBoxes[1].text);
    for (const MessageBoxRequest& box : m_ui.messageBoxes) {
        EXPECT_EQ("App", box.caption);
        EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), box.type);
    }

    auto* panel = static_cast<CFdMenuBar*>(Frame().GetDlgItem(IDD_FDMENUBAR));
    panel->m_nSelectedRow = 3;
    panel->m_strFloppyRoot = "A:";
    panel->m_nBukkenIndex = 12;
    panel->m_nShousaiIndex = 0;
    m_app.m_nDocKindCode = 100002;
    // The confirmation is given the floppy's root, the property, the document and the kind code.
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& confirm = static_cast<ZnDlgAppUketukeConfirm&>(dialog);
        CString given;
        given.Format("%s %d %d %d", LPCTSTR(confirm.m_strFloppyRoot), confirm.m_nBukkenIndex, confirm.m_nShousaiIndex,
                     confirm.m_nDocKindCode);
        EXPECT_EQ("A: 12 0 100002", given);
        EXPECT_EQ(&Frame().GetShinseishoList(), confirm.m_pShinseishoList);
        dialog.EndDialog(IDCANCEL);
    });
    // A: has no folder here: the dialog says so and opens empty.
    m_ui.AnswerMessageBox(IDOK);
    Click(IDD_FDMENUBAR, IDC_FD_READ);
    EXPECT_EQ("フロッピーのアクセスに失敗しました。FDをチェックしてください。", m_ui.messageBoxes.back().text);
    // The number input is given the row, the property, the document and the kind code.
    m_ui.ScriptModal([&](CDialog& dialog) {
        auto& input = static_cast<ZnDlgAppBangouInput&>(dialog);
        CString given;
        given.Format("%d %d %d", input.m_nBukkenIndex, input.m_nShousaiIndex, input.m_nDocKindCode);
        EXPECT_EQ("12 0 100002", given);
        EXPECT_EQ(&Frame().GetShinseishoList(), input.m_pShinseishoList);
        EXPECT_EQ(3, input.m_nSelectedRow);
        dialog.EndDialog(IDCANCEL);
    });
    Click(IDD_FDMENUBAR, IDC_FD_NUMBER);
    EXPECT_EQ((std::vector<UINT>{IDD_UKETUKE_CONFIRM, IDD_BANGOU_INPUT}), m_ui.modalTemplates);
}

TEST_F(FormViews, AFormViewPlacesItsPageBelowTheTitleAndDropsTheFormModelsWhenItGoes)
{
    Start();
    Show(RUNTIME_CLASS(ZnFvAppCAFM12));
    CView& view = ActiveView();
    ASSERT_EQ("ZnFvAppCAFM12", ActiveViewClass());
    EXPECT_TRUE(Frame().MDIGetActive()->IsZoomed());
    CWnd* page = view.GetWindow(GW_CHILD);
    while (page && !page->IsKindOf(RUNTIME_CLASS(CDialog)))
        page = page->GetWindow(GW_HWNDNEXT);
    ASSERT_NE(nullptr, page);
    EXPECT_TRUE(page->GetStyle() & WS_VISIBLE);
    EXPECT_EQ("10,30", PlaceOf(*page));

    Document().ReplaceModel(CZnAppProDoc::formModel, new ZnModelApp);
    Document().ReplaceModel(CZnAppProDoc::subFormModel, new ZnModelApp);
    Document().ReplaceModel(CZnAppProDoc::extraModel, new ZnModelApp);
    HWND pageWindow = page->m_hWnd;
    m_app.ChangeView(nullptr);
    EXPECT_FALSE(::IsWindow(pageWindow));
    EXPECT_EQ(nullptr, Document().GetFormModel());
    EXPECT_EQ(nullptr, Document().GetSubFormModel());
    EXPECT_NE(nullptr, Document().GetAppModel());
    EXPECT_NE(nullptr, Document().GetModel(CZnAppProDoc::extraModel));
    EXPECT_EQ("CZnAppProView", ActiveViewClass());

    // Without form models leaving a form changes nothing.
    Show(RUNTIME_CLASS(ZnFvAppCAFM12));
    m_app.ChangeView(nullptr);
    EXPECT_NE(nullptr, Document().GetAppModel());
}

TEST_F(FormViews, TheApplicationListIsTheFramesAndIsMadeAgainForEachView)
{
    Start();
    Show(RUNTIME_CLASS(ZnFvAppCAHJ0100));
    ZnDlgAppShinseishoList& list = Frame().GetShinseishoList();
    ASSERT_NE(nullptr, list.m_hWnd);
    EXPECT_EQ(&ActiveView(), list.GetParent());
    EXPECT_EQ("10,0", PlaceOf(list));
    HWND first = list.m_hWnd;
    Document().ReplaceModel(CZnAppProDoc::formModel, new ZnModelApp);

    Show(RUNTIME_CLASS(ZnFvAppCAHJ0100));
    EXPECT_FALSE(::IsWindow(first));
    ASSERT_NE(nullptr, list.m_hWnd);
    EXPECT_NE(first, list.m_hWnd);
    EXPECT_EQ(&ActiveView(), list.GetParent());
    // This screen leaves the document's models alone.
    EXPECT_NE(nullptr, Document().GetFormModel());

    m_app.ChangeView(nullptr);
    EXPECT_EQ(nullptr, list.m_hWnd);
    EXPECT_NE(nullptr, Document().GetFormModel());
}

TEST_F(FormViews, TheNeutralViewKeepsItsFrameWithoutSize)
{
    Start();
    CView& view = ActiveView();
    CWnd* childFrame = view.GetParent();
    childFrame->MoveWindow(5, 5, 300, 200);
    view.ShowWindow(SW_HIDE);
    view.ShowWindow(SW_SHOW);
    CRect rect;
    childFrame->GetWindowRect(&rect);
    EXPECT_EQ(0, rect.Width() | rect.Height());
    EXPECT_EQ("0,0", PlaceOf(*childFrame));
}

// Panels paint labels in their colour, push buttons in the system's; form views fill in the dialog colour.
TEST_F(FormViews, PanelsAndFormViewsPaintInTheirColours)
{
    Start();
    CWnd* bar = Frame().GetPanelById(IDD_MAINMENUBAR);
    CWnd* name = bar->GetDlgItem(IDC_TOP_BUKKENNAME);
    CWnd* button = bar->GetDlgItem(IDC_TOP_COMMONDATA);
    auto paint = [&](CWnd* control, UINT type, CDC& dc) {
        AFX_CTLCOLOR ctl{control->m_hWnd, type};
        return reinterpret_cast<HBRUSH>(
            bar->SendMessage(WM_CTLCOLOR, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&ctl)));
    };
    CDC staticDc, dialogDc, buttonDc;
    staticDc.SetTextColor(RGB(1, 2, 3));
    HBRUSH brush = paint(name, CTLCOLOR_STATIC, staticDc);
    EXPECT_EQ(RGB(199, 211, 241), AfxGetBrushColor(brush));
    EXPECT_EQ(RGB(0, 0, 0), staticDc.GetTextColor());
    EXPECT_EQ(RGB(199, 211, 241), staticDc.GetBkColor());
    EXPECT_EQ(brush, paint(bar, CTLCOLOR_DLG, dialogDc));
    EXPECT_EQ(RGB(199, 211, 241), dialogDc.GetBkColor());
    EXPECT_EQ(nullptr, paint(button, CTLCOLOR_BTN, buttonDc));
    EXPECT_EQ(RGB(255, 255, 255), buttonDc.GetBkColor());

    Show(RUNTIME_CLASS(ZnFvAppCAFM12));
    RecordingDC dc;
    CBrush before(RGB(9, 9, 9));
    dc.SelectObject(&before);
    dc.SetClipBox(RECT{3, 4, 103, 54});
    EXPECT_EQ(TRUE, ActiveView().SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), 0));
    ASSERT_EQ(1u, dc.fills.size());
    EXPECT_EQ(RGB(231, 236, 249), dc.fills[0].color);
    EXPECT_EQ(CRect(3, 4, 103, 54), CRect(dc.fills[0].rect));
    EXPECT_EQ(&before, dc.GetCurrentBrush());
}
