#include "writers/xml/ZnAppDocFDOut11.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "platform/core/AfxMessageBox.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnShellState.h"
#include "writers/ZnAppDocFDOut00.h"
#include "writers/ZnWrittenFiles.h"

#include <cstdarg>

IMPLEMENT_DYNAMIC(ZnAppDocFDOut11, VhObject)

FILE* ZnAppDocFDOut11::OpenXml(LPCTSTR path, bool append)
{
    FILE* file = ZnWrittenFiles::OpenWholeFile(path, append);
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
