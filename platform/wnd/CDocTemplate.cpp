#include "platform/wnd/CDocTemplate.h"

#include "platform/wnd/CDocument.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/Resources.h"

#include <vector>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    AfxLoadString(nIDResource, m_strDocStrings);
}

BOOL CDocTemplate::GetDocString(CString& rString, enum DocStringIndex index) const
{
    rString.Empty();
    int start = 0;
    for (int part = 0; part < index; ++part) {
        start = m_strDocStrings.Find('\n', start);
        if (start < 0)
            return FALSE;
        ++start;
    }
    int end = m_strDocStrings.Find('\n', start);
    rString = end < 0 ? m_strDocStrings.Mid(start) : m_strDocStrings.Mid(start, end - start);
    return TRUE;
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    CDocument* document = dynamic_cast<CDocument*>(object);
    if (!document) {
        delete object;
        return nullptr;
    }
    AddDocument(document);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    CFrameWnd* frame = dynamic_cast<CFrameWnd*>(object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    // A frame whose loading fails has deleted itself.
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    for (POSITION pos = GetFirstDocPosition(); pos;)
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    std::vector<CDocument*> documents;
    for (POSITION pos = GetFirstDocPosition(); pos;)
        documents.push_back(GetNextDoc(pos));
    for (CDocument* document : documents)
        document->OnCloseDocument();
}
