#include "platform/wnd/CMultiDocTemplate.h"

#include "platform/wnd/CDocument.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/MessageBox.h"

IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_hMenuShared(AfxLoadMenu(nIDResource))
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    while (!m_docList.IsEmpty()) {
        CDocument* document = static_cast<CDocument*>(m_docList.GetHead());
        delete document; // leaves the list
    }
    if (m_hMenuShared)
        ::DestroyMenu(m_hMenuShared);
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc))
        m_docList.RemoveAt(pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString name;
    if (!GetDocString(name, docName) || name.IsEmpty())
        name = "無題";
    CString title;
    title.Format("%s%u", static_cast<LPCTSTR>(name), m_nUntitledCount + 1);
    pDocument->SetTitle(title);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* document = CreateNewDocument();
    if (!document) {
        AfxMessageBox("空のドキュメントを作成できません。");
        return nullptr;
    }
    BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE; // a failed frame must not take the document with it
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (!frame) {
        AfxMessageBox("空のドキュメントを作成できません。");
        delete document;
        return nullptr;
    }
    if (!lpszPathName) {
        SetDefaultTitle(document);
        if (!bMakeVisible)
            document->m_bEmbedded = TRUE;
        if (!document->OnNewDocument()) {
            frame->DestroyWindow(); // its view goes, and the document with it
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        if (!document->OnOpenDocument(lpszPathName)) {
            frame->DestroyWindow();
            return nullptr;
        }
        document->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}
