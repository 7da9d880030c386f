#include "platform/wnd/CFolderBrowser.h"

IMPLEMENT_DYNAMIC(CFolderBrowser, CWnd)

BOOL CFolderBrowser::Open()
{
    if (!CreateEx(0, "#32770", nullptr, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 320, 400, m_info.hwndOwner, nullptr))
        return FALSE;
    Callback(BFFM_INITIALIZED, 0);
    return m_hWnd != nullptr;
}

void CFolderBrowser::Callback(UINT message, LPARAM lParam)
{
    if (m_info.lpfn && m_hWnd)
        m_info.lpfn(m_hWnd, message, lParam, m_info.lParam);
}

void CFolderBrowser::SelectFolder(LPCTSTR lpszPath)
{
    m_strSelection = lpszPath;
    LPITEMIDLIST selected = AfxItemListFromPath(lpszPath);
    Callback(BFFM_SELCHANGED, reinterpret_cast<LPARAM>(selected));
    CoTaskMemFree(selected);
}

int CFolderBrowser::GetRootFolder() const { return AfxItemListFolder(m_info.pidlRoot); }

LRESULT CFolderBrowser::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case BFFM_SETSELECTION: {
        char path[MAX_PATH];
        if (wParam)
            m_strSelection = reinterpret_cast<LPCTSTR>(lParam);
        else if (SHGetPathFromIDList(reinterpret_cast<LPCITEMIDLIST>(lParam), path))
            m_strSelection = path;
        return 0;
    }
    case BFFM_SETSTATUSTEXT:
        m_strStatus = reinterpret_cast<LPCTSTR>(lParam);
        return 0;
    case BFFM_ENABLEOK:
        m_bOKEnabled = lParam != 0;
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
