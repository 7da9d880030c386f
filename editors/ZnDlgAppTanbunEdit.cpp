#include "editors/ZnDlgAppTanbunEdit.h"

#include "res/MainFrameIds.h"

ZnDlgAppTanbunEdit::ZnDlgAppTanbunEdit(CWnd* pParent) : CDialog(IDD_TANBUN_EDIT, pParent) {}
