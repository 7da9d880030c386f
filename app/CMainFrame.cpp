#include "app/CMainFrame.h"

#include "app/CZnAppProApp.h"
#include "app/CZnAppProDoc.h"
#include "app/ZnFvAppCAHJ0100.h"
#include "editors/ZnDlgAppTanbunCopy.h"
#include "editors/ZnDlgAppTanbunEdit.h"
#include "editors/ZnDlgAppTanbunPaste.h"
#include "editors/ZnDlgAppTanbunRegist.h"
#include "fdimport/ZnDlgAppFDImport.h"
#include "platform/wnd/Afxwin.h"
#include "res/MainFrameIds.h"
#include "shell/FilterChars.h"
#include "storage/ZnAppCheckoutTblDAO.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnAppRegRoot.h"
#include "storage/ZnAppTanbunTblDAO.h"

#include <iterator>

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(ID_NEW_ZADAZEZ, OnNewZadazez)
ON_COMMAND(ID_NEW_KEIKAKU, OnNewKeikaku)
ON_COMMAND(ID_SELECT_BUKKEN, OnSelectBukken)
ON_COMMAND(ID_SAVE, OnSave)
ON_COMMAND(ID_COMMON_DATA, OnCommonData)
ON_COMMAND(ID_BUKKEN_DATA, OnBukkenData)
ON_COMMAND(ID_FD_CREATE, OnFDCreate)
ON_COMMAND(ID_NUMBER_INPUT, OnNumberInput)
ON_COMMAND(ID_FD_LOAD, OnFDLoad)
ON_COMMAND_EX(ID_EDIT_UNDO, OnEditCommand)
ON_COMMAND_EX(ID_EDIT_CUT, OnEditCommand)
ON_COMMAND_EX(ID_EDIT_COPY, OnEditCommand)
ON_COMMAND_EX(ID_EDIT_PASTE, OnEditCommand)
ON_COMMAND_EX(ID_EDIT_DELETE, OnEditCommand)
ON_COMMAND(ID_TANBUN_REGIST, OnShortTextRegister)
ON_COMMAND(ID_TANBUN_PASTE, OnShortTextPaste)
ON_COMMAND(ID_TANBUN_EDIT, OnShortTextEdit)
ON_COMMAND(ID_TANBUN_COPY, OnShortTextCopy)
ON_UPDATE_COMMAND_UI(ID_NEW_ZADAZEZ, OnUpdateScreenNotOpen)
ON_UPDATE_COMMAND_UI(ID_NEW_KEIKAKU, OnUpdateScreenNotOpen)
ON_UPDATE_COMMAND_UI(ID_SELECT_BUKKEN, OnUpdateNoScreen)
ON_UPDATE_COMMAND_UI(ID_FD_LOAD, OnUpdateNoScreen)
ON_UPDATE_COMMAND_UI(IDC_TOP_SELECTBUKKEN, OnUpdateNoScreen)
ON_UPDATE_COMMAND_UI(ID_SAVE, OnUpdateSave)
ON_UPDATE_COMMAND_UI(ID_TANBUN_REGIST, OnUpdateInScreen)
ON_UPDATE_COMMAND_UI(ID_TANBUN_PASTE, OnUpdateInScreen)
ON_UPDATE_COMMAND_UI(ID_TANBUN_EDIT, OnUpdateInScreen)
ON_UPDATE_COMMAND_UI(ID_TANBUN_COPY, OnUpdateInScreen)
ON_UPDATE_COMMAND_UI(IDC_TOP_MENUDISPLAY, OnUpdateInScreen)
ON_UPDATE_COMMAND_UI(ID_COMMON_DATA, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(ID_BUKKEN_DATA, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(ID_FD_CREATE, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(ID_PRINT_APPLICATION, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(ID_NUMBER_INPUT, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(IDC_TOP_COMMONDATA, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(IDC_TOP_BUKKENDATA, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(IDC_TOP_FDCREATE, OnUpdateOpenScreen)
ON_UPDATE_COMMAND_UI(IDC_TOP_PRINT, OnUpdateOpenScreen)
END_MESSAGE_MAP()

namespace {

const char kAppRootKey[] = "Norva\\Zadazez\\App\\6.00.0.1";
const char kStartUpValue[] = "StartUp";
const char kZadazezCaption[] = "確認申請書";
const char kKeikakuCaption[] = "計画通知書";

const UINT statusIndicators[] = {ID_SEPARATOR, ID_INDICATOR_KANA, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                 ID_INDICATOR_SCRL};

// The message each edit command sends to a focused edit control.
struct EditCommand {
    UINT command;
    UINT message;
};
const EditCommand editCommands[] = {
    {ID_EDIT_UNDO, EM_UNDO},   {ID_EDIT_CUT, WM_CUT},      {ID_EDIT_COPY, WM_COPY},
    {ID_EDIT_PASTE, WM_PASTE}, {ID_EDIT_DELETE, WM_CLEAR},
};

// The labels of the document types by mode: application forms, then notification forms.
struct DocTypeLabel {
    int docType;
    const char* zadazez;
    const char* keikaku;
};
const DocTypeLabel docTypeLabels[] = {
    {IDC_DOC_CONFIRM, "確認申請書", "計画通知書"},
    {IDC_DOC_INTERIM, "中間検査申請書", "特定工程工事終了通知書"},
    {IDC_DOC_COMPLETION, "完了検査申請書", "工事完了通知書"},
    {IDC_DOC_PLANCHANGE, "計画変更確認申請書", "計画変更通知書"},
};

const char* DocTypeLabel(int docType, int docMode)
{
    for (const auto& label : docTypeLabels)
        if (label.docType == docType)
            return docMode == DOCMODE_ZADAZEZ ? label.zadazez : label.keikaku;
    return nullptr;
}

// The caption of each panel (1038).
const char* PanelCaption(int panel)
{
    switch (panel) {
    case IDD_COMMONDATABAR:
        return "共通データの作成・編集";
    case IDD_DOCTYPEBAR:
    case IDD_CONFIRMKINDBAR:
    case IDD_COMPLETIONKINDBAR:
    case IDD_OTHERFORMSBAR:
    case IDD_INTERIMKINDBAR:
        return "FD作成";
    case IDD_FDMENUBAR:
        return "受付・確認番号入力";
    default:
        return nullptr;
    }
}

} // namespace

CMainFrame* ZnGetMainFrame() { return dynamic_cast<CMainFrame*>(AfxGetMainWnd()); }

CMainFrame::CMainFrame()
    : m_wndCommonDataBar(), m_wndDocTypeBar(), m_dlgBukkenInput(this), m_dlgSelectObj(this), m_dlgShinseishoList()
{
    // The application list writes its choice into the floppy panel, whose dialogs refresh it.
    m_dlgShinseishoList.m_pChoice = &m_wndFdMenuBar;
    m_wndFdMenuBar.m_pShinseishoList = &m_dlgShinseishoList;
}

CMainFrame::~CMainFrame()
{
    if (CZnAppProApp* app = ZnGetApp())
        app->CloseCodeTables();
    ReleaseCheckout();
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    ReadFolderSettings();
    if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(statusIndicators, static_cast<int>(std::size(statusIndicators))))
        return -1;
    if (!m_wndMainMenuBar.Create(this, IDD_MAINMENUBAR, CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY, IDD_MAINMENUBAR))
        return -1;
    return 0;
}

void CMainFrame::ReadFolderSettings()
{
    CZnAppProApp* app = ZnGetApp();
    ZnAppRegObject folders(kAppPosSubKey, "ZnApp", "ZnCom", "ZnObj", "ZnDst", "ZnOutput");
    folders.Read();
    if (!app)
        return;
    app->SetAppFolder(folders.m_strValues[0]);
    app->SetComFolder(folders.m_strValues[1]);
    app->SetObjFolder(folders.m_strValues[2]);
    app->SetDstFolder(folders.m_strValues[3]);
    app->SetOutputFolder(folders.m_strValues[4]);
}

void CMainFrame::OnClose()
{
    if (CZnAppProApp* app = ZnGetApp())
        if (CZnAppProDoc* document = app->GetActiveDocument()) {
            document->DeleteFormModel();
            document->DeleteSubFormModel();
        }
    SavePlacement();
    CMDIFrameWnd::OnClose();
}

void CMainFrame::SavePlacement()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(&placement))
        return;
    ZnAppRegRoot root(kAppRootKey, kStartUpValue);
    root.SetStartUpPlacement(placement);
    root.Write();
}

void CMainFrame::NoteCheckout(const CString& registerFolder, const CString& bukkenName)
{
    m_strCheckoutFolder = registerFolder;
    m_strCheckoutName = bukkenName;
}

BOOL CMainFrame::ReleaseCheckout()
{
    if (m_strCheckoutName.IsEmpty())
        return FALSE;
    CString folder = m_strCheckoutFolder;
    CString name = m_strCheckoutName;
    m_strCheckoutFolder.Empty();
    m_strCheckoutName.Empty();
    BOOL released = FALSE;
    try {
        ZnAppCheckoutTblDAO checkouts;
        checkouts.SetDBPath(folder + m_appMDB.GetAppBukkenMdb());
        checkouts.Open(dbOpenDynaset, nullptr, 0);
        for (; !checkouts.IsEOF(); checkouts.MoveNext())
            if (checkouts.m_BukkenKeyName == name) {
                checkouts.Delete();
                released = TRUE;
                break;
            }
        checkouts.Close();
    } catch (CException* e) {
        // A register that is gone or read-only keeps its row; the next run can still release it.
        e->Delete();
        released = FALSE;
    }
    return released;
}

CWnd* CMainFrame::GetPanelById(int id)
{
    switch (id) {
    case IDD_MAINMENUBAR:
        return &m_wndMainMenuBar;
    case IDD_BUKKEN_INPUT:
        return &m_dlgBukkenInput;
    case IDD_SELECT_OBJ:
        return &m_dlgSelectObj;
    default:
        return nullptr;
    }
}

CDialogBar* CMainFrame::PanelBar(int panel)
{
    switch (panel) {
    case IDD_COMMONDATABAR:
        return &m_wndCommonDataBar;
    case IDD_DOCTYPEBAR:
        return &m_wndDocTypeBar;
    case IDD_CONFIRMKINDBAR:
        return &m_wndConfirmKindBar;
    case IDD_COMPLETIONKINDBAR:
        return &m_wndCompletionKindBar;
    case IDD_OTHERFORMSBAR:
        return &m_wndOtherFormsBar;
    case IDD_INTERIMKINDBAR:
        return &m_wndInterimKindBar;
    case IDD_FDMENUBAR:
        return &m_wndFdMenuBar;
    default:
        return nullptr;
    }
}

void CMainFrame::SwitchMenu(int command)
{
    switch (command) {
    case IDC_TOP_COMMONDATA:
        OnCommonData();
        break;
    case IDC_TOP_FDCREATE:
        OnFDCreate();
        break;
    case IDC_TOP_SELECTBUKKEN:
        OnSelectBukken();
        break;
    case IDC_TOP_BUKKENDATA:
        OnBukkenData();
        break;
    case IDC_TOP_MENUDISPLAY:
        OnMenuDisplay();
        break;
    default:
        break;
    }
}

void CMainFrame::DestroyPanel()
{
    if (m_nNextPanel == 0)
        return;
    if (m_nShownPanel == IDD_DOCTYPEBAR || m_nShownPanel == IDD_CONFIRMKINDBAR ||
        m_nShownPanel == IDD_COMPLETIONKINDBAR || m_nShownPanel == IDD_OTHERFORMSBAR ||
        m_nShownPanel == IDD_INTERIMKINDBAR) {
        // The panels of the floppy-output screens go together.
        for (int panel :
             {IDD_DOCTYPEBAR, IDD_CONFIRMKINDBAR, IDD_COMPLETIONKINDBAR, IDD_OTHERFORMSBAR, IDD_INTERIMKINDBAR})
            PanelBar(panel)->DestroyWindow();
    } else if (CDialogBar* bar = PanelBar(m_nShownPanel)) {
        bar->DestroyWindow();
    }
    m_nShownPanel = 0;
    m_nCurrentPanel = 0;
}

int CMainFrame::CreatePanel()
{
    if (CDialogBar* bar = PanelBar(m_nNextPanel)) {
        if (!bar->Create(this, m_nNextPanel, CBRS_LEFT | CBRS_TOOLTIPS | CBRS_FLYBY, m_nNextPanel))
            return 0;
        if (m_nNextPanel == IDD_OTHERFORMSBAR && m_nDocMode != DOCMODE_ZADAZEZ)
            if (CWnd* safety = bar->GetDlgItem(IDC_OBJ_SAFETY))
                safety->ShowWindow(SW_HIDE);
    }
    RecalcLayout();
    m_nShownPanel = m_nCurrentPanel = m_nNextPanel;
    ShowPanelCaption();
    ShowPanelSubCaption();
    return m_nNextPanel;
}

void CMainFrame::ShowPanelCaption()
{
    CDialogBar* bar = PanelBar(m_nCurrentPanel);
    const char* caption = PanelCaption(m_nCurrentPanel);
    if (!bar || !caption)
        return;
    bar->SetDlgItemText(IDC_PANEL_CAPTION, caption);
    if (m_nCurrentPanel != IDD_DOCTYPEBAR)
        return;
    for (const auto& label : docTypeLabels)
        bar->SetDlgItemText(label.docType, DocTypeLabel(label.docType, m_nDocMode));
}

void CMainFrame::ShowPanelSubCaption()
{
    CDialogBar* bar = PanelBar(m_nCurrentPanel);
    if (!bar)
        return;
    if (m_nCurrentPanel == IDD_OTHERFORMSBAR) {
        bar->SetDlgItemText(IDC_PANEL_SUBCAPTION, "その他の申請書・届出書");
        return;
    }
    if (m_nCurrentPanel != IDD_CONFIRMKINDBAR && m_nCurrentPanel != IDD_COMPLETIONKINDBAR &&
        m_nCurrentPanel != IDD_INTERIMKINDBAR)
        return;
    if (const char* label = DocTypeLabel(m_nDocType, m_nDocMode))
        bar->SetDlgItemText(IDC_PANEL_SUBCAPTION, label);
}

void CMainFrame::LeaveScreen()
{
    DestroyPanel();
    RecalcLayout();
    m_nNextPanel = 0;
    m_nBukkenData = m_nCommonData = m_nFd = 0;
    m_nScreen = 0;
}

void CMainFrame::ShowNextPanel(int panel)
{
    m_nNextPanel = panel;
    CreatePanel();
}

void CMainFrame::ShowBukkenDataIfChosen()
{
    if (m_nBukkenData == 1 && m_nBukkenSelected == 1)
        ShowNextPanel(PANEL_BUKKENDATA);
}

void CMainFrame::EnterScreen(int panel, int& screenGroupFlag)
{
    LeaveScreen();
    ShowNextPanel(panel);
    screenGroupFlag = 1;
    m_nScreen = 1;
}

void CMainFrame::OnCommonData() { EnterScreen(IDD_COMMONDATABAR, m_nCommonData); }

void CMainFrame::OnBukkenData() { EnterScreen(PANEL_BUKKENDATA, m_nBukkenData); }

void CMainFrame::OnFDCreate() { EnterScreen(IDD_DOCTYPEBAR, m_nFd); }

void CMainFrame::OnNumberInput()
{
    LeaveScreen();
    m_nScreen = 1;
    ShowNextPanel(IDD_FDMENUBAR);
    if (CZnAppProApp* app = ZnGetApp())
        app->ChangeView(app->GetFormTemplate(RUNTIME_CLASS(ZnFvAppCAHJ0100)));
}

void CMainFrame::NewBukken(LPCTSTR kindCaption, int mode)
{
    LeaveScreen();
    m_strKindCaption = kindCaption;
    m_dlgBukkenInput.DoModal();
    if (m_nBukkenData == 1 && m_nBukkenSelected == 1) {
        m_nDocMode = mode;
        ShowNextPanel(PANEL_BUKKENDATA);
    }
}

void CMainFrame::OnNewZadazez() { NewBukken(kZadazezCaption, DOCMODE_ZADAZEZ); }

void CMainFrame::OnNewKeikaku() { NewBukken(kKeikakuCaption, DOCMODE_KEIKAKU); }

void CMainFrame::OnSelectBukken()
{
    LeaveScreen();
    m_dlgSelectObj.DoModal();
    ShowBukkenDataIfChosen();
}

void CMainFrame::OnFDLoad()
{
    ZnDlgAppFDImport import;
    LeaveScreen();
    import.DoModal();
    ShowBukkenDataIfChosen();
}

void CMainFrame::OnMenuDisplay() { LeaveScreen(); }

void CMainFrame::OnSave()
{
    m_nSaving = 1;
    m_wndMainMenuBar.MenuAction();
    m_nSaving = 0;
}

BOOL CMainFrame::OnEditCommand(UINT nID)
{
    CWnd* focus = CWnd::GetFocus();
    if (!focus || !focus->IsKindOf(RUNTIME_CLASS(CEdit)))
        return TRUE;
    for (const EditCommand& command : editCommands)
        if (command.command == nID)
            focus->SendMessage(command.message, 0, 0);
    return TRUE;
}

CString CMainFrame::FocusedShortText()
{
    CWnd* focus = CWnd::GetFocus();
    CString text;
    if (focus && focus->IsKindOf(RUNTIME_CLASS(CEdit))) {
        focus->GetWindowText(text);
        int start = 0, end = 0;
        static_cast<CEdit*>(focus)->GetSel(start, end);
        if (start != end)
            text = text.Mid(start, end - start);
    } else if (focus && focus->IsKindOf(RUNTIME_CLASS(CComboBox))) {
        focus->GetWindowText(text);
    }
    return text;
}

void CMainFrame::OnShortTextRegister()
{
    CString text = FocusedShortText();
    if (text.IsEmpty())
        return;
    FilterChars(text, "|");
    ZnAppTanbunTblDAO tanbun;
    tanbun.Open(dbOpenDynaset, nullptr, 0);
    tanbun.AddNew();
    tanbun.m_Tanbun = text;
    tanbun.Update();
    tanbun.Close();
    ZnDlgAppTanbunRegist registered;
    registered.DoModal();
}

void CMainFrame::OnShortTextPaste()
{
    CWnd* focus = CWnd::GetFocus();
    if (!focus || !focus->IsKindOf(RUNTIME_CLASS(CEdit)))
        return;
    ZnDlgAppTanbunPaste paste;
    paste.m_pTarget = static_cast<CEdit*>(focus);
    paste.DoModal();
}

void CMainFrame::OnShortTextEdit()
{
    ZnDlgAppTanbunEdit edit;
    edit.DoModal();
}

void CMainFrame::OnShortTextCopy()
{
    ZnDlgAppTanbunCopy copy;
    copy.DoModal();
}

void CMainFrame::OnUpdateScreenNotOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nScreen != 1); }

void CMainFrame::OnUpdateNoScreen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nScreen == 0); }

void CMainFrame::OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nDataChanged != 0); }

void CMainFrame::OnUpdateInScreen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nBukkenSelected == 1 && m_nScreen == 1); }

void CMainFrame::OnUpdateOpenScreen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nBukkenSelected == 1 && m_nScreen == 0); }
