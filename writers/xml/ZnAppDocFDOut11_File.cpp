// The file 申請書データ.xml as a whole: its head, then the faces.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "writers/ZnAppDocFDOut00.h"

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
    if (!ZnAppDocFDOut00::CloseWrittenFile(file, path))
        return;

    // Each face appends to the file; after one that could not be written (and removed the
    // file) the next would start a new, cut-off file.
    using Face = void (*)(LPCTSTR);
    int failures = ZnAppDocFDOut00::WriteFailures();
    for (Face face : {&WriteFirstFace, &WriteSecondFace, &WriteThirdFace, &WriteFourthFace, &WriteFifthFace}) {
        if (ZnAppDocFDOut00::WriteFailures() != failures)
            return;
        face(path);
    }
}
