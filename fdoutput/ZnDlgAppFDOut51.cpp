#include "fdoutput/ZnDlgAppFDOut51.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut51::ZnDlgAppFDOut51(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT51, pParent) {}
