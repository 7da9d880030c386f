#include "editors/ZnDlgAppTanbunRegist.h"

#include "res/MainFrameIds.h"

ZnDlgAppTanbunRegist::ZnDlgAppTanbunRegist(CWnd* pParent) : CDialog(IDD_TANBUN_REGIST, pParent) {}
