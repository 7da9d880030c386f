// The new-property dialog (5603), run modally by the main frame's new-property commands after it
// set its kind caption. The user chooses the region, the property-data and reference-data folders
// and types the name; OK checks everything (making the register and reference databases from
// their templates where missing), then makes the property's folder, registers it, checks it out,
// marks the region for initial selection and hands every choice to the application and the main
// frame. A refusal says why and leaves the dialog open with nothing of the property written.
#pragma once

#include "platform/core/COleDateTime.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDialog.h"
#include "shell/VhEditSetupList.h"
#include "shell/ZnEditCtrl.h"

class ZnDlgAppBukkenInput : public CDialog {
public:
    explicit ZnDlgAppBukkenInput(CWnd* pParent = nullptr);

    // The clock that gives the creation date: null for the local date. Returns the one replaced.
    using Clock = COleDateTime (*)();
    static Clock SetClock(Clock clock);

    // The property name's edit (12011) and the document-kind combo (12007).
    ZnEditCtrl m_editName;
    CComboBox m_comboShubetsu;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnBukkenData();
    afx_msg void OnCommonData();
    DECLARE_MESSAGE_MAP()

    // Fills the region combo from the query, in its order, and selects the first.
    void FillChiikiCombo();
    // Each check in turn, with a message at the first that fails (none when the user cancelled a
    // confirmation); the register and reference databases are made where missing.
    bool CheckInput();
    // ChiikiBangou of the first region row named region, or 1.
    int GetChiikiBangou(const CString& region);
    // Moves the initial-selection mark to the rows of the region; a database that cannot be
    // changed keeps its mark, with a warning in the run log.
    void UpdateChiikiShitei(const CString& region);
    // Adds the register row of the new property: its BukkenIndex, or 0 when the register could
    // not be opened or written.
    int RegisterBukken(const CString& registerPath, const CString& name, int chiikiBangou, const CString& kind,
                       const CString& folder, const COleDateTime& date);

private:
    CString ItemText(int nID) const;
    bool IsPropertyFree(const CString& folder, const CString& name);
    bool RedirectDriveRoot();
    bool IsCheckedOut(const CString& registerPath, const CString& name);
    bool CheckReferenceDatabase(const CString& path);
    void PickFolder(int editId);

    VhEditSetupList m_setupList;
};
