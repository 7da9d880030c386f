#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "platform/core/AfxMessageBox.h"
#include "platform/files/WinStdio.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnShellState.h"
#include "writers/XmlPieceWriters.h"
#include "writers/ZnAppDocFDOut00.h"

#include <cstdarg>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut11, VhObject)

void ZnAppDocFDOut11::WriteLiteral(FILE* file, const CString& text) { WriteXmlLiteral(file, text); }

void ZnAppDocFDOut11::WriteValue(FILE* file, const CString& value) { WriteXmlValue(file, value); }

FILE* ZnAppDocFDOut11::OpenXml(LPCTSTR path, LPCTSTR mode)
{
    FILE* file = WinFopen(path, mode);
    if (!file)
        AfxMessageBox(CString("様式ファイルのオープン(") + path + ")に失敗しました。", MB_ICONSTOP | MB_OK);
    return file;
}

namespace {

// The object in a slot of the active document as the class the writer needs, or null.
template <typename Model> const Model* ActiveModel(int slot)
{
    ZnShellState* shell = ZnShellState::Current();
    return shell ? dynamic_cast<const Model*>(shell->GetModel(slot)) : nullptr;
}

} // namespace

const ZnModelApp* ZnAppDocFDOut11::ActiveApp() { return ActiveModel<ZnModelApp>(ZnShellState::appModelSlot); }

const ZnModelAppBuild* ZnAppDocFDOut11::ActiveBuild()
{
    return ActiveModel<ZnModelAppBuild>(ZnShellState::formModelSlot);
}

const ZnModelAppBuildConf* ZnAppDocFDOut11::ActiveBuildConf()
{
    return ActiveModel<ZnModelAppBuildConf>(ZnShellState::subFormModelSlot);
}

const ZnModelAppBuildMod* ZnAppDocFDOut11::ActivePlanChange()
{
    return ActiveModel<ZnModelAppBuildMod>(ZnShellState::subFormModelSlot);
}

void ZnAppDocFDOut11::ReportMissingDocument()
{
    AfxMessageBox("出力する申請書のデータが読み込まれていません。", MB_ICONSTOP | MB_OK);
}

FILE* ZnAppDocFDOut11::OpenFace(LPCTSTR path, const ZnModelAppBuild*& build, const ZnModelApp** app)
{
    build = ActiveBuild();
    if (app)
        *app = ActiveApp();
    if (!build || (app && !*app)) {
        ReportMissingDocument();
        return nullptr;
    }
    return OpenXml(path, "a");
}

void ZnAppDocFDOut11::WriteOpenTag(FILE* file, int depth, LPCTSTR tag)
{
    WriteLiteral(file, CString('\t', depth) + "<" + tag + ">\n");
}

void ZnAppDocFDOut11::WriteCloseTag(FILE* file, int depth, LPCTSTR tag)
{
    WriteLiteral(file, CString('\t', depth) + "</" + tag + ">\n");
}

void ZnAppDocFDOut11::WriteElement(FILE* file, int depth, LPCTSTR tag, const CString& value)
{
    WriteLiteral(file, CString('\t', depth) + "<" + tag + ">");
    WriteValue(file, value);
    WriteLiteral(file, CString("</") + tag + ">\n");
}

CString ZnAppDocFDOut11::Formatted(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    return text;
}

CString ZnAppDocFDOut11::FormattedBlankZero(LPCTSTR format, ...)
{
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    return ZnAppDocFDOut00::BlankZeroText(text);
}

CString ZnAppDocFDOut11::CodeName(CodeTable table, const CString& code)
{
    ZnShellState* shell = ZnShellState::Current();
    ZnAppComTblAccess* access = shell ? shell->GetComTblAccess() : nullptr;
    return access ? ZnAppComTblAccess::GetNameByCode(access->m_pRset[table], code) : CString();
}
