// The confirm dialog (6614) of a floppy output: whether to check the data before it is written.
// The page runs it modally; after OK it reads m_nRadio, 0 to check ("チェックする") and 1 to write
// without a check ("未チェックで出力"). Every opening selects "チェックする" again.
#pragma once

#include "platform/wnd/CButton.h"
#include "platform/wnd/CDialog.h"

class ZnDlgAppFDOutConfirm : public CDialog {
public:
    explicit ZnDlgAppFDOutConfirm(CWnd* pParent = nullptr);

    CButton m_btnCheck; // "チェックする", the first radio of the group
    int m_nRadio = -1;  // the choice of the last OK

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP()
};
