#include "fdoutput/ZnDlgAppFDContents.h"

#include "res/MainFrameIds.h"

ZnDlgAppFDContents::ZnDlgAppFDContents(CWnd* pParent) : CDialog(IDD_FD_CONTENTS, pParent) {}
