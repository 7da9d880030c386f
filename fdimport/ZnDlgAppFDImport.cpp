#include "fdimport/ZnDlgAppFDImport.h"

#include "res/MainFrameIds.h"

ZnDlgAppFDImport::ZnDlgAppFDImport(CWnd* pParent) : CDialog(IDD_FD_IMPORT, pParent) {}
