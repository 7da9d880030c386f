#include "fdoutput/ZnDlgAppFDOut53.h"

#include "fdoutput/ZnFDOutTextFormPages.h"
#include "res/FormViewIds.h"

ZnDlgAppFDOut53::ZnDlgAppFDOut53(CWnd* pParent) : ZnDlgAppFDPage(IDD_FDOUT53, pParent, Values()) {}

const ZnFDOutPageValues& ZnDlgAppFDOut53::Values()
{
    return ZnFDOutTextFormPages::Values(ZnFDOutTextFormPages::ConstNotif);
}
