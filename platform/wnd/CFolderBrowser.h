// The window of the shell's folder browser while SHBrowseForFolder runs. It keeps what the
// system's callback sets through its messages (the folder to select, the status text, whether
// OK is enabled); the user-interface host shows it, reports each change of selection with
// SelectFolder, and answers with the chosen folder.
#pragma once

#include "platform/wnd/CWnd.h"
#include "platform/wnd/ShellApi.h"

class CFolderBrowser : public CWnd {
public:
    DECLARE_DYNAMIC(CFolderBrowser)
    explicit CFolderBrowser(const BROWSEINFO& info) : m_info(info) {}

    // Creates the window (owned by the caller's owner) and calls the callback with BFFM_INITIALIZED.
    BOOL Open();
    // The user has selected a folder: the callback hears BFFM_SELCHANGED with its item list.
    void SelectFolder(LPCTSTR lpszPath);

    HWND GetOwnerWindow() const { return m_info.hwndOwner; }
    CString GetTitle() const { return CString(m_info.lpszTitle); }
    UINT GetFlags() const { return m_info.ulFlags; }
    // The virtual folder (CSIDL) the browser is rooted at, or -1.
    int GetRootFolder() const;
    // The selection that the callback asked for (BFFM_SETSELECTION), or the user's.
    const CString& GetSelection() const { return m_strSelection; }
    const CString& GetStatusText() const { return m_strStatus; }
    BOOL IsOKEnabled() const { return m_bOKEnabled; }

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Callback(UINT message, LPARAM lParam);

    BROWSEINFO m_info;
    CString m_strSelection;
    CString m_strStatus;
    BOOL m_bOKEnabled = TRUE;
};
