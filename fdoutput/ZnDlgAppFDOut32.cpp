#include "fdoutput/ZnDlgAppFDOut32.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut32::ZnDlgAppFDOut32(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT32, pParent) {}
