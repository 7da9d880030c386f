#include "fdoutput/ZnDlgAppFDOut16.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut16::ZnDlgAppFDOut16(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT16, pParent) {}
