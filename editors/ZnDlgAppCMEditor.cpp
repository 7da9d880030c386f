#include "editors/ZnDlgAppCMEditor.h"

#include "platform/database/AfxDao.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDataExchange.h"
#include "res/CommonDataIds.h"
#include "shell/ZnDirectoryDialog.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppKeyedTblDAO.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnDatabaseTemplate.h"
#include "storage/ZnShellState.h"

IMPLEMENT_DYNAMIC(ZnDlgAppCMEditor, CDialog)

BEGIN_MESSAGE_MAP(ZnDlgAppCMEditor, CDialog)
ON_BN_CLICKED(IDC_CD_NEW, OnNew)
ON_BN_CLICKED(IDC_CD_EDIT, OnEdit)
ON_BN_CLICKED(IDC_CD_REGISTER, OnRegister)
ON_BN_CLICKED(IDC_CD_CANCEL, OnCancelInput)
ON_BN_CLICKED(IDC_CD_COPY, OnCopy)
ON_BN_CLICKED(IDC_CD_DELETE, OnDelete)
ON_BN_CLICKED(IDC_CD_COPY_TO_DIR, OnCopyToDirectory)
ON_CBN_SELCHANGE(IDC_CD_TODOUFUKEN, OnSelChangeTodoufuken)
END_MESSAGE_MAP()

namespace {

// The width of the second list column, in pixels; the key's column takes the rest.
const int kSecondColumnWidth = 360;
// The one character that no key may hold.
const char kRejectedInKey[] = "|";

void ShowError(const CString& text) { AfxMessageBox(text, MB_ICONSTOP); }

} // namespace

ZnDlgAppCMEditor::ZnDlgAppCMEditor(UINT nIDTemplate, const ZnCMEditorSpec& spec, const std::vector<ZnCMField>& fields,
                                   const std::vector<ZnCMCodeList>& codeLists)
    : CDialog(nIDTemplate), m_spec(spec), m_fields(fields), m_codeLists(codeLists)
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const ZnCMInput& input = m_fields[i].input;
        auto edit = std::make_unique<ZnEditCtrl>();
        if (input.halfWidthKana) {
            edit->GetImp()->m_nConversionMode = VhEditCtrlImp::NativeKatakana;
            edit->GetImp()->m_bFullShape = 0;
        }
        if (m_fields[i].id == spec.keyId) {
            m_keyField = i;
            edit->GetImp()->m_strRejected = kRejectedInKey;
        }
        if (m_fields[i].id == spec.column1Id)
            m_column1Field = i;
        m_setupList.Add(
            new VhEditSetup(edit.get(), input.maxBytes, input.charMask, input.imeOpenMode, input.format, 0));
        m_edits.push_back(std::move(edit));
    }
}

ZnDlgAppCMEditor::~ZnDlgAppCMEditor() = default;

void ZnDlgAppCMEditor::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (size_t i = 0; i < m_fields.size(); ++i)
        DDX_Control(pDX, static_cast<int>(m_fields[i].id), *m_edits[i]);
    DDX_Control(pDX, static_cast<int>(m_spec.listId), m_list);
}

BOOL ZnDlgAppCMEditor::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_setupList.Apply();
    m_strKey = "";
    ResetMode();
    EnableInput(0);
    InsertColumns();
    for (const ZnCMCodeList& list : m_codeLists)
        list.Fill(CodeCombo(list));
    if (m_spec.prefecture)
        m_address.Fill(*static_cast<CComboBox*>(GetDlgItem(IDC_CD_TODOUFUKEN)));
    FillList();
    return TRUE;
}

void ZnDlgAppCMEditor::InsertColumns()
{
    CRect client;
    m_list.GetClientRect(&client);
    int width = client.Width() - GetSystemMetrics(SM_CXHTHUMB);
    if (!m_spec.heading1) {
        m_list.InsertColumn(0, m_spec.heading0, LVCFMT_LEFT, width);
        return;
    }
    m_list.InsertColumn(0, m_spec.heading0, LVCFMT_LEFT, width - kSecondColumnWidth);
    m_list.InsertColumn(1, m_spec.heading1, LVCFMT_LEFT, kSecondColumnWidth);
}

CComboBox& ZnDlgAppCMEditor::CodeCombo(const ZnCMCodeList& list)
{
    return *static_cast<CComboBox*>(GetDlgItem(static_cast<int>(list.GetId())));
}

BOOL ZnDlgAppCMEditor::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == CBN_SELCHANGE)
        for (ZnCMCodeList& list : m_codeLists)
            if (list.GetId() == LOWORD(wParam))
                list.OnSelChange();
    return CDialog::OnCommand(wParam, lParam);
}

