#include "app/ZnDlgAppBukkenInput.h"

#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "shell/ZnDateText.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CDataExchange.h"
#include "res/MainFrameIds.h"
#include "shell/DriveRootFolder.h"
#include "shell/PropertyNameEdit.h"
#include "shell/ZnDirectoryDialog.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/PatchUserRegistMdb.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppCheckoutTblDAO.h"
#include "storage/ZnAppChiikiShiteiQ2TblDAO.h"
#include "storage/ZnAppChiikiShiteiTblDAO.h"
#include "storage/ZnDatabaseTemplate.h"
#include "storage/ZnRunLog.h"

namespace {

const char kZadazezKind[] = "確認申請書";

ZnDlgAppBukkenInput::Clock g_clock = nullptr;

// name inside folder; a folder that ends with its separator (a drive root) gets no second one.
CString JoinPath(const CString& folder, const CString& name)
{
    return EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
}

void ShowError(LPCTSTR text) { AfxMessageBox(text, MB_ICONSTOP); }

} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppBukkenInput, CDialog)
ON_WM_SHOWWINDOW()
ON_BN_CLICKED(IDC_BI_BTN_BUKKEN, OnBukkenData)
ON_BN_CLICKED(IDC_BI_BTN_COM, OnCommonData)
END_MESSAGE_MAP()

ZnDlgAppBukkenInput::ZnDlgAppBukkenInput(CWnd* pParent) : CDialog(IDD_BUKKEN_INPUT, pParent)
{
    SetUpPropertyNameEdit(m_editName, m_setupList);
}

ZnDlgAppBukkenInput::Clock ZnDlgAppBukkenInput::SetClock(Clock clock)
{
    Clock previous = g_clock;
    g_clock = clock;
    return previous;
}

void ZnDlgAppBukkenInput::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BI_EDIT_NAME, m_editName);
    DDX_Control(pDX, IDC_BI_COMBO_SHUBETSU, m_comboShubetsu);
}

BOOL ZnDlgAppBukkenInput::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_setupList.Apply();
    return TRUE;
}

void ZnDlgAppBukkenInput::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    FillChiikiCombo();
    CZnAppProApp* app = ZnGetApp();
    m_comboShubetsu.SelectString(-1, app->GetMainFrame()->GetKindCaption());
    SetDlgItemText(IDC_BI_EDIT_BUKKEN, app->GetObjFolder());
    SetDlgItemText(IDC_BI_EDIT_COM, app->GetComFolder());
}

void ZnDlgAppBukkenInput::FillChiikiCombo()
{
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_BI_COMBO_CHIIKI));
    ZnAppChiikiShiteiQ2TblDAO regions;
    regions.Open(dbOpenDynaset, nullptr, 0);
    combo->ResetContent();
    // Inserted, not added: the list keeps the query's order despite its sorted style.
    for (; !regions.IsEOF(); regions.MoveNext())
        combo->InsertString(-1, regions.m_ChiikiMei);
    regions.Close();
    combo->SetCurSel(0);
}

void ZnDlgAppBukkenInput::PickFolder(int editId)
{
    ZnDirectoryDialog picker(nullptr);
    if (picker.DoModal() == IDOK && !picker.m_strPath.IsEmpty())
        SetDlgItemText(editId, picker.m_strPath);
}

void ZnDlgAppBukkenInput::OnBukkenData() { PickFolder(IDC_BI_EDIT_BUKKEN); }

void ZnDlgAppBukkenInput::OnCommonData() { PickFolder(IDC_BI_EDIT_COM); }

CString ZnDlgAppBukkenInput::ItemText(int nID) const
{
    CString text;
    GetDlgItemText(nID, text);
    return text;
}

bool ZnDlgAppBukkenInput::IsPropertyFree(const CString& folder, const CString& name)
{
    if (!ZnPathExists(JoinPath(folder, name)))
        return true;
    ShowError("指定の物件は既に存在しています。");
    return false;
}

bool ZnDlgAppBukkenInput::RedirectDriveRoot()
{
    CString chosen = ItemText(IDC_BI_EDIT_BUKKEN);
    CString folder = chosen;
    bool accepted = ::RedirectDriveRoot(folder, nullptr);
    if (folder != chosen)
        SetDlgItemText(IDC_BI_EDIT_BUKKEN, folder);
    return accepted;
}

