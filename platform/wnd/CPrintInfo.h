// What a view's print preparation works with: the print dialog and the page range.
#pragma once

#include "platform/wnd/CPrintDialog.h"

#include <memory>

class CPrintInfo {
public:
    CPrintInfo() : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)) {}
    ~CPrintInfo() { delete m_pPD; }
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    void SetMinPage(UINT nMinPage) { m_nMinPage = nMinPage; }
    void SetMaxPage(UINT nMaxPage) { m_nMaxPage = nMaxPage; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    CPrintDialog* m_pPD;
    BOOL m_bDirect = FALSE;  // print without asking
    BOOL m_bPreview = FALSE; // print preview
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
};
