#include "platform/wnd/CPrintDialog.h"

#include "platform/wnd/CWnd.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/UiHost.h"

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : m_pd{pParentWnd ? pParentWnd->m_hWnd : nullptr,
           dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : 0),
           0,
           0,
           1,
           0xFFFF,
           1}
{
}

INT_PTR CPrintDialog::DoModal()
{
    if (!m_pd.hwndOwner)
        m_pd.hwndOwner = AfxGetSafeOwner();
    return UiHost::Current().RunPrintDialog(*this) == IDOK ? IDOK : IDCANCEL;
}