bool ZnDlgAppBukkenInput::IsCheckedOut(const CString& registerPath, const CString& name)
{
    ZnAppCheckoutTblDAO checkouts;
    checkouts.SetDBPath(registerPath);
    checkouts.Open(dbOpenDynaset, nullptr, 0);
    bool found = false;
    for (; !checkouts.IsEOF() && !found; checkouts.MoveNext())
        found = checkouts.m_BukkenKeyName == name;
    checkouts.Close();
    if (found)
        ShowError("指定の物件は現在使用中のため、選択できません。");
    return found;
}

bool ZnDlgAppBukkenInput::CheckReferenceDatabase(const CString& path)
{
    // The patch adds the registration number's column only where it is missing; a database that
    // cannot be changed must have it already.
    if (ZnDatabaseCanUpdate(path))
        return PatchUserRegistMdb(path) >= 0;
    CDaoDatabase* database = nullptr;
    CDaoTableDef* tableDef = nullptr;
    OpenMdb(&database, path, 1);
    bool hasColumn =
        database && OpenTableDef(database, &tableDef, "AppSetsubishaTbl") && FieldExists(tableDef, "TourokuBangou");
    CloseTableDef(&tableDef);
    CloseMdb(&database);
    if (!hasColumn)
        ShowError("共通データのデータベースは書き込めないため、登録番号の列を追加できません。\n" + path);
    return hasColumn;
}

bool ZnDlgAppBukkenInput::CheckInput()
{
    CString name = ItemText(IDC_BI_EDIT_NAME);
    if (ItemText(IDC_BI_COMBO_CHIIKI).IsEmpty()) {
        ShowError("地域指定を選択してください。");
        return false;
    }
    if (name.IsEmpty()) {
        ShowError("物件名を入力してください。");
        return false;
    }
    if (name == "." || name == "..") {
        // Either would make the property's folder the property-data folder or its parent.
        ShowError("物件名に「.」や「..」は使えません。");
        return false;
    }
    if (!IsPropertyFree(ItemText(IDC_BI_EDIT_BUKKEN), name) || !RedirectDriveRoot() ||
        !IsPropertyFree(ItemText(IDC_BI_EDIT_BUKKEN), name))
        return false;
    CZnAppProApp* app = ZnGetApp();
    ZnAppMDB* files = app->GetAppMDB();
    CString folder = ItemText(IDC_BI_EDIT_BUKKEN);
    CString comFolder = ItemText(IDC_BI_EDIT_COM);
    if (!ZnMakeDatabaseFromTemplate(app->GetAppFolder(), files->GetAppUserRegistMdb(), comFolder,
                                    appUserRegistSchema) ||
        !ZnMakeDatabaseFromTemplate(app->GetAppFolder(), files->GetAppBukkenMdb(), folder, appBukkenSchema))
        return false;
    CString registerPath = folder + files->GetAppBukkenMdb();
    if (!ZnDatabaseCanUpdate(registerPath)) {
        ShowError("物件の登録先のデータベースは書き込めません。\n" + registerPath);
        return false;
    }
    return !IsCheckedOut(registerPath, name) && CheckReferenceDatabase(comFolder + files->GetAppUserRegistMdb());
}

int ZnDlgAppBukkenInput::GetChiikiBangou(const CString& region)
{
    ZnAppChiikiShiteiTblDAO regions;
    regions.Open(dbOpenDynaset, nullptr, 0);
    int number = 1;
    for (; !regions.IsEOF(); regions.MoveNext())
        if (regions.m_ChiikiMei == region) {
            number = regions.m_ChiikiBangou;
            break;
        }
    regions.Close();
    return number;
}

