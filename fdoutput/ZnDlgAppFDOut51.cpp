#include "fdoutput/ZnDlgAppFDOut51.h"

#include "fdoutput/ZnFDOutTextFormPages.h"
#include "res/FormViewIds.h"

ZnDlgAppFDOut51::ZnDlgAppFDOut51(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT51, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut51::Values()
{
    return ZnFDOutTextFormPages::Values(ZnFDOutTextFormPages::TempUseAgency);
}
