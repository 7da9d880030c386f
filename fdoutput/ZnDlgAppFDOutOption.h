// The output-options dialog (6636) of the page that writes the data sets of one inspection
// application onto one floppy or several: whether to check, one floppy or several, and which data
// sets, numbered from 1 (the first confirmation number of the application and its further ones).
// After OK the page reads m_nCheck, m_nFloppies and m_selectedNumbers.
#pragma once

#include "platform/files/CArray.h"
#include "platform/wnd/CButton.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"

class ZnDlgAppFDOutOption : public CDialog {
public:
    explicit ZnDlgAppFDOutOption(CWnd* pParent = nullptr);

    // The numbers of the data sets chosen, from the top of the list; filled on OK.
    CArray<int, int> m_selectedNumbers;
    CListCtrl m_list;       // the numbers, column "番号"
    CButton m_btnOneFloppy; // "一枚", the first radio of its group
    CButton m_btnCheck;     // "チェックする", the first radio of its group
    int m_nFloppies = -1;   // 0 one floppy, 1 several
    int m_nCheck = -1;      // 0 check, 1 write without a check

    // The count of data sets of the active document: 1 and the further confirmation numbers of
    // the inspection application in its second model slot; 1 when the slot holds none.
    static int DataSetCount();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelectAll();
    afx_msg void OnSelectNone();
    DECLARE_MESSAGE_MAP()

private:
    void SelectEveryRow(BOOL select);
};
