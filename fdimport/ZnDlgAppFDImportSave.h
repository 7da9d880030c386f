// The destination dialog (7609) that the floppy contents dialog opens with 保存: the user
// chooses the destination folder (the folder of the property register and the property
// folders) and confirms or edits the property name. OK checks both and makes the property from
// the floppy (ZnAppFDImporter); a refusal says why and leaves the dialog open.
#pragma once

#include "platform/wnd/CDialog.h"
#include "shell/VhEditSetupList.h"
#include "shell/ZnEditCtrl.h"

class ZnDlgAppFDImportSave : public CDialog {
public:
    explicit ZnDlgAppFDImportSave(CWnd* pParent = nullptr);

    // The checks of the destination and the name, each with its message, in this order: a
    // destination, a name, a name that can name a folder there (not "." or "..", none of the
    // characters \ / : , ; * ? " < > |, and a name that the export can take too:
    // IsPortableFileName), a drive root redirected to its "App_Doc1" folder with the user's
    // consent, no folder of that name in the destination (compared byte for byte). TRUE when
    // accepted.
    BOOL CheckDestination();

    // The property name's edit (16030).
    ZnEditCtrl m_editName;

    // What the floppy contents dialog gives: the property name, the application/notification
    // flag ("0" for application forms), the form-type title, the application-type code, the
    // HeiganCode and the floppy's drive or folder, ending in "\".
    CString m_strBukkenName;
    CString m_strAppFlag;
    CString m_strDocKindName;
    CString m_strDocCode;
    int m_nHeiganCode = 0;
    CString m_strFloppyPath;
    // The destination that OK took, and the index of the property it made (-9999 for none).
    CString m_strDestination;
    int m_nBukkenIndex = -9999;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelectFolder();
    DECLARE_MESSAGE_MAP()

private:
    CString ItemText(int nID) const;
    bool IsNameUsable(const CString& name);
    bool IsPropertyFree(const CString& folder, const CString& name);

    VhEditSetupList m_setupList;
};
