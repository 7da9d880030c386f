#include "shell/DriveRootFolder.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinFileApi.h"
#include "shell/ZnDlgAppDocDirConfirm.h"
#include "shell/ZnDlgAppRootDirConfirm.h"
#include "storage/ZnDatabaseTemplate.h"

bool RedirectDriveRoot(CString& folder, CWnd* parent)
{
    if (folder.GetLength() > 3)
        return true;
    CString candidate = folder.Left(2) + "\\App_Doc1";
    if (ZnPathExists(candidate)) {
        ZnDlgAppDocDirConfirm confirm(parent);
        if (confirm.DoModal() != IDOK)
            return false;
        folder = candidate;
        return true;
    }
    ZnDlgAppRootDirConfirm confirm(parent);
    if (confirm.DoModal() != IDOK)
        return false;
    folder = candidate;
    if (CreateDirectory(candidate, nullptr))
        return true;
    AfxMessageBox("申請用ディレクトリの作成に失敗しました。", MB_ICONSTOP);
    return false;
}
