// The system's folder chooser over the shell's folder browser, rooted at My Computer and limited
// to file-system folders. Not a window: a caller builds one, runs DoModal and reads m_strPath.
#pragma once

#include "platform/wnd/Afxwin.h"

class ZnDirectoryDialog : public CObject {
    DECLARE_DYNAMIC(ZnDirectoryDialog)
public:
    explicit ZnDirectoryDialog(CWnd* pOwner = nullptr);

    // IDOK when a folder was chosen (m_strPath then holds its full path), else IDCANCEL with
    // m_strPath as it was.
    virtual int DoModal();

    CWnd* m_pOwner;
    CString m_strPath;     // out: the chosen folder
    CString m_strStartDir; // in: the folder to preselect, or ""
    CString m_strTitle;    // in: the text above the folder tree

private:
    // Selects the start folder when the browser opens and shows each selected folder's path in
    // the status line.
    static int CALLBACK BrowseCallback(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);
};
