#include "fdoutput/ZnDlgAppFDOut54.h"

#include "fdoutput/ZnFDOutTextFormPages.h"
#include "res/FormViewIds.h"

ZnDlgAppFDOut54::ZnDlgAppFDOut54(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT54, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut54::Values()
{
    return ZnFDOutTextFormPages::Values(ZnFDOutTextFormPages::DemNotif);
}
