#include "writers/ZnManagementInfoFile.h"

#include "platform/core/AfxMessageBox.h"
#include "writers/XmlText.h"
#include "writers/ZnWrittenFiles.h"

ZnWriteOutcome ZnManagementInfoFile::Write(LPCTSTR path, int formSheetNo, int branchNo, LPCTSTR creationDate)
{
    FILE* file = ZnWrittenFiles::OpenWholeFile(path);
    if (!file) {
        AfxMessageBox("申請書管理情報ファイルのオープンに失敗しました。", MB_ICONSTOP | MB_OK);
        return ZnWriteOutcome::told;
    }
    CString branch, formSheet;
    branch.Format("%d", branchNo);
    formSheet.Format("%d", formSheetNo);
    XmlText xml;
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.OpenTag(0, "申請書管理情報");
    xml.Leaf(1, "枝番", branch);
    // The date is the caller's text: a value like any other.
    xml.Leaf(1, "作成日", creationDate);
    xml.Leaf(1, "受付番号", "");
    xml.Leaf(1, "処分番号", "");
    xml.Leaf(1, "データチェック済みフラグ", "0");
    xml.Leaf(1, "帳票番号", formSheet);
    xml.CloseTag(0, "申請書管理情報");
    return ZnWrittenFiles::WriteWholeFile(file, xml, path);
}
