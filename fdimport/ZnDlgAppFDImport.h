// The floppy contents dialog (7608), run modally by the main frame's floppy-import command. The
// user picks the floppy drive or a folder holding a copy of a floppy (参照), reads its index
// "Info\filename.iba" (読込), which shows the property name, the creation date and the form type
// and switches the main frame between application and notification forms, and goes on (保存)
// to the destination dialog, whose OK makes the property. 保存 is enabled only after a read
// that succeeded, for the floppy shown.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppFDImport : public CDialog {
public:
    explicit ZnDlgAppFDImport(CWnd* pParent = nullptr);

    // 0 for the application codes 100001, 100101, 100201, 100301, 100801 and 100802, whose
    // floppies must carry the data version "6.40"; 1 for every other code.
    static int AcceptsAnyVersion(int code);

    // What the last read took from the index: the application/notification flag (field 4, "0"
    // for application forms), the form-type title, the application-type code (field 6) and the
    // HeiganCode (fields 8 to 11, each read by ZnFloppyLine::Number: 1 when they sum to more
    // than 0, else the sum, held at the smallest int).
    CString m_strAppFlag;
    CString m_strKindTitle;
    CString m_strAppTypeCode;
    int m_nHeiganCode = 0;

protected:
    BOOL OnInitDialog() override;
    // 保存: the destination dialog with the floppy's values; this dialog closes when it does.
    void OnOK() override;
    afx_msg void OnRead();
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()

    // The medium check's search: ERROR_SUCCESS when anything matches pattern, else the drive's
    // Win32 error (SearchForEntries). A test answers for the drive.
    virtual DWORD LookForEntries(const CString& pattern) const;

private:
    CString ItemText(int nID) const;
    // The medium check of folder, with the user's retries while the drive is not ready; false
    // after a message.
    bool CheckMedium(const CString& folder);
    // Reads the first line of the floppy's index; false after a message.
    bool ReadIndexLine(const CString& folder, CString& line);
    // Takes the index line's values (the flag and the document mode first, so that a floppy
    // refused for its version has switched the mode); false after a message.
    bool TakeIndexLine(const CString& line);
};
