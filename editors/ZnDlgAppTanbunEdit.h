// The editing of the short texts (7603), run modally from the main frame's menu: 新規 and 修正
// open the edit for a new or the selected phrase, 登録 stores it, 削除 deletes the selected one
// after the question 7604, ｷｬﾝｾﾙ drops the input.
#pragma once

#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"
#include "shell/VhEditSetupList.h"
#include "shell/ZnEditCtrl.h"

class ZnDlgAppTanbunEdit : public CDialog {
public:
    enum Mode { modeIdle = 0, modeNew = 1, modeChange = 2 };

    explicit ZnDlgAppTanbunEdit(CWnd* pParent = nullptr);

    int GetMode() const { return m_nMode; }
    const CString& GetOldText() const { return m_strOldText; }

    // The phrase being typed (control 16006): at most 250 bytes, never "|".
    ZnEditCtrl m_edit;
    // The phrases (control 16005).
    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnNew();
    afx_msg void OnChange();
    afx_msg void OnDelete();
    afx_msg void OnRegister();
    afx_msg void OnCancelInput();
    DECLARE_MESSAGE_MAP()

private:
    // 1: enables the edit and gives it the focus. 0: empties and disables it and forgets the
    // old text.
    void EnableInput(int enable);
    // Stores the edit's text as a new row (new mode) or over the row of the old text (change
    // mode). A row that has gone since 修正 is reported as Jet reports a missing current record,
    // and nothing is written.
    void StorePhrase(const CString& text);

    VhEditSetupList m_setupList;
    // The phrase that 修正 loaded; "" otherwise.
    CString m_strOldText;
    int m_nMode = modeIdle;
};
