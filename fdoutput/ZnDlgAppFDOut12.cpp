#include "fdoutput/ZnDlgAppFDOut12.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut12::ZnDlgAppFDOut12(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT12, pParent) {}
