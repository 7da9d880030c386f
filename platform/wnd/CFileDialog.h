// The framework's file-open and save-as dialog. DoModal asks the user-interface host; on OK
// the chosen path gets the default extension when it has none.
#pragma once

#include "platform/core/CString.h"
#include "platform/wnd/WinUser.h"

class CWnd;

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000

// The part of the system's OPENFILENAME that callers set before DoModal.
struct OPENFILENAME {
    HWND hwndOwner;
    DWORD Flags;
    LPCTSTR lpstrInitialDir;
    LPCTSTR lpstrTitle;
};

class CFileDialog {
public:
    // The filter is "name|pattern|name|pattern||", as MFC takes it.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK or IDCANCEL.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return m_strPath; }
    // The path's last part, its extension (without the dot), and its last part without the extension.
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;

    // For the user-interface host.
    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
    const CString& GetDefExt() const { return m_strDefExt; }
    const CString& GetInitialFileName() const { return m_strInitialFileName; }
    const CString& GetFilter() const { return m_strFilter; }
    void SetChosenPath(const CString& path) { m_strPath = path; }

    OPENFILENAME m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strInitialFileName;
    CString m_strFilter;
    CString m_strPath;
};
