#include "platform/wnd/ShellApi.h"

#include "platform/core/CString.h"
#include "platform/wnd/CFolderBrowser.h"
#include "platform/wnd/UiHost.h"

#include <cstdlib>
#include <cstring>

// An item list: a header and the path's bytes, in one block from malloc.
struct ITEMIDLIST {
    int virtualFolder; // a CSIDL for a folder without a path, else -1
    char path[1];
};

namespace {
LPITEMIDLIST NewItemList(LPCTSTR path, int virtualFolder)
{
    size_t length = std::strlen(path);
    ITEMIDLIST* list = static_cast<ITEMIDLIST*>(std::malloc(sizeof(ITEMIDLIST) + length));
    list->virtualFolder = virtualFolder;
    std::memcpy(list->path, path, length + 1);
    return list;
}

IMalloc shellAllocator;

// The name the browser shows for a folder: its last part, or the whole path of a drive root.
CString DisplayName(const CString& path)
{
    CString trimmed = path;
    if (trimmed.GetLength() > 3 && trimmed.Right(1) == "\\")
        trimmed = trimmed.Left(trimmed.GetLength() - 1);
    int slash = trimmed.ReverseFind('\\');
    return (slash < 0 || trimmed.GetLength() <= 3) ? trimmed : trimmed.Mid(slash + 1);
}
} // namespace

void* IMalloc::Alloc(ULONG cb) { return std::malloc(cb); }

void IMalloc::Free(void* pv) { std::free(pv); }

HRESULT SHGetMalloc(LPMALLOC* ppMalloc)
{
    *ppMalloc = &shellAllocator;
    return S_OK;
}

void CoTaskMemFree(LPVOID pv) { std::free(pv); }

LPITEMIDLIST AfxItemListFromPath(LPCTSTR lpszPath) { return NewItemList(lpszPath ? lpszPath : "", -1); }

int AfxItemListFolder(LPCITEMIDLIST pidl) { return pidl ? pidl->virtualFolder : -1; }

HRESULT SHGetSpecialFolderLocation(HWND, int nFolder, LPITEMIDLIST* ppidl)
{
    *ppidl = nullptr;
    if (nFolder != CSIDL_DRIVES && nFolder != CSIDL_DESKTOP)
        return E_INVALIDARG;
    *ppidl = NewItemList("", nFolder);
    return S_OK;
}

BOOL SHGetPathFromIDList(LPCITEMIDLIST pidl, LPTSTR pszPath)
{
    if (!pszPath)
        return FALSE;
    pszPath[0] = 0;
    if (!pidl || pidl->virtualFolder != -1)
        return FALSE;
    size_t length = std::min<size_t>(std::strlen(pidl->path), MAX_PATH - 1);
    std::memcpy(pszPath, pidl->path, length);
    pszPath[length] = 0;
    return TRUE;
}

LPITEMIDLIST SHBrowseForFolder(LPBROWSEINFO lpbi)
{
    if (!lpbi)
        return nullptr;
    CFolderBrowser browser(*lpbi);
    if (!browser.Open())
        return nullptr;
    CString chosen;
    BOOL ok = UiHost::Current().BrowseForFolder(browser, chosen);
    browser.DestroyWindow();
    if (!ok)
        return nullptr;
    if (lpbi->pszDisplayName) {
        CString name = DisplayName(chosen);
        size_t length = std::min<size_t>(name.GetLength(), MAX_PATH - 1);
        std::memcpy(lpbi->pszDisplayName, static_cast<LPCTSTR>(name), length);
        lpbi->pszDisplayName[length] = 0;
    }
    return AfxItemListFromPath(chosen);
}

HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory,
                       int nShowCmd)
{
    ShellExecuteRequest request{
        hwnd, CString(lpOperation), CString(lpFile), CString(lpParameters), CString(lpDirectory), nShowCmd};
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(UiHost::Current().ShellExecute(request)));
}
