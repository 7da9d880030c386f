// The copying of the short texts to another folder (7605), run modally from the main frame's menu:
// OK appends every phrase of the common-data folder's APP_USER_REGIST.mdb to the one of the folder
// shown, which 選択 picks.
#pragma once

#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"

class ZnDlgAppTanbunCopy : public CDialog {
public:
    explicit ZnDlgAppTanbunCopy(CWnd* pParent = nullptr);

    // The destination folder (control 16032, read-only).
    CEdit m_folder;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnSelect();
    DECLARE_MESSAGE_MAP()

private:
    // Appends every phrase of source to target in the order read; false, after its message, when
    // source holds none.
    static bool CopyPhrases(const CString& source, const CString& target);
};
