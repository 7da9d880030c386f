#include "platform/wnd/CDocManager.h"

#include "platform/wnd/CDocTemplate.h"
#include "platform/wnd/CDocument.h"
#include "platform/wnd/CFileDialog.h"
#include "platform/wnd/MessageBox.h"

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate && !m_templateList.Find(pTemplate))
        m_templateList.AddTail(pTemplate);
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

int CDocManager::GetOpenDocumentCount() const
{
    int count = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(pos);
        for (POSITION doc = docTemplate->GetFirstDocPosition(); doc; docTemplate->GetNextDoc(doc))
            ++count;
    }
    return count;
}

void CDocManager::OnFileNew()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(pos);
        CString name;
        if (docTemplate->GetDocString(name, CDocTemplate::fileNewName) && !name.IsEmpty()) {
            docTemplate->OpenDocumentFile(nullptr);
            return;
        }
    }
    AfxMessageBox("空のドキュメントを作成できません。");
}

void CDocManager::OnFileOpen()
{
    CString filter;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(pos);
        CString name, extension;
        if (docTemplate->GetDocString(name, CDocTemplate::filterName) && !name.IsEmpty() &&
            docTemplate->GetDocString(extension, CDocTemplate::filterExt) && !extension.IsEmpty())
            filter += name + "|*" + extension + "|";
    }
    filter += "すべてのファイル (*.*)|*.*||";
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter);
    if (dialog.DoModal() == IDOK)
        OpenDocumentFile(dialog.GetPathName());
}

CDocument* CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    CString path(lpszFileName);
    CDocTemplate* chosen = nullptr;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(pos);
        CString extension;
        if (!chosen)
            chosen = docTemplate;
        if (docTemplate->GetDocString(extension, CDocTemplate::filterExt) && !extension.IsEmpty() &&
            path.Right(extension.GetLength()).CompareNoCase(extension) == 0) {
            chosen = docTemplate;
            break;
        }
    }
    return chosen ? chosen->OpenDocumentFile(path) : nullptr;
}

BOOL CDocManager::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}
