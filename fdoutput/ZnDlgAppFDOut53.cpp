#include "fdoutput/ZnDlgAppFDOut53.h"

#include "res/FormViewIds.h"

ZnDlgAppFDOut53::ZnDlgAppFDOut53(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT53, pParent) {}
