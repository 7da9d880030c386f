// A document: its data, title and path, the modified flag, and the views that show it. It is
// stored and loaded through an archive over its file (Serialize). Saving writes a temporary
// file beside the target and renames it over the target only when the whole document has
// been written, so a failed save leaves the previous file as it was. Failures are reported
// with the framework's message boxes.
#pragma once

#include "platform/core/CPtrList.h"
#include "platform/core/CString.h"
#include "platform/wnd/CCmdTarget.h"

class CDocTemplate;
class CException;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
public:
    DECLARE_DYNAMIC(CDocument)
    CDocument() = default;
    // Leaves its template; its views no longer point at it.
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    virtual POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    virtual CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    // The frames showing this document, pFrame not counted.
    int CountFramesExcept(CFrameWnd* pFrame) const;

    virtual void DeleteContents() {}
    // Empties the document and clears the modified flag.
    virtual BOOL OnNewDocument();
    // Loads the file (an empty file loads nothing). The modified flag is set while loading and
    // cleared after success; a failure is reported and gives FALSE.
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    // Stores the document into the file; success clears the modified flag.
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Destroys the frames of its views, empties it, and deletes it when it auto-deletes.
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException* e, BOOL bSaving, UINT nIDPDefault);
    // Asks whether a modified document is to be saved: FALSE when the user cancels or the save fails.
    virtual BOOL SaveModified();
    // Saves to lpszPathName, or asks for a file name when it is null.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    virtual void PreCloseFrame(CFrameWnd* pFrame) {}
    virtual void OnChangedViewList();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE; // deleted when its last view goes
    BOOL m_bEmbedded = FALSE;

protected:
    DECLARE_MESSAGE_MAP()

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;
};
