// The shell calls the system makes: the folder browser with its item lists, and ShellExecute.
// An item list names a folder: a file-system path, or a virtual folder (My Computer) that has
// none. Item lists are released with CoTaskMemFree or the shell's allocator.
#pragma once

#include "platform/wnd/WinUser.h"

#define CALLBACK

#define CSIDL_DESKTOP 0x0000
#define CSIDL_DRIVES 0x0011

#define BIF_RETURNONLYFSDIRS 0x0001
#define BIF_DONTGOBELOWDOMAIN 0x0002
#define BIF_STATUSTEXT 0x0004
#define BIF_RETURNFSANCESTORS 0x0008
#define BIF_EDITBOX 0x0010

#define BFFM_INITIALIZED 1
#define BFFM_SELCHANGED 2
#define BFFM_SETSTATUSTEXT (WM_USER + 100)
#define BFFM_ENABLEOK (WM_USER + 101)
#define BFFM_SETSELECTION (WM_USER + 102)

struct ITEMIDLIST;
typedef ITEMIDLIST* LPITEMIDLIST;
typedef const ITEMIDLIST* LPCITEMIDLIST;
typedef int(CALLBACK* BFFCALLBACK)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

struct BROWSEINFO {
    HWND hwndOwner;
    LPCITEMIDLIST pidlRoot;
    LPTSTR pszDisplayName; // MAX_PATH bytes: receives the chosen folder's name
    LPCTSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};
typedef BROWSEINFO* LPBROWSEINFO;

// The shell's allocator.
struct IMalloc {
    virtual void* Alloc(ULONG cb);
    virtual void Free(void* pv);
    virtual ULONG Release() { return 0; }
    virtual ~IMalloc() = default;
};
typedef IMalloc* LPMALLOC;

HRESULT SHGetMalloc(LPMALLOC* ppMalloc);
void CoTaskMemFree(LPVOID pv);
// S_OK with the item list of CSIDL_DRIVES or CSIDL_DESKTOP; E_INVALIDARG for other folders.
HRESULT SHGetSpecialFolderLocation(HWND hwndOwner, int nFolder, LPITEMIDLIST* ppidl);
// Runs the folder browser through the user-interface host (the callback is called with
// BFFM_INITIALIZED first and BFFM_SELCHANGED for each selection). The chosen folder's item
// list, or null when cancelled.
LPITEMIDLIST SHBrowseForFolder(LPBROWSEINFO lpbi);
// Copies the folder's path (MAX_PATH bytes at most); FALSE for a virtual folder.
BOOL SHGetPathFromIDList(LPCITEMIDLIST pidl, LPTSTR pszPath);
// A new item list for a file-system path.
LPITEMIDLIST AfxItemListFromPath(LPCTSTR lpszPath);
// The CSIDL of a virtual folder's item list; -1 for a path or no list.
int AfxItemListFolder(LPCITEMIDLIST pidl);

// Asks the user-interface host to open a file (the help page) with the verb; a result above
// 32 is success.
HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory,
                       int nShowCmd);
