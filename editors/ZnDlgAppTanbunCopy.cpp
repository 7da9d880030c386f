#include "editors/ZnDlgAppTanbunCopy.h"

#include "res/MainFrameIds.h"

ZnDlgAppTanbunCopy::ZnDlgAppTanbunCopy(CWnd* pParent) : CDialog(IDD_TANBUN_COPY, pParent) {}