void ZnDlgAppCMEditor::FillList()
{
    std::unique_ptr<ZnAppKeyedTblDAO> recordset = NewRecordset();
    recordset->Open(dbOpenDynaset, nullptr, 0);
    m_list.DeleteAllItems();
    ZnCMRecord record;
    for (; !recordset->IsEOF(); recordset->MoveNext()) {
        ReadRecord(*recordset, record);
        int row = m_list.InsertItem(0, KeyOf(record));
        if (m_spec.heading1)
            m_list.SetItemText(row, 1, record.texts[m_column1Field]);
    }
    recordset->Close();
}

CString ZnDlgAppCMEditor::GetSelectedName() const
{
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        if (m_list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)
            return m_list.GetItemText(i, 0);
    return CString();
}

int ZnDlgAppCMEditor::IsNameUnique(const CString& name) const
{
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        if (m_list.GetItemText(i, 0).Bytes() == name.Bytes())
            return 0;
    return 1;
}

void ZnDlgAppCMEditor::EnableInput(int enable)
{
    for (auto& edit : m_edits) {
        if (!enable)
            edit->SetWindowText("");
        edit->EnableWindow(enable);
    }
    for (ZnCMCodeList& list : m_codeLists) {
        if (!enable)
            list.Clear(CodeCombo(list));
        CodeCombo(list).EnableWindow(enable);
    }
    if (m_spec.prefecture) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_CD_TODOUFUKEN));
        if (!enable)
            m_address.Clear(*combo);
        combo->EnableWindow(enable);
    }
    if (enable)
        GetDlgItem(m_spec.focusId)->SetFocus();
    else
        m_strKey = "";
}

bool ZnDlgAppCMEditor::ReadRow(const CString& name, ZnCMRecord& record, const CString& dbPath) const
{
    std::unique_ptr<ZnAppKeyedTblDAO> recordset = NewRecordset();
    recordset->SetKeyFilter(name);
    recordset->SetDBPath(dbPath);
    recordset->Open(dbOpenDynaset, nullptr, 0);
    bool found = MoveToKey(*recordset, name, record);
    recordset->Close();
    return found;
}

bool ZnDlgAppCMEditor::MoveToKey(ZnAppKeyedTblDAO& recordset, const CString& key, ZnCMRecord& record) const
{
    for (; !recordset.IsEOF(); recordset.MoveNext()) {
        ReadRecord(recordset, record);
        if (KeyOf(record).Bytes() == key.Bytes())
            return true;
    }
    return false;
}

int ZnDlgAppCMEditor::LoadRecord(const CString& name)
{
    ZnCMRecord record;
    bool found = ReadRow(name, record);
    m_strKey = name;
    // A row gone since the list was filled leaves the fields as they are; storing then reports it.
    if (found)
        ShowRecord(record);
    return 1;
}

void ZnDlgAppCMEditor::ShowRecord(const ZnCMRecord& record)
{
    for (size_t i = 0; i < m_edits.size(); ++i)
        m_edits[i]->SetWindowText(record.texts[i]);
    for (size_t i = 0; i < m_codeLists.size(); ++i)
        m_codeLists[i].Load(CodeCombo(m_codeLists[i]), record.codes[i]);
    if (m_spec.prefecture)
        m_address.Load(*static_cast<CComboBox*>(GetDlgItem(IDC_CD_TODOUFUKEN)), record.todoufuken);
}

CString ZnDlgAppCMEditor::ItemText(UINT id) const
{
    CString text;
    GetDlgItemText(static_cast<int>(id), text);
    return text;
}

ZnCMRecord ZnDlgAppCMEditor::ReadInput()
{
    ZnCMRecord record;
    for (auto& edit : m_edits) {
        CString text;
        edit->GetWindowText(text);
        record.texts.push_back(text);
    }
    for (ZnCMCodeList& list : m_codeLists)
        record.codes.push_back(list.Store(CodeCombo(list)));
    if (m_spec.prefecture)
        record.todoufuken = m_address.Store(*static_cast<CComboBox*>(GetDlgItem(IDC_CD_TODOUFUKEN)));
    return record;
}

CString ZnDlgAppCMEditor::Message(const char* format) const
{
    CString text;
    text.Format(format, m_spec.keyLabel, m_spec.keyLabel);
    return text;
}

void ZnDlgAppCMEditor::OnNew()
{
    OnCancelInput();
    SetMode(modeNew);
    EnableInput(1);
}

void ZnDlgAppCMEditor::LoadSelected(int mode)
{
    // The mode changes only once a row is selected: a stray click keeps a new row's input storable.
    CString name = GetSelectedName();
    if (name.IsEmpty()) {
        ShowError(Message("編集する%sを選択してください。"));
        return;
    }
    LoadRecord(name);
    SetMode(mode);
    EnableInput(1);
}

void ZnDlgAppCMEditor::OnEdit() { LoadSelected(modeEdit); }

void ZnDlgAppCMEditor::OnCopy() { LoadSelected(modeCopy); }

void ZnDlgAppCMEditor::OnCancelInput()
{
    ResetMode();
    EnableInput(0);
    for (int i = 0; i < m_list.GetItemCount(); ++i)
        if (m_list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED) {
            m_list.SetItemState(i, 0, LVIS_SELECTED);
            break;
        }
}

