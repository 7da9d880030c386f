#include "fdoutput/ZnDlgAppFDOut31.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut31::ZnDlgAppFDOut31(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT31, pParent) {}
