#include "fdoutput/ZnDlgAppFDOut11.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut11::ZnDlgAppFDOut11(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT11, pParent) {}
