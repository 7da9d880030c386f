// The document template of an MDI application: any number of documents, each in its own MDI
// child frame, sharing the template's menu.
#pragma once

#include "platform/core/CPtrList.h"
#include "platform/wnd/CDocTemplate.h"
#include "platform/wnd/WinUser.h"

class CMultiDocTemplate : public CDocTemplate {
public:
    DECLARE_DYNAMIC(CMultiDocTemplate)
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    // Deletes the documents still open and the shared menu.
    ~CMultiDocTemplate() override;

    POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    CDocument* OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    // The document name and a running number ("ZnAppP1").
    void SetDefaultTitle(CDocument* pDocument) override;

    HMENU m_hMenuShared = nullptr;
    CPtrList m_docList;
    UINT m_nUntitledCount = 0;
};
