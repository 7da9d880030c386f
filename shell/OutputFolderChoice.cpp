#include "shell/OutputFolderChoice.h"

#include "shell/ZnDirectoryDialog.h"
#include "storage/ZnShellState.h"

bool ChooseOutputFolder(CWnd* owner, CString& folder)
{
    ZnDirectoryDialog picker(owner);
    if (picker.DoModal() != IDOK || picker.m_strPath.IsEmpty())
        return false;
    folder = picker.m_strPath;
    ZnShellState::Current()->SetOutputFolder(folder);
    return true;
}
