#include "fdimport/ZnDlgAppShinseishoList.h"

#include "res/FormViewIds.h"

ZnDlgAppShinseishoList::ZnDlgAppShinseishoList(CWnd* pParent) : CDialog(IDD_SHINSEISHO_LIST, pParent) {}
