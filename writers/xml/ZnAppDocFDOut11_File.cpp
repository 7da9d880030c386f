// The file 申請書データ.xml as a whole, its head and then the faces, and the faces one by one.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "writers/ZnWrittenFiles.h"

void ZnAppDocFDOut11::WriteXml(LPCTSTR path) { TryWriteXml(path); }

ZnWriteOutcome ZnAppDocFDOut11::TryWriteXml(LPCTSTR path) { return WriteText(path, &WholeFile, false, true); }

void ZnAppDocFDOut11::WriteFirstFace(LPCTSTR path) { TryWriteFace(path, 1); }

void ZnAppDocFDOut11::WriteSecondFace(LPCTSTR path) { TryWriteFace(path, 2); }

void ZnAppDocFDOut11::WriteThirdFace(LPCTSTR path) { TryWriteFace(path, 3); }

void ZnAppDocFDOut11::WriteFourthFace(LPCTSTR path) { TryWriteFace(path, 4); }

void ZnAppDocFDOut11::WriteFifthFace(LPCTSTR path) { TryWriteFace(path, 5); }

ZnWriteOutcome ZnAppDocFDOut11::TryWriteFace(LPCTSTR path, int faceNo)
{
    static const Face faces[] = {&FirstFace, &SecondFace, &ThirdFace, &FourthFace, &FifthFace};
    // Only the first two faces read the application root.
    return WriteText(path, faces[faceNo - 1], true, faceNo <= 2);
}

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
