// The application's document templates, and the framework's new-file and open-file commands
// over them. The manager owns the templates and deletes them with itself.
#pragma once

#include "platform/core/CPtrList.h"
#include "platform/core/CString.h"

class CDocTemplate;
class CDocument;

class CDocManager {
public:
    CDocManager() = default;
    ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    int GetOpenDocumentCount() const;

    // A new document from the template that has a new-file name (the first such template when
    // there are several; a message when there is none).
    void OnFileNew();
    // Asks for a file with the file-open dialog and opens it.
    void OnFileOpen();
    // Opens the file with the template whose filter extension it has, else the first template.
    CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);

private:
    CPtrList m_templateList;
};
