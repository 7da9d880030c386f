// The floppy-contents dialog (6616), run modally from the document-type panel: what an application
// floppy, or a folder written as one, holds. "参照" picks the folder; "読込" reads the first line of
// its index file "Info\filename.iba" and shows the property name, the creation date and the
// document kind. Every failure is told in a message box, and the edits keep what they held.
#pragma once

#include "platform/core/WinTypes.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CEdit.h"

class ZnDlgAppFDContents : public CDialog {
public:
    explicit ZnDlgAppFDContents(CWnd* pParent = nullptr);

    // Field n (from 0) of the text after the index line's record head: the fields are enclosed in
    // double quotes and separated by commas; the last field may lack its closing quote. A field
    // that the text does not have is empty. Double-byte characters are kept whole.
    static CString GetIndexField(int n, const CString& text);

    CEdit m_editShoshiki; // 書式種類 (14034)
    CEdit m_editBukken;   // 物件名 (14032)
    CEdit m_editYear;     // 14036
    CEdit m_editMonth;    // 14037
    CEdit m_editDay;      // 14040
    CEdit m_editDrive;    // the drive or folder (14056)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnRead();
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()

    // The lookup of the medium's entries: ERROR_SUCCESS when the pattern matches, else the Win32
    // error; a test gives the dialog the answers of a drive it cannot make.
    virtual DWORD LookForEntries(const CString& pattern) const;

private:
    // The first line of folder\Info\filename.iba; false after telling why there is none.
    bool ReadIndexLine(const CString& folder, CString& line) const;
    // Shows the property name, the creation date and the document kind of the index line.
    void ShowIndexLine(const CString& line);
};
