#include "fdoutput/ZnDlgAppFDPage.h"

#include "fdoutput/ZnDlgAppCheckProgress.h"
#include "fdoutput/ZnDlgAppProgress.h"
#include "fdoutput/ZnFDOutDocuments.h"
#include "fdoutput/ZnFDOutWording.h"
#include "model/ZnModelApp.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/CFileFind.h"
#include "platform/files/WinFileName.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CFileDialog.h"
#include "platform/wnd/MessageBox.h"
#include "res/FloppyOutputIds.h"
#include "shell/OutputFolderChoice.h"
#include "storage/ZnShellState.h"
#include "writers/ReadStoredDocument.h"
#include "writers/ZnAppDocFDOut00.h"

namespace {

const char kBitmapFilter[] = "ｲﾒｰｼﾞ (*.bmp)|*.bmp||";

ZnShellState& Shell() { return *ZnShellState::Current(); }

} // namespace

BEGIN_MESSAGE_MAP(ZnDlgAppFDPage, CDialog)
ON_WM_SHOWWINDOW()
ON_NOTIFY(NM_CLICK, IDC_FDP_LIST, OnClickList)
ON_BN_CLICKED(IDC_FDP_BTN_OUTPUT, OnFDOut)
ON_BN_CLICKED(IDC_FDP_BTN_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_FDP_BTN_SITE_MAP, OnSiteMap)
ON_BN_CLICKED(IDC_FDP_BTN_LAYOUT, OnLayoutPlan)
END_MESSAGE_MAP()

ZnDlgAppFDPage::ZnDlgAppFDPage(UINT nIDTemplate, CWnd* pParent, const ZnFDOutPageValues& values)
    : CDialog(nIDTemplate, pParent), m_values(values)
{
}

void ZnDlgAppFDPage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FDP_LIST, m_listDocuments);
    DDX_Control(pDX, IDC_FDP_COMBO_FORMAT, m_comboFormat);
    DDX_Control(pDX, IDC_FDP_EDIT_RECEPTION, m_editReception);
    DDX_Control(pDX, IDC_FDP_EDIT_OUTPUT, m_editOutput);
}

BOOL ZnDlgAppFDPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nDocMode = Shell().GetDocMode(0);
    m_pType = m_values.ForType(Shell().GetDocType());
    m_editOutput.SetWindowText(Shell().GetOutputFolder());
    AddColumns();
    if (!m_pType)
        return TRUE;

    ReadRegister([this] { ListDocuments(); });
    ShowRelatedDocuments();
    HideTypeControls();
    if (m_listDocuments.GetItemCount() > 0)
        m_listDocuments.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    int code = DocKindCode();
    Shell().SetCurrentDocument(code, DocumentTitle(code), m_pType->formNo);
    if (m_pType->loadsFormFile)
        LoadDocumentFile(PropertyFilePath(Shell().MakeFormFileName(m_pType->formNo)));
    else
        LoadSelectedDocument();
    ShowApplicationDate();
    ShowComment();
    if (!m_values.formatOnShow)
        FillFormatCombo();
    return TRUE;
}

void ZnDlgAppFDPage::AddColumns()
{
    CRect client;
    m_listDocuments.GetClientRect(&client);
    int width = client.Width() - GetSystemMetrics(SM_CXHTHUMB) - OtherColumnsWidth();
    m_listDocuments.InsertColumn(0, ZnFDOutWording::DocumentColumnTitle(m_nDocMode), LVCFMT_LEFT, width);
    if (!m_pType)
        return;
    int column = 1;
    for (const ZnFDOutColumn& other : m_pType->columns)
        m_listDocuments.InsertColumn(column++, other.title, LVCFMT_LEFT, other.width);
}

int ZnDlgAppFDPage::OtherColumnsWidth() const
{
    if (!m_pType)
        return ZnFDOutPageValues::kOtherColumnsWidth;
    int width = 0;
    for (const ZnFDOutColumn& other : m_pType->columns)
        width += other.width;
    return width;
}

void ZnDlgAppFDPage::ListDocuments()
{
    m_listDocuments.DeleteAllItems();
    m_fileNames.clear();
    std::vector<ZnFDOutDocument> documents =
        ZnFDOutDocuments::List(ZnFDOutDocuments::RegisterPath(), Shell().GetFrameBukkenIndex(), DocKindCode());
    int reception = m_pType->receptionColumn;
    for (size_t i = 0; i < documents.size(); ++i) {
        const ZnFDOutDocument& document = documents[i];
        int row = m_listDocuments.InsertItem(static_cast<int>(i), document.name);
        m_listDocuments.SetItemText(row, reception - 1, document.date);
        m_listDocuments.SetItemText(row, reception, document.reception);
        m_listDocuments.SetItemText(row, reception + 1, document.certificate);
        m_fileNames.push_back(document.fileName);
    }
    if (!documents.empty())
        m_editReception.SetWindowText(documents.front().reception);
}

