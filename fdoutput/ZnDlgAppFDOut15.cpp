#include "fdoutput/ZnDlgAppFDOut15.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut15::ZnDlgAppFDOut15(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT15, pParent) {}
