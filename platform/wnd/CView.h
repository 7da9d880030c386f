// A view of a document inside a frame. It joins its document when created (from the creation
// context), leaves it when deleted, and deletes itself when its window is destroyed; the last
// view to leave closes an auto-deleting document. Commands go to the view, then its document.
#pragma once

#include "platform/wnd/CWnd.h"

class CPrintInfo;

class CView : public CWnd {
public:
    DECLARE_DYNAMIC(CView)

    CDocument* GetDocument() const { return m_pDocument; }
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnDraw(CDC* pDC) = 0;
    // The default asks the print dialog unless the job is direct or a preview.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {}
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {}
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // The framework's print commands (ID_FILE_PRINT, ID_FILE_PRINT_DIRECT): the job is prepared
    // (the print dialog asked); drawing the pages needs the device context of the drawing
    // layer, which is not part of the window layer.
    afx_msg void OnFilePrint();
    // Print preview is not offered; the command does nothing.
    afx_msg void OnFilePrintPreview() {}

protected:
    CView() = default;
    ~CView() override;
    void PostNcDestroy() override { delete this; }
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnInitialUpdateMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CDocument* m_pDocument = nullptr;
    friend class CDocument;
};
