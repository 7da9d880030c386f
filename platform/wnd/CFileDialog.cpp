#include "platform/wnd/CFileDialog.h"

#include "platform/wnd/CWnd.h"
#include "platform/wnd/MessageBox.h"
#include "platform/wnd/UiHost.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn{pParentWnd ? pParentWnd->m_hWnd : nullptr, dwFlags, nullptr, nullptr}, m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt), m_strInitialFileName(lpszFileName), m_strFilter(lpszFilter)
{
}

INT_PTR CFileDialog::DoModal()
{
    if (!m_ofn.hwndOwner)
        m_ofn.hwndOwner = AfxGetSafeOwner();
    m_strPath.Empty();
    INT_PTR result = UiHost::Current().RunFileDialog(*this);
    if (result != IDOK)
        return IDCANCEL;
    if (!m_strDefExt.IsEmpty() && GetFileExt().IsEmpty())
        m_strPath += "." + m_strDefExt;
    return IDOK;
}

CString CFileDialog::GetFileName() const { return m_strPath.Mid(m_strPath.ReverseFind('\\') + 1); }

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}
