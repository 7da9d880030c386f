#include "fdoutput/ZnFDOutAttachments.h"

#include "platform/core/AfxMessageBox.h"
#include "platform/files/CFileFind.h"

namespace {

bool NamedButMissing(const CString& path)
{
    CFileFind finder;
    return !path.IsEmpty() && !finder.FindFile(path);
}

} // namespace

bool ZnFDOutAttachments::CheckAttachments(const CString& siteMapPath, const CString& layoutPath)
{
    if (NamedButMissing(siteMapPath)) {
        AfxMessageBox("見取図のファイルが存在しません。", MB_ICONSTOP);
        return false;
    }
    if (NamedButMissing(layoutPath)) {
        AfxMessageBox("配置図のファイルが存在しません。", MB_ICONSTOP);
        return false;
    }
    return true;
}