void ZnDlgAppFDPage::HideTypeControls()
{
    for (UINT id : m_pType->hiddenControls)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(SW_HIDE);
}

int ZnDlgAppFDPage::DocKindCode() const
{
    return m_pType->docKindCode ? m_pType->docKindCode : ZnAppDocFDOut00::GetDocKindCode(m_values.objectKind);
}

CString ZnDlgAppFDPage::DocumentTitle(int docKindCode) const
{
    return m_values.titleFromKindName ? Shell().DocKindName(docKindCode, m_nDocMode, 1)
                                      : ZnAppDocFDOut00::GetDocTitle(m_values.objectKind);
}

CString ZnDlgAppFDPage::PropertyFilePath(const CString& fileName) const
{
    return Shell().GetObjFolder() + "\\" + Shell().GetBukkenName() + "\\" + fileName;
}

void ZnDlgAppFDPage::PrepareSlots()
{
    Shell().ReplaceModel(ZnShellState::appModelSlot, new ZnModelApp);
    Shell().ReplaceModel(ZnShellState::formModelSlot, m_pType->makeFormModel ? m_pType->makeFormModel() : nullptr);
    Shell().ReplaceModel(ZnShellState::subFormModelSlot,
                         m_pType->makeSubFormModel ? m_pType->makeSubFormModel() : nullptr);
}

void ZnDlgAppFDPage::LoadDocumentFile(const CString& path)
{
    PrepareSlots();
    ZnModel* slots[ZnShellState::kModelSlotCount];
    for (int slot = 0; slot < ZnShellState::kModelSlotCount; ++slot)
        slots[slot] = Shell().GetModel(slot);
    if (ReadDocumentFile(path, slots, ZnShellState::kModelSlotCount) == storedDocumentUnreadable)
        PrepareSlots(); // nothing of a half-read file stays
    Shell().SetDataChanged(0);
}

void ZnDlgAppFDPage::LoadSelectedDocument()
{
    int row = GetSelectedRow();
    if (row < 0 || row >= static_cast<int>(m_fileNames.size()))
        return;
    const CString& fileName = m_fileNames[row];
    // A name such as "..\x" would lie outside the property's folder: it is taken as missing.
    LoadDocumentFile(IsWinFileName(fileName) ? PropertyFilePath(fileName) : CString());
}

const ZnModelApp* ZnDlgAppFDPage::LoadedApp()
{
    return dynamic_cast<const ZnModelApp*>(Shell().GetModel(ZnShellState::appModelSlot));
}

void ZnDlgAppFDPage::ShowApplicationDate()
{
    const ZnModelApp* app = LoadedApp();
    SetDlgItemText(IDC_FDP_EDIT_YEAR, ZnAppDocFDOut00::GetShinseiDatePart(app, 0));
    SetDlgItemText(IDC_FDP_EDIT_MONTH, ZnAppDocFDOut00::GetShinseiDatePart(app, 1));
    SetDlgItemText(IDC_FDP_EDIT_DAY, ZnAppDocFDOut00::GetShinseiDatePart(app, 2));
}

void ZnDlgAppFDPage::ShowComment()
{
    const ZnModelApp* app = LoadedApp();
    if (m_pType->commentColumn < 0 || !app || m_listDocuments.GetItemCount() == 0)
        return;
    m_listDocuments.SetItemText(0, m_pType->commentColumn, app->GetHeader().GetLocalData().m_localText);
}

void ZnDlgAppFDPage::FillFormatCombo()
{
    m_comboFormat.ResetContent();
    std::vector<CString> choices = ZnFDOutWording::FormatChoices(m_nDocMode);
    for (size_t i = 0; i < choices.size(); ++i)
        m_comboFormat.InsertString(static_cast<int>(i), choices[i]);
    CString reception;
    m_editReception.GetWindowText(reception);
    m_comboFormat.SetCurSel(ZnFDOutWording::FormatFor(reception));
}

void ZnDlgAppFDPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (!m_values.formatOnShow)
        return;
    UpdateData(TRUE);
    FillFormatCombo();
    SetShownValues();
    UpdateData(FALSE);
}

void ZnDlgAppFDPage::ReportException(CException* e)
{
    AfxReportException(e);
    e->Delete();
}

