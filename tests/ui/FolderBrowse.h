// The shell's folder browser run as the system runs it, for the tests of the browser on the display.
#pragma once

#include "platform/wnd/CWnd.h"
#include "platform/wnd/ShellApi.h"

#include <gtest/gtest.h>

#include <utility>

namespace uitest {

// The path of the last folder that the browser's callback heard selected.
inline CString heardSelection;

// The system's folder chooser: rooted at My Computer, the start folder selected, each selection shown.
inline int CALLBACK BrowseCallback(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED) {
        ::SendMessage(hwnd, BFFM_SETSELECTION, TRUE, lpData);
    } else if (uMsg == BFFM_SELCHANGED) {
        char path[MAX_PATH];
        if (SHGetPathFromIDList(reinterpret_cast<LPITEMIDLIST>(lParam), path))
            heardSelection = path;
    }
    return 0;
}

// The chosen folder as the shell gives it, with its display name; empty when cancelled.
inline std::pair<CString, CString> BrowseFrom(LPCTSTR start)
{
    LPITEMIDLIST root = nullptr;
    EXPECT_EQ(S_OK, SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &root));
    char display[MAX_PATH] = "";
    BROWSEINFO info{nullptr,
                    root,
                    display,
                    nullptr,
                    BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT,
                    BrowseCallback,
                    reinterpret_cast<LPARAM>(start),
                    0};
    LPITEMIDLIST chosen = SHBrowseForFolder(&info);
    CoTaskMemFree(root);
    char path[MAX_PATH] = "";
    if (chosen && !SHGetPathFromIDList(chosen, path))
        ADD_FAILURE() << "the chosen folder has no path";
    CoTaskMemFree(chosen);
    return {CString(path), CString(display)};
}

} // namespace uitest
