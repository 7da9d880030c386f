// The migration dialog (5604), run modally by the main frame's start-up command; when it ends
// the program ends. It lists the properties of a property register, lets the user choose the
// register, reference-data and destination folders (kept in the application object for the
// rest of the run, never written to the registry) and runs the migration export, with the wait
// cursor and a line that tells how far the export has come.
#pragma once

#include "app/ZnExportProgress.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"

class CZnAppProApp;

class ZnDlgAppSelectObjDialog : public CDialog, private ZnExportProgress {
public:
    explicit ZnDlgAppSelectObjDialog(CWnd* pParent = nullptr);

    // Refills the list from the register at dbPath ("" for APP_BUKKEN.mdb of the application's
    // property-register folder), the smallest BukkenIndex at the top. A register that cannot be
    // opened raises its database exception and leaves the list as it was. Returns 1.
    int FillBukkenList(const CString& dbPath);
    // Deletes every row. Returns 1.
    int ClearBukkenList();
    // The first selected row, or -1.
    int GetSelectedIndex();
    // Column 0 of the first selected row, or "" when none is selected.
    CString GetSelectedBukkenName();
    // The text of the property-register folder's edit.
    CString GetBukkenFolderText();

    // The property list (control 12001); the property-detail dialog reads it.
    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnBtnBukkenData();
    afx_msg void OnBtnComData();
    afx_msg void OnBtnDst();
    afx_msg void OnBtnIkouData();
    // The detail dialog of the selected property (no control of the template issues it).
    afx_msg void OnBtnDetail();
    DECLARE_MESSAGE_MAP()

    // The two exports, the reference data and then every property with its documents, each
    // reporting its own failures, into a run log emptied first, followed by the completion
    // message, which says whether something failed. A database error ends it with the
    // database's exception. The wait cursor shows until the completion message; the progress
    // line tells what the export works on while it runs, also while a failure is told, and is
    // emptied when the export ends, before the completion message or the database's report;
    // keys pressed and clicks made meanwhile are dropped before the message or the report shows.
    virtual void ExportAll();

private:
    // The progress line (control 12020) shows text at once, although the dialog is not
    // answering meanwhile.
    void ShowProgress(const CString& text);
    void WorkingOn(const CString& word) override;
    void PropertyStarted(int number, int total) override;

    // Runs the folder picker owned by this dialog: the chosen path, or "" when cancelled.
    CString PickFolder();
    // Runs the picker; a chosen folder goes into the edit and into the application object.
    void PickAppFolder(int editId, void (CZnAppProApp::*setFolder)(LPCTSTR));
};
