#include "fdoutput/ZnDlgAppFDOut55.h"

#include "fdoutput/ZnFDOutTextFormPages.h"
#include "res/FormViewIds.h"

ZnDlgAppFDOut55::ZnDlgAppFDOut55(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT55, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut55::Values()
{
    return ZnFDOutTextFormPages::Values(ZnFDOutTextFormPages::SafeNotif);
}
