#include "fdoutput/ZnDlgAppFDOut13.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut13::ZnDlgAppFDOut13(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT13, pParent) {}
