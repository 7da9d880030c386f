// The neutral view of the first document: it opens with the document at start-up and keeps its
// child frame at zero size, so it never shows. It offers the help page.
#pragma once

#include "platform/wnd/CView.h"

class CZnAppProView : public CView {
    DECLARE_DYNCREATE(CZnAppProView)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override { return CView::PreCreateWindow(cs); }
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override { return DoPreparePrinting(pInfo); }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {}
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override {}

    // Opens "App.htm" of the application folder with the shell; nothing is said when it fails.
    afx_msg void OnHelp();

protected:
    CZnAppProView() = default;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()

private:
    // Moves the child frame to 0, 0 with no size.
    void HideParentFrame();

    RECT m_rect{0, 0, 0, 0};
};
