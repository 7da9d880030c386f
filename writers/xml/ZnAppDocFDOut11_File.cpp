// The file 申請書データ.xml as a whole, its head and then the faces, and the faces one by one.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "writers/ZnWrittenFiles.h"

ZnWriteOutcome ZnAppDocFDOut11::WriteXml(LPCTSTR path) { return WriteText(path, &WholeFile, false, true); }

// Only the first two faces read the application root.

ZnWriteOutcome ZnAppDocFDOut11::WriteFirstFace(LPCTSTR path) { return WriteText(path, &FirstFace, true, true); }

ZnWriteOutcome ZnAppDocFDOut11::WriteSecondFace(LPCTSTR path) { return WriteText(path, &SecondFace, true, true); }

ZnWriteOutcome ZnAppDocFDOut11::WriteThirdFace(LPCTSTR path) { return WriteText(path, &ThirdFace, true, false); }

ZnWriteOutcome ZnAppDocFDOut11::WriteFourthFace(LPCTSTR path) { return WriteText(path, &FourthFace, true, false); }

ZnWriteOutcome ZnAppDocFDOut11::WriteFifthFace(LPCTSTR path) { return WriteText(path, &FifthFace, true, false); }

void ZnAppDocFDOut11::WholeFile(XmlText& xml, const ZnModelApp* app, const ZnModelAppBuild& build)
{
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.Literal("<申請書データ>\n");
    xml.Literal("<管理情報>\n");
    xml.Literal("<バージョン>1.1</バージョン>\n");
    xml.Literal("</管理情報>\n");
    for (Face face : {&FirstFace, &SecondFace, &ThirdFace, &FourthFace, &FifthFace})
        face(xml, app, build);
}

ZnWriteOutcome ZnAppDocFDOut11::WriteText(LPCTSTR path, Face text, bool append, bool needsApp)
{
    const ZnModelApp* app = ActiveApp();
    const ZnModelAppBuild* build = ActiveBuild();
    if (!build || (needsApp && !app)) {
        ReportMissingDocument();
        return ZnWriteOutcome::told;
    }
    FILE* file = OpenXml(path, append);
    if (!file)
        return ZnWriteOutcome::told;
    XmlText xml;
    text(xml, app, *build);
    return ZnWrittenFiles::WriteWholeFile(file, xml, path);
}
