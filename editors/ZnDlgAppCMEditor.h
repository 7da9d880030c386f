// The pattern of every reference-data editor: a modeless child dialog over one table of
// APP_USER_REGIST.mdb that lists its rows by their key text and lets the user create (新規), edit
// (編集), copy (複写) and delete (削除) rows, store the input (登録), drop it (ｷｬﾝｾﾙ) and copy the
// selected row into the APP_USER_REGIST.mdb of another folder (他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ).
//
// An editor gives only its constants (ZnCMEditorSpec): its fields with their input settings, its
// key and the key's label in the messages, its list columns, whether it has the prefecture of the
// address block, and its code lists; ZnDlgAppCMTableEditor maps the fields to its recordset.
//
// Each handler opens its own recordset and closes it again. A database failure leaves the handler
// as the database layer's exception, which the framework reports; the mode, the fields and the
// list stay as they were at the failure, so nothing typed is lost.
#pragma once

#include "editors/ZnCMAddressBlock.h"
#include "editors/ZnCMCodeList.h"
#include "editors/ZnCMInput.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"
#include "shell/VhEditSetupList.h"
#include "shell/ZnEditCtrl.h"

#include <memory>
#include <vector>

class ZnAppKeyedTblDAO;

// One data field: its edit control and its input settings.
struct ZnCMField {
    UINT id;
    ZnCMInput input;
};

struct ZnCMEditorSpec {
    const char* keyLabel; // the key's name in the messages, such as "氏名"
    UINT keyId;           // the edit of the key
    UINT focusId;         // the field that takes the focus when the input opens
    UINT listId;
    const char* heading0; // the key's column
    const char* heading1; // a second column (360 pixels wide), or null
    UINT column1Id;       // the field shown in the second column
    bool prefecture;      // the address block's prefecture combo is there
};

// The values of one row as the editor reads and writes them: the texts in field order, with the
// prefecture its number, and the codes in the order of the code lists.
struct ZnCMRecord {
    std::vector<CString> texts;
    LONG todoufuken = -1;
    std::vector<CString> codes;
};

class ZnDlgAppCMEditor : public CDialog {
    DECLARE_DYNAMIC(ZnDlgAppCMEditor)
public:
    ~ZnDlgAppCMEditor() override;

    enum Mode { modeBrowse = 0, modeNew = 1, modeEdit = 2, modeCopy = 3, modeDelete = 4 };

    int GetMode() const { return m_nMode; }
    void SetMode(int mode) { m_nMode = mode; }
    void ResetMode() { m_nMode = modeBrowse; }
    // The key of the row last loaded by 編集 or 複写; "" otherwise.
    const CString& GetKey() const { return m_strKey; }
    CListCtrl& GetList() { return m_list; }

protected:
    ZnDlgAppCMEditor(UINT nIDTemplate, const ZnCMEditorSpec& spec, const std::vector<ZnCMField>& fields,
                     const std::vector<ZnCMCodeList>& codeLists = {});

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Esc neither close nor reset the editor: only its buttons act.
    void OnOK() override {}
    void OnCancel() override {}
    // Notes the user's choice in a code list before the message map sees the command.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg void OnNew();
    afx_msg void OnEdit();
    afx_msg void OnRegister();
    afx_msg void OnCancelInput();
    afx_msg void OnCopy();
    afx_msg void OnDelete();
    afx_msg void OnCopyToDirectory();
    afx_msg void OnSelChangeTodoufuken();
    DECLARE_MESSAGE_MAP()

    // The table: a new recordset over it, and the field values of its current row.
    virtual std::unique_ptr<ZnAppKeyedTblDAO> NewRecordset() const = 0;
    virtual void ReadRecord(ZnAppKeyedTblDAO& recordset, ZnCMRecord& record) const = 0;
    virtual void WriteRecord(const ZnCMRecord& record, ZnAppKeyedTblDAO& recordset) const = 0;
    // The key text of a record.
    const CString& KeyOf(const ZnCMRecord& record) const { return record.texts[m_keyField]; }

    // Reloads the list from the table: each row inserted at the top, so the list shows the
    // reverse of the table's order (initially selected rows first, each group ascending).
    void FillList();
    // The key text of the first selected row, or "".
    CString GetSelectedName() const;
    // 0 when a list row's key text equals name byte for byte, else 1.
    int IsNameUnique(const CString& name) const;
    // 1: enables the fields and focuses the first one; 0: empties and disables them and forgets
    // the loaded key.
    void EnableInput(int enable);
    // Loads the row with that key into the fields (when it is still there) and remembers its key.
    int LoadRecord(const CString& name);

private:
    // The row with that key into record: false when the table holds none.
    bool ReadRow(const CString& name, ZnCMRecord& record, const CString& dbPath = CString()) const;
    // Moves to the first row whose key equals key byte for byte, reading it into record: the
    // key filter compares text without case, as Jet does, and must not pick another row.
    bool MoveToKey(ZnAppKeyedTblDAO& recordset, const CString& key, ZnCMRecord& record) const;
    // What the fields hold, with the prefecture's number to store.
    ZnCMRecord ReadInput();
    void ShowRecord(const ZnCMRecord& record);
    void InsertColumns();
    CComboBox& CodeCombo(const ZnCMCodeList& list);
    // 編集 and 複写: loads the selected row in that mode, or asks for a selection.
    void LoadSelected(int mode);
    // The validation message of 登録, the focus back to the key; mode and fields stay.
    void RefuseInput(const CString& message);
    CString Message(const char* format) const;
    CString ItemText(UINT id) const;
    // 他ﾃﾞｨﾚｸﾄﾘへｺﾋﾟｰ: the target database in folder, made from the template where it is missing.
    bool PrepareTarget(const CString& folder);
    // Adds record to the table at dbPath unless a row has its key: whether it was added.
    bool AddToTarget(const ZnCMRecord& record, const CString& dbPath) const;

    const ZnCMEditorSpec& m_spec;
    std::vector<ZnCMField> m_fields;
    size_t m_keyField = 0;
    size_t m_column1Field = 0;
    std::vector<std::unique_ptr<ZnEditCtrl>> m_edits;
    CListCtrl m_list;
    VhEditSetupList m_setupList;
    ZnCMAddressBlock m_address;
    std::vector<ZnCMCodeList> m_codeLists;
    CString m_strKey;
    int m_nMode = modeBrowse;
};
