// The display tests' data-entry dialog: a name, a kind, a check box and a list of rows, with
// counters of the notifications that reach its message map.
#pragma once

#include "tests/ui/UiTestResources.h"

#include "platform/wnd/Afxwin.h"

class ApplicantDialog : public CDialog {
public:
    ApplicantDialog() : CDialog(IDD_APPLICANT) {}

    CString m_name = "初期値";
    int m_kind = 0;
    int m_agree = 0;
    CListCtrl m_list;
    int nameChanges = 0;
    int kindChanges = 0;
    int adds = 0;
    int browses = 0;
    int clickedRow = -2;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_APPLICANT_NAME, m_name);
        DDX_CBIndex(pDX, IDC_APPLICANT_KIND, m_kind);
        DDX_Check(pDX, IDC_APPLICANT_AGREE, m_agree);
        DDX_Control(pDX, IDC_APPLICANT_LIST, m_list);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_list.InsertColumn(0, "物件名", LVCFMT_LEFT, 200);
        m_list.InsertColumn(1, "作成日", LVCFMT_LEFT, 80);
        int row = m_list.InsertItem(0, "駅前ビル");
        m_list.SetItemText(row, 1, "2010/9/3");
        return TRUE;
    }
    afx_msg void OnNameChange() { ++nameChanges; }
    afx_msg void OnKindChange() { ++kindChanges; }
    afx_msg void OnAdd()
    {
        CString name;
        GetDlgItemText(IDC_APPLICANT_NAME, name);
        int row = m_list.InsertItem(m_list.GetItemCount(), name);
        m_list.SetItemText(row, 1, "2010/9/4");
        ++adds;
    }
    afx_msg void OnBrowse() { ++browses; }
    afx_msg void OnClickList(NMHDR*, LRESULT* pResult)
    {
        clickedRow = m_list.GetNextItem(-1, LVNI_SELECTED);
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};