int ZnDlgAppFDPage::GetSelectedRow() const
{
    for (int row = 0; row < m_listDocuments.GetItemCount(); ++row)
        if (m_listDocuments.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED)
            return row;
    return -1;
}

void ZnDlgAppFDPage::OnClickList(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    int row = GetSelectedRow();
    if (!m_pType || m_pType->loadsFormFile || row < 0)
        return;
    LoadSelectedDocument();
    ShowApplicationDate();
    CString reception = m_listDocuments.GetItemText(row, m_pType->receptionColumn);
    m_editReception.SetWindowText(reception);
    m_comboFormat.SetCurSel(ZnFDOutWording::FormatFor(reception));
    UpdateData(FALSE);
}

void ZnDlgAppFDPage::OnBrowse()
{
    CString folder;
    if (ChooseOutputFolder(this, folder))
        m_editOutput.SetWindowText(folder);
}

void ZnDlgAppFDPage::OnSiteMap() { BrowseBitmap(IDC_FDP_EDIT_SITE_MAP); }

void ZnDlgAppFDPage::OnLayoutPlan() { BrowseBitmap(IDC_FDP_EDIT_LAYOUT); }

void ZnDlgAppFDPage::BrowseBitmap(UINT editId)
{
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kBitmapFilter, nullptr);
    if (dialog.DoModal() == IDOK)
        SetDlgItemText(editId, dialog.GetPathName());
}

void ZnDlgAppFDPage::OnFDOut()
{
    if (CheckSelection(MB_ICONEXCLAMATION) && CheckOutputFolder() && ConfirmAndCheck())
        OutputFD(ReadRequest());
}

bool ZnDlgAppFDPage::CheckSelection(UINT icon)
{
    if (GetSelectedRow() >= 0)
        return true;
    AfxMessageBox(ZnFDOutWording::SelectMessage(m_nDocMode), icon);
    return false;
}

bool ZnDlgAppFDPage::CheckOutputFolder()
{
    // An empty folder would put the floppy's folders at the root of the current drive.
    CString folder;
    m_editOutput.GetWindowText(folder);
    if (!folder.IsEmpty())
        return true;
    AfxMessageBox("出力先を選択してください。", MB_ICONEXCLAMATION);
    return false;
}

bool ZnDlgAppFDPage::ConfirmAndCheck()
{
    if (m_dlgConfirm.DoModal() != IDOK)
        return false;
    if (m_dlgConfirm.m_nRadio != 0)
        return true;
    RunCheck();
    return m_dlgCheckResult.DoModal() == IDOK;
}

void ZnDlgAppFDPage::RunCheck()
{
    ZnDlgAppCheckProgress note;
    note.Create();
    m_dlgCheckResult.m_strObjKindTitle =
        m_values.checkTitle ? CString(m_values.checkTitle) : ZnAppDocFDOut00::GetObjectKindName(m_values.objectKind);
    m_dlgCheckResult.m_messages.RemoveAll();
    for (const CString& message : CheckInput())
        m_dlgCheckResult.m_messages.Add(message);
    note.DestroyWindow();
}

std::vector<CString> ZnDlgAppFDPage::CheckInput()
{
    return m_pType && m_pType->check ? m_pType->check(MakeCheckInput()) : std::vector<CString>();
}

ZnFDOutCheckInput ZnDlgAppFDPage::MakeCheckInput() const
{
    ZnFDOutCheckInput input;
    input.app = Shell().GetModel(ZnShellState::appModelSlot);
    input.form = Shell().GetModel(ZnShellState::formModelSlot);
    input.subForm = Shell().GetModel(ZnShellState::subFormModelSlot);
    input.docType = Shell().GetDocType();
    input.docMode = m_nDocMode;
    return input;
}

ZnFDOutRequest ZnDlgAppFDPage::ReadRequest() const
{
    ZnFDOutRequest request;
    m_editOutput.GetWindowText(request.root);
    request.submissionIndex = m_comboFormat.GetCurSel();
    GetDlgItemText(IDC_FDP_EDIT_SITE_MAP, request.siteMapPath);
    GetDlgItemText(IDC_FDP_EDIT_LAYOUT, request.layoutPath);
    return request;
}

void ZnDlgAppFDPage::OutputFD(const ZnFDOutRequest& request)
{
    ZnDlgAppProgress note;
    note.Create();
    WriteFloppy(request);
    note.DestroyWindow();
}

void ZnDlgAppFDPage::WriteFloppy(const ZnFDOutRequest& request)
{
    if (m_pType && m_pType->output)
        m_pType->output(request);
}
