#include "fdoutput/ZnDlgAppFDOut55.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut55::ZnDlgAppFDOut55(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT55, pParent) {}
