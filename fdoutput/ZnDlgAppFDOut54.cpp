#include "fdoutput/ZnDlgAppFDOut54.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut54::ZnDlgAppFDOut54(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT54, pParent) {}
