#include "editors/ZnDlgAppTanbunPaste.h"

#include "res/MainFrameIds.h"

ZnDlgAppTanbunPaste::ZnDlgAppTanbunPaste(CWnd* pParent) : CDialog(IDD_TANBUN_PASTE, pParent) {}
