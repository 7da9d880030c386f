#include "fdoutput/ZnDlgAppFDOut52.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut52::ZnDlgAppFDOut52(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT52, pParent) {}
