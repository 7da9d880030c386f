#include "app/ZnDlgAppSelectObjDialog.h"

#include "res/MainFrameIds.h"

ZnDlgAppSelectObjDialog::ZnDlgAppSelectObjDialog(CWnd* pParent) : CDialog(IDD_SELECT_OBJ, pParent) {}

BOOL ZnDlgAppSelectObjDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    EndDialog(IDCANCEL);
    return TRUE;
}
