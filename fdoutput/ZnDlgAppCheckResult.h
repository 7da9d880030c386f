// The check-result dialog (6615): the findings of an input check, one line each, which the user
// may print ("印刷") before choosing to write ("ＦＤ出力", IDOK) or not ("出力しない", IDCANCEL).
// The page keeps one as a member: its check empties m_messages, appends its findings and sets
// m_strObjKindTitle before DoModal.
#pragma once

#include "platform/files/CStringArray.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListBox.h"

#include <vector>

class ZnDlgAppCheckResult : public CDialog {
public:
    explicit ZnDlgAppCheckResult(CWnd* pParent = nullptr);

    // The findings, in order; the check fills them, the dialog never empties them.
    CStringArray m_messages;
    // The document part of the printed title, set on opening from the selected document mode and
    // type; a type without a title leaves it as it was.
    CString m_strDocTitle;
    CListBox m_list;
    // The object-kind part of the printed title, such as "_建築物_" (the hidden control 14042).
    CString m_strObjKindTitle;

    // The printed title: document title, object-kind title and "エラーリスト".
    CString GetPrintTitle() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnPrint();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CString> ListEntries() const;
};
