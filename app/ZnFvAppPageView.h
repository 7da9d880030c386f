// A form view that hosts one page: a modeless child dialog that the view creates at its first
// update, below the title line, and destroys with itself. When the view goes it also drops the
// per-kind model objects of its document (slots 2 and 3), so that the next screen or load
// starts without them.
#pragma once

#include "shell/CFormViewBk.h"

class CDialog;

class ZnFvAppPageView : public CFormViewBk {
    DECLARE_DYNAMIC(ZnFvAppPageView)
public:
    static const int kPageX = 10;
    static const int kPageY = 30;

    // The base's update, the titles, the child frame maximised, then the page.
    void OnInitialUpdate() override;
    // Creates the page from its template as a modeless child of the view, moves it to
    // (kPageX, kPageY) keeping its size and z-order, and shows it. A page that cannot be
    // created leaves the view empty.
    void CreatePanel();
    // Deletes the document's objects of slots 2 and 3, when there are any.
    void DeleteDocModels();

protected:
    ZnFvAppPageView(UINT nIDTemplate, UINT nIDPage) : CFormViewBk(nIDTemplate), m_nIDPage(nIDPage) {}
    // Names the page member; the derived view calls it in its constructor.
    void SetPage(CDialog& page) { m_pPage = &page; }
    // Shows the titles that the frame's document type or object kind choose.
    virtual void ShowTitles() {}
    // Changes only a title's visible style bit; the view's first paint shows the result.
    static void SetTitleVisible(CWnd& title, BOOL visible);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CDialog* m_pPage = nullptr;
    UINT m_nIDPage;
};
