#include "shell/ZnDirectoryDialog.h"

#include "platform/wnd/ShellApi.h"

IMPLEMENT_DYNAMIC(ZnDirectoryDialog, CObject)

namespace {
// The path buffer: MAX_PATH and its terminator.
constexpr int kPathBufferSize = 261;
} // namespace

ZnDirectoryDialog::ZnDirectoryDialog(CWnd* pOwner) : m_pOwner(pOwner) {}

int ZnDirectoryDialog::DoModal()
{
    LPITEMIDLIST root = nullptr;
    HWND owner = m_pOwner ? m_pOwner->GetSafeHwnd() : nullptr;
    if (SHGetSpecialFolderLocation(owner, CSIDL_DRIVES, &root) != S_OK)
        return IDCANCEL;

    // The browser writes the chosen folder's display name into its buffer; only a full path
    // read back from the chosen item replaces m_strPath.
    CString chosen;
    BROWSEINFO info{};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = chosen.GetBuffer(kPathBufferSize);
    info.lpszTitle = m_strTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(m_strStartDir));

    int result = IDCANCEL;
    if (LPITEMIDLIST item = SHBrowseForFolder(&info)) {
        if (SHGetPathFromIDList(item, info.pszDisplayName))
            result = IDOK;
        CoTaskMemFree(item);
    }
    chosen.ReleaseBuffer();
    CoTaskMemFree(root);
    if (result == IDOK)
        m_strPath = chosen;
    return result;
}

int CALLBACK ZnDirectoryDialog::BrowseCallback(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED) {
        ::SendMessage(hwnd, BFFM_SETSELECTION, TRUE, lpData);
    } else if (uMsg == BFFM_SELCHANGED) {
        TCHAR path[kPathBufferSize] = {};
        if (SHGetPathFromIDList(reinterpret_cast<LPCITEMIDLIST>(lParam), path))
            ::SendMessage(hwnd, BFFM_SETSTATUSTEXT, 0, reinterpret_cast<LPARAM>(path));
    }
    return 0;
}