void ZnDlgAppBukkenInput::UpdateChiikiShitei(const CString& region)
{
    ZnAppChiikiShiteiTblDAO regions;
    try {
        regions.Open(dbOpenDynaset, nullptr, 0);
        for (; !regions.IsEOF(); regions.MoveNext()) {
            BOOL mark = regions.m_ChiikiMei == region;
            if (!regions.m_ShokiSentakuFlg == !mark)
                continue;
            regions.Edit();
            regions.m_ShokiSentakuFlg = mark;
            regions.Update();
        }
        regions.Close();
    } catch (CDaoException* e) {
        // An Access COM_CHIIKI.mdb is read only: the region chosen before stays marked.
        CString message;
        message.Format("地域指定【%s】を初期選択にできませんでした（%ld：%s）。", static_cast<LPCTSTR>(region),
                       static_cast<long>(e->m_pErrorInfo->m_lErrorCode),
                       static_cast<LPCTSTR>(e->m_pErrorInfo->m_strDescription));
        ZnRunLog::Write(ZnRunLog::levelWarn, message, "ZnDlgAppBukkenInput", "UpdateChiikiShitei()");
        e->Delete();
    }
}

int ZnDlgAppBukkenInput::RegisterBukken(const CString& registerPath, const CString& name, int chiikiBangou,
                                        const CString& kind, const CString& folder, const COleDateTime& date)
{
    try {
        return ZnAppBukkenKanriTblDAO::AddProperty(registerPath, name, date, static_cast<short>(chiikiBangou),
                                                   kind == kZadazezKind ? 0 : 1, folder);
    } catch (CDaoException* e) {
        e->Delete();
        return 0;
    }
}

void ZnDlgAppBukkenInput::OnOK()
{
    if (!CheckInput())
        return;
    CZnAppProApp* app = ZnGetApp();
    CMainFrame* frame = app->GetMainFrame();
    CString region = ItemText(IDC_BI_COMBO_CHIIKI);
    CString kind = ItemText(IDC_BI_COMBO_SHUBETSU);
    CString folder = ItemText(IDC_BI_EDIT_BUKKEN);
    CString comFolder = ItemText(IDC_BI_EDIT_COM);
    CString name = ItemText(IDC_BI_EDIT_NAME);
    CString registerPath = folder + frame->GetAppMDB()->GetAppBukkenMdb();
    CString propertyFolder = JoinPath(folder, name);
    int chiikiBangou = GetChiikiBangou(region);

    COleDateTime now = g_clock ? g_clock() : COleDateTime::GetCurrentTime();
    COleDateTime today(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
    if (!CreateDirectory(propertyFolder, nullptr)) {
        ShowError("物件の初期生成に失敗しました。");
        return;
    }
    int index = RegisterBukken(registerPath, name, chiikiBangou, kind, folder, today);
    if (index == 0) {
        // The folder made above is still empty: removed, so that the next try can make it.
        RemoveDirectory(propertyFolder);
        ShowError("物件の登録に失敗しました。");
        return;
    }
    UpdateChiikiShitei(region);

    // The previous property is released in its own register, the new one checked out.
    if (!app->GetBukkenName().IsEmpty()) {
        frame->NoteCheckout(app->GetObjFolder(), app->GetBukkenName());
        frame->ReleaseCheckout();
    }
    ZnAppCheckoutTblDAO checkouts;
    checkouts.SetDBPath(registerPath);
    checkouts.Open(dbOpenDynaset, nullptr, 0);
    checkouts.AddNew();
    checkouts.m_BukkenKeyCode = 0;
    checkouts.m_BukkenKeyName = name;
    checkouts.Update();
    checkouts.Close();
    frame->NoteCheckout(folder, name);

    app->SetChiikiShitei(region);
    app->m_nChiikiBangou = chiikiBangou;
    app->SetShoruiShubetsu(kind);
    app->SetObjFolder(folder);
    app->SetComFolder(comFolder);
    app->SetBukkenName(name);
    app->SetSakuseibi(ZnDateText(today));
    frame->SetDocMode(kind == kZadazezKind ? DOCMODE_ZADAZEZ : DOCMODE_KEIKAKU);
    frame->SetBukkenIndex(index);
    CWnd* topBar = frame->GetPanelById(IDD_MAINMENUBAR);
    topBar->SetDlgItemText(IDC_TOP_BUKKENNAME, name);
    topBar->SetDlgItemText(IDC_TOP_SAKUSEIBI, ZnDateText(today));
    frame->SetBukkenSelected(1);
    frame->SetScreenFlag(1);
    frame->SetBukkenDataFlag(1);
    CDialog::OnOK();
}
