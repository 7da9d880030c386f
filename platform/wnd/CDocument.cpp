#include "platform/wnd/CDocument.h"

#include "platform/files/CArchive.h"
#include "platform/files/CFile.h"
#include "platform/files/FileFailureText.h"
#include "platform/wnd/CDocTemplate.h"
#include "platform/wnd/CFileDialog.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/CView.h"
#include "platform/wnd/MessageBox.h"

#include <set>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
END_MESSAGE_MAP()

namespace {
void RemoveQuietly(const CString& path)
{
    try {
        CFile::Remove(path);
    } catch (CException* e) {
        e->Delete();
    }
}
} // namespace

CDocument::~CDocument()
{
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;)
        static_cast<CView*>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
    m_viewList.RemoveAll();
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL)
{
    m_strPathName = lpszPathName;
    // The title is the file name without its folder.
    int slash = m_strPathName.ReverseFind('\\');
    SetTitle(slash < 0 ? m_strPathName : m_strPathName.Mid(slash + 1));
}

CView* CDocument::GetNextView(POSITION& rPosition) const { return static_cast<CView*>(m_viewList.GetNext(rPosition)); }

void CDocument::AddView(CView* pView)
{
    if (m_viewList.Find(pView))
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (!pos)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
        OnCloseDocument();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos;) {
        CView* view = GetNextView(pos);
        if (view != pSender)
            view->OnUpdate(pSender, lHint, pHint);
    }
}

int CDocument::CountFramesExcept(CFrameWnd* pFrame) const
{
    std::set<CFrameWnd*> frames;
    for (POSITION pos = m_viewList.GetHeadPosition(); pos;) {
        CFrameWnd* frame = static_cast<CView*>(m_viewList.GetNext(pos))->GetParentFrame();
        if (frame && frame != pFrame)
            frames.insert(frame);
    }
    return static_cast<int>(frames.size());
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException error;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ReportSaveLoadException(lpszPathName, &error, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(); // dirty while loading
    try {
        CArchive archive(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        archive.m_strFileName = lpszPathName;
        if (file.GetLength() != 0)
            Serialize(archive);
        archive.Close();
    } catch (CException* e) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    CString temporary = CString(lpszPathName) + ".~sav";
    CFile file;
    CFileException error;
    if (!file.Open(temporary, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &error)) {
        error.m_strFileName = lpszPathName;
        ReportSaveLoadException(lpszPathName, &error, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    try {
        CArchive archive(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        archive.m_strFileName = lpszPathName;
        Serialize(archive);
        archive.Close();
        file.Close();
        CFile::Rename(temporary, lpszPathName);
    } catch (CException* e) {
        file.Abort();
        RemoveQuietly(temporary);
        ReportSaveLoadException(lpszPathName, e, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE; // the last view to go must not delete the document meanwhile
    while (!m_viewList.IsEmpty()) {
        CView* view = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* frame = view->GetParentFrame();
        if (frame) {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        }
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == view)
            RemoveView(view); // a view that outlived its frame
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault)
{
    // The default text (nIDPDefault) is the open or save failure that bSaving tells.
    AfxMessageBox(FileFailureText(lpszPathName, e, bSaving), MB_ICONEXCLAMATION);
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    switch (AfxMessageBox(name + " への変更を保存しますか?", MB_YESNOCANCEL)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoSave(m_strPathName.IsEmpty() ? nullptr : static_cast<LPCTSTR>(m_strPathName));
    default:
        return TRUE;
    }
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString path = lpszPathName;
    if (path.IsEmpty()) {
        CFileDialog dialog(FALSE, nullptr, m_strTitle, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        if (dialog.DoModal() != IDOK)
            return FALSE;
        path = dialog.GetPathName();
    }
    if (!OnSaveDocument(path))
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame) { return CountFramesExcept(pFrame) > 0 || SaveModified(); }

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
