#include "fdimport/ZnDlgAppUketukeConfirm.h"

#include "res/MainFrameIds.h"

ZnDlgAppUketukeConfirm::ZnDlgAppUketukeConfirm(CWnd* pParent) : CDialog(IDD_UKETUKE_CONFIRM, pParent) {}
