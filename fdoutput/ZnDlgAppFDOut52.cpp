#include "fdoutput/ZnDlgAppFDOut52.h"

#include "fdoutput/ZnFDOutTextFormPages.h"
#include "res/FormViewIds.h"

ZnDlgAppFDOut52::ZnDlgAppFDOut52(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT52, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut52::Values()
{
    return ZnFDOutTextFormPages::Values(ZnFDOutTextFormPages::TempUseOfficial);
}
