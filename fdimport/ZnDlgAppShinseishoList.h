// The application list of number entry (7611): a modeless child dialog that the list's form view
// creates inside itself; the main frame keeps the object. The upper list shows the current
// property's documents, the lower one the number groups of the document loaded with 詳細; the
// choices go to the floppy panel, whose dialogs store numbers and refresh both lists. Enter and
// Escape do not close it.
#pragma once

#include "fdimport/ZnFdMenuChoice.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"

class ZnDlgAppShinseishoList : public CDialog {
public:
    explicit ZnDlgAppShinseishoList(CWnd* pParent = nullptr);

    // Refills the document list with the rows of the main frame's current property, newest first,
    // each carrying its BukkenShousaiIndex.
    void UpdateShinseishoList();
    // Refills the number list from the active document's groups while a document is chosen.
    void UpdateShousaiList();

    // Where the choices go: the floppy panel's fields (none: kept nowhere).
    ZnFdMenuChoice* m_pChoice = nullptr;

    int m_nSelectedDoc = ZnFdMenuChoice::kNoSelection; // the document chosen with 詳細
    CListCtrl m_listShousai;                           // the number list
    CListCtrl m_listShinseisho;                        // the document list

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg void OnButtonShousai();
    afx_msg void OnButtonSansho();
    afx_msg void OnClickListShinseisho(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnClickListShousai(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // Loads the chosen document into the active document.
    void LoadSelectedDocument();
    // Hands the output folder to the drive edit and, as the accepted floppy's root, to the panel.
    void ShowFloppyRoot(const CString& folder);
    ZnFdMenuChoice& Choice();

    ZnFdMenuChoice m_unshared; // the choice while no panel takes it
};
