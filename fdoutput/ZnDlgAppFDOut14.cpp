#include "fdoutput/ZnDlgAppFDOut14.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut14::ZnDlgAppFDOut14(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT14, pParent) {}
