// The file 申請書データ.xml as a whole, its head and then the faces, and the faces one by one.
#include "writers/xml/ZnAppDocFDOut11.h"

#include "writers/ZnAppDocFDOut00.h"

void ZnAppDocFDOut11::WriteXml(LPCTSTR path)
{
    const ZnModelApp* app = ActiveApp();
    const ZnModelAppBuild* build = ActiveBuild();
    if (!app || !build) {
        ReportMissingDocument();
        return;
    }
    FILE* file = OpenXml(path, false);
    if (!file)
        return;
    XmlText xml;
    xml.Literal("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
    xml.Literal("<申請書データ>\n");
    xml.Literal("<管理情報>\n");
    xml.Literal("<バージョン>1.1</バージョン>\n");
    xml.Literal("</管理情報>\n");
    for (Face face : {&FirstFace, &SecondFace, &ThirdFace, &FourthFace, &FifthFace})
        face(xml, app, *build);
    ZnAppDocFDOut00::WriteWholeFile(file, xml, path);
}

void ZnAppDocFDOut11::AppendFace(LPCTSTR path, Face face, bool needsApp)
{
    const ZnModelApp* app = ActiveApp();
    const ZnModelAppBuild* build = ActiveBuild();
    if (!build || (needsApp && !app)) {
        ReportMissingDocument();
        return;
    }
    FILE* file = OpenXml(path, true);
    if (!file)
        return;
    XmlText xml;
    face(xml, app, *build);
    ZnAppDocFDOut00::WriteWholeFile(file, xml, path);
}

void ZnAppDocFDOut11::WriteFirstFace(LPCTSTR path) { AppendFace(path, &FirstFace, true); }

void ZnAppDocFDOut11::WriteSecondFace(LPCTSTR path) { AppendFace(path, &SecondFace, true); }

void ZnAppDocFDOut11::WriteThirdFace(LPCTSTR path) { AppendFace(path, &ThirdFace, false); }

void ZnAppDocFDOut11::WriteFourthFace(LPCTSTR path) { AppendFace(path, &FourthFace, false); }

void ZnAppDocFDOut11::WriteFifthFace(LPCTSTR path) { AppendFace(path, &FifthFace, false); }
