// The file 申請書データ.xml as a whole: its head, then the faces.
#include "writers/ZnAppDocFDOut11.h"

void ZnAppDocFDOut11::WriteXml(LPCTSTR path)
{
    if (!ActiveApp() || !ActiveBuild()) {
        ReportMissingDocument();
        return;
    }
    FILE* file = OpenXml(path, "w");
    if (!file)
        return;
    WriteLiteral(file, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    WriteLiteral(file, "<申請書データ>\n");
    WriteLiteral(file, "<管理情報>\n");
    WriteLiteral(file, "<バージョン>1.1</バージョン>\n");
    WriteLiteral(file, "</管理情報>\n");
    fclose(file);

    WriteFirstFace(path);
    WriteSecondFace(path);
    WriteThirdFace(path);
    WriteFourthFace(path);
    WriteFifthFace(path);
}
