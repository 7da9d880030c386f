#include "shell/ZnDlgAppRootDirConfirm.h"

#include "res/MainFrameIds.h"

BEGIN_MESSAGE_MAP(ZnDlgAppRootDirConfirm, CDialog)
END_MESSAGE_MAP()

ZnDlgAppRootDirConfirm::ZnDlgAppRootDirConfirm(CWnd* pParent) : CDialog(IDD_ROOT_DIR_CONFIRM, pParent) {}
