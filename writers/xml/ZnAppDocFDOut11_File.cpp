// The file 申請書データ.xml as a whole, its head and then the faces, and the faces one by one.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "writers/ZnAppDocFDOut00.h"

void ZnAppDocFDOut11::WriteXml(LPCTSTR path) { WriteText(path, &WholeFile, false, true); }

void ZnAppDocFDOut11::WriteFirstFace(LPCTSTR path) { WriteText(path, &FirstFace, true, true); }

void ZnAppDocFDOut11::WriteSecondFace(LPCTSTR path) { WriteText(path, &SecondFace, true, true); }

void ZnAppDocFDOut11::WriteThirdFace(LPCTSTR path) { WriteText(path, &ThirdFace, true, false); }

void ZnAppDocFDOut11::WriteFourthFace(LPCTSTR path) { WriteText(path, &FourthFace, true, false); }

void ZnAppDocFDOut11::WriteFifthFace(LPCTSTR path) { WriteText(path, &FifthFace, true, false); }

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

void ZnAppDocFDOut11::WriteText(LPCTSTR path, Face text, bool append, bool needsApp)
{
    const ZnModelApp* app = ActiveApp();
    const ZnModelAppBuild* build = ActiveBuild();
    if (!build || (needsApp && !app)) {
        ReportMissingDocument();
        return;
    }
    FILE* file = OpenXml(path, append);
    if (!file)
        return;
    XmlText xml;
    text(xml, app, *build);
    ZnAppDocFDOut00::WriteWholeFile(file, xml, path);
}