void ZnDlgAppCMEditor::OnDelete()
{
    CString name = GetSelectedName();
    if (name.IsEmpty()) {
        ShowError(Message("削除する%sを選択してください。"));
        return;
    }
    if (AfxMessageBox(name + " を削除してもよろしいですか？", MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    // Deleting is the mode only once the row has gone: a refusal or a failure keeps the mode and
    // the input there were, so that 登録 still stores them.
    std::unique_ptr<ZnAppKeyedTblDAO> recordset = NewRecordset();
    recordset->SetKeyFilter(name);
    recordset->Open(dbOpenDynaset, nullptr, 0);
    ZnCMRecord row;
    if (MoveToKey(*recordset, name, row))
        recordset->Delete();
    recordset->Close();
    SetMode(modeDelete);
    FillList();
    ResetMode();
    EnableInput(0);
}

void ZnDlgAppCMEditor::RefuseInput(const CString& message)
{
    ShowError(message);
    GetDlgItem(m_spec.keyId)->SetFocus();
}

void ZnDlgAppCMEditor::OnRegister()
{
    CString text = ItemText(m_spec.keyId);
    if (text.IsEmpty())
        return RefuseInput(Message("%sを入力してください。"));
    bool adding = m_nMode == modeNew || m_nMode == modeCopy;
    bool editing = m_nMode == modeEdit && !m_strKey.IsEmpty();
    if (adding && !IsNameUnique(text))
        return RefuseInput(Message("指定の%sは既に登録済みです。"));
    if (editing && text.Bytes() != m_strKey.Bytes() && !IsNameUnique(text))
        return RefuseInput(Message("編集後の%sは他の%sと重複しています。"));
    if (adding || editing) {
        ZnCMRecord input = ReadInput();
        std::unique_ptr<ZnAppKeyedTblDAO> recordset = NewRecordset();
        recordset->SetKeyFilter(m_strKey);
        recordset->Open(dbOpenDynaset, nullptr, 0);
        ZnCMRecord row;
        if (adding) {
            recordset->AddNew();
        } else {
            // A row gone since it was loaded leaves the recordset at its end, where editing fails
            // with "no current record" and nothing is written.
            MoveToKey(*recordset, m_strKey, row);
            recordset->Edit();
        }
        WriteRecord(input, *recordset);
        recordset->Update();
        recordset->Close();
    }
    ResetMode();
    EnableInput(0);
    FillList();
}

void ZnDlgAppCMEditor::OnCopyToDirectory()
{
    CString name = GetSelectedName();
    if (name.IsEmpty()) {
        ShowError("コピーするデータを選択してください。");
        return;
    }
    ZnDirectoryDialog picker(nullptr);
    picker.DoModal();
    CString folder = picker.m_strPath;
    if (folder.IsEmpty()) {
        ShowError("他ﾃﾞｨﾚｸﾄﾘへのｺﾋﾟｰはｷｬﾝｾﾙされました。");
        return;
    }
    // The source row is read first: a row gone from the table copies nothing, not an empty row.
    ZnCMRecord source;
    if (!ReadRow(name, source))
        ThrowDaoError(daoErrNoCurrentRecord);
    if (!PrepareTarget(folder)) {
        ShowError("共通データのコピーに失敗しました。");
        return;
    }
    if (!AddToTarget(source, folder + ZnShellState::Current()->GetAppMDB()->GetAppUserRegistMdb())) {
        ShowError("指定のデータは既に登録済みです。");
        return;
    }
    AfxMessageBox("指定のデータを登録しました。", MB_ICONINFORMATION);
}

bool ZnDlgAppCMEditor::PrepareTarget(const CString& folder)
{
    ZnShellState* shell = ZnShellState::Current();
    return ZnPrepareDatabaseFromTemplate(shell->GetAppFolder(), shell->GetAppMDB()->GetAppUserRegistMdb(), folder,
                                         appUserRegistSchema) == ZnTemplateOutcome::ready;
}

bool ZnDlgAppCMEditor::AddToTarget(const ZnCMRecord& record, const CString& dbPath) const
{
    std::unique_ptr<ZnAppKeyedTblDAO> target = NewRecordset();
    target->SetDBPath(dbPath);
    target->Open(dbOpenDynaset, nullptr, 0);
    ZnCMRecord row;
    for (; !target->IsEOF(); target->MoveNext()) {
        ReadRecord(*target, row);
        if (KeyOf(row).Bytes() == KeyOf(record).Bytes()) {
            target->Close();
            return false;
        }
    }
    target->AddNew();
    WriteRecord(record, *target);
    target->Update();
    target->Close();
    return true;
}

void ZnDlgAppCMEditor::OnSelChangeTodoufuken()
{
    m_address.OnSelChange(*static_cast<CComboBox*>(GetDlgItem(IDC_CD_TODOUFUKEN)), *GetDlgItem(IDC_CD_JUUSHO));
}
