#include "editors/ZnDlgAppTanbunDelete.h"

#include "res/MainFrameIds.h"

ZnDlgAppTanbunDelete::ZnDlgAppTanbunDelete(CWnd* pParent) : CDialog(IDD_TANBUN_DELETE, pParent) {}
