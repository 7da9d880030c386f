#include "shell/ZnDlgAppDocDirConfirm.h"

#include "res/MainFrameIds.h"

BEGIN_MESSAGE_MAP(ZnDlgAppDocDirConfirm, CDialog)
END_MESSAGE_MAP()

ZnDlgAppDocDirConfirm::ZnDlgAppDocDirConfirm(CWnd* pParent) : CDialog(IDD_DOC_DIR_CONFIRM, pParent) {}
