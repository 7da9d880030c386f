// The main frame. In this build it is created hidden at start-up and owns and routes everything
// else: the top bar and the left button panels of the screens, the property dialogs, the
// migration dialog and the application list. Its creation reads the data folders from the
// registry into the application object; its start-up command 1013 runs the migration dialog.
// It holds the screen state that the other screens read: the document mode, type and object
// kind, the current property and the data-changed flag.
//
// Screens: a screen command leaves the current screen (its panel bar destroyed, the flags
// cleared) and then shows the panel of the next one; the panels' own buttons switch between
// panels 110, 111, 112, 113 and 126.
#pragma once

#include "app/CCommonDataBar.h"
#include "app/CCompletionKindBar.h"
#include "app/CConfirmKindBar.h"
#include "app/CDocTypeBar.h"
#include "app/CFdMenuBar.h"
#include "app/CInterimKindBar.h"
#include "app/CMainMenuBar.h"
#include "app/COtherFormsBar.h"
#include "app/ZnDlgAppBukkenInput.h"
#include "app/ZnDlgAppSelectObjDialog.h"
#include "fdimport/ZnDlgAppShinseishoList.h"
#include "platform/wnd/CMDIFrameWnd.h"
#include "platform/wnd/CStatusBar.h"
#include "res/MainFrameIds.h"
#include "storage/ZnAppMDB.h"

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    // Closes the code tables and releases the check-out that this run took; nothing here throws.
    ~CMainFrame() override;

    int GetSaving() const { return m_nSaving; }
    void SetSaving(int flag) { m_nSaving = flag; }
    int GetDataChanged() const { return m_nDataChanged; }
    int SetDataChanged(int flag) { return m_nDataChanged = flag; }
    int GetBukkenSelected() const { return m_nBukkenSelected; }
    void SetBukkenSelected(int flag) { m_nBukkenSelected = flag; }
    int GetBukkenDataFlag() const { return m_nBukkenData; }
    void SetBukkenDataFlag(int flag) { m_nBukkenData = flag; }
    int GetCommonDataFlag() const { return m_nCommonData; }
    int GetFdFlag() const { return m_nFd; }
    int GetScreenFlag() const { return m_nScreen; }
    void SetScreenFlag(int flag) { m_nScreen = flag; }
    int GetCurrentPanel() const { return m_nCurrentPanel; }
    int GetShownPanel() const { return m_nShownPanel; }
    int GetNextPanel() const { return m_nNextPanel; }
    int SetNextPanel(int panel) { return m_nNextPanel = panel; }
    // 32786 when flag is 1, else the stored mode: 32786 application forms, 32787 notification
    // forms, 0 before one is chosen.
    int GetDocMode(int flag) const { return flag == 1 ? DOCMODE_ZADAZEZ : m_nDocMode; }
    void SetDocMode(int mode) { m_nDocMode = mode; }
    // The id of the chosen document-type button (0 for the other forms).
    int GetDocType() const { return m_nDocType; }
    void SetDocType(int type) { m_nDocType = type; }
    // The id of the chosen object-kind button.
    int GetObjKind() const { return m_nObjKind; }
    void SetObjKind(int kind) { m_nObjKind = kind; }
    int GetBukkenIndex() const { return m_nBukkenIndex; }
    void SetBukkenIndex(int index) { m_nBukkenIndex = index; }
    CString GetKindCaption() const { return m_strKindCaption; }
    ZnAppMDB* GetAppMDB() { return &m_appMDB; }
    // 118 the top bar, 5603 the new-property dialog, 5604 the migration dialog; else null.
    CWnd* GetPanelById(int id);
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }
    ZnDlgAppShinseishoList& GetShinseishoList() { return m_dlgShinseishoList; }

    // Records that this run checked out a property: its row in AppCheckoutTbl of the
    // "APP_BUKKEN.mdb" in registerFolder is released when the frame ends (or by ReleaseCheckout).
    void NoteCheckout(const CString& registerFolder, const CString& bukkenName);
    // Deletes the first check-out row of the noted property and forgets it. TRUE when a row was
    // deleted; FALSE when none was noted or found, or when the register cannot be opened or
    // changed. Never throws.
    BOOL ReleaseCheckout();

    // A panel command of the top bar: 1007 common data, 1010 floppy output, 1013 property
    // selection, 1017 property data, 1019 back to no screen; any other id does nothing.
    void SwitchMenu(int command);
    // When a next panel is set: destroys the bar of the shown panel; no panel is then shown.
    void DestroyPanel();
    // Creates the bar of the next panel (none for 119 and unknown ids) and makes the next panel
    // the shown and current one. Returns it, or 0 when its bar cannot be created.
    int CreatePanel();
    // Writes the panel's caption (and on 110 relabels the document types by the mode).
    void ShowPanelCaption();
    // Writes the chosen document type's label (111, 112, 126) or the other forms' (113).
    void ShowPanelSubCaption();

    afx_msg void OnNewZadazez();
    afx_msg void OnNewKeikaku();
    afx_msg void OnSelectBukken();
    afx_msg void OnSave();
    afx_msg void OnCommonData();
    afx_msg void OnBukkenData();
    afx_msg void OnFDCreate();
    afx_msg void OnNumberInput();
    afx_msg void OnFDLoad();
    afx_msg void OnMenuDisplay();
    afx_msg void OnShortTextRegister();
    afx_msg void OnShortTextPaste();
    afx_msg void OnShortTextEdit();
    afx_msg void OnShortTextCopy();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    // The edit commands: undo, cut, copy, paste and delete go to a focused edit control only.
    afx_msg BOOL OnEditCommand(UINT nID);
    afx_msg void OnUpdateScreenNotOpen(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNoScreen(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI);
    afx_msg void OnUpdateInScreen(CCmdUI* pCmdUI);
    afx_msg void OnUpdateOpenScreen(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // Destroys the panel, clears the screen flags; the first steps of every screen command.
    void LeaveScreen();
    // Leaves the screen and shows the panel of another screen group, whose flag goes to 1.
    void EnterScreen(int panel, int& screenGroupFlag);
    // Makes panel the next one and creates it.
    void ShowNextPanel(int panel);
    // The new-property dialog for a mode: kind caption, the dialog, then the property-data screen.
    void NewBukken(LPCTSTR kindCaption, int mode);
    // After a dialog: the property-data screen when a property was chosen or created.
    void ShowBukkenDataIfChosen();
    CDialogBar* PanelBar(int panel);
    void ReadFolderSettings();
    void SavePlacement();
    // The text to register from the focused edit or combo box; empty for any other focus.
    static CString FocusedShortText();

    int m_nSaving = 0;
    int m_nDataChanged = 0;
    int m_nBukkenSelected = 0;
    int m_nBukkenData = 0;
    int m_nCommonData = 0;
    int m_nFd = 0;
    int m_nScreen = 0;
    int m_nCurrentPanel = 0;
    int m_nShownPanel = 0;
    int m_nNextPanel = 0;
    int m_nDocMode = 0;
    int m_nDocType = 0;
    int m_nObjKind = 0;
    int m_nBukkenIndex = 0;
    CString m_strKindCaption;
    CMainMenuBar m_wndMainMenuBar;
    CCommonDataBar m_wndCommonDataBar;
    CFdMenuBar m_wndFdMenuBar;
    CDocTypeBar m_wndDocTypeBar;
    CConfirmKindBar m_wndConfirmKindBar;
    CCompletionKindBar m_wndCompletionKindBar;
    COtherFormsBar m_wndOtherFormsBar;
    CInterimKindBar m_wndInterimKindBar;
    ZnDlgAppBukkenInput m_dlgBukkenInput;
    ZnDlgAppSelectObjDialog m_dlgSelectObj;
    ZnAppMDB m_appMDB;
    ZnDlgAppShinseishoList m_dlgShinseishoList;
    CStatusBar m_wndStatusBar;
    // The check-out this run took: the register's folder and the property's name.
    CString m_strCheckoutFolder;
    CString m_strCheckoutName;
};

// The running application's main frame, or null.
CMainFrame* ZnGetMainFrame();
