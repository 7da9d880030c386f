#include "writers/ZnAppDocFDOut00.h"

#include "platform/core/Cp932.h"
#include "storage/ZnRunLog.h"
#include "writers/CompareNumber.h"
#include "writers/XmlText.h"
#include "writers/ZnCodeNames.h"
#include "writers/ZnDocTitles.h"
#include "writers/ZnManagementInfoFile.h"
#include "writers/ZnSupervisorFile.h"
#include "writers/ZnValueTexts.h"
#include "writers/ZnWrittenFiles.h"
#include "writers/fdoutput/ZnFloppyIndexFiles.h"
#include "writers/fdoutput/ZnFloppyMedium.h"

IMPLEMENT_DYNAMIC(ZnAppDocFDOut00, VhObject)

// The run log.

void ZnAppDocFDOut00::WriteLog(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function)
{
    ZnRunLog::Write(level, message, source, function);
}

void ZnAppDocFDOut00::DeleteLog()
{
    ZnRunLog::Delete();
    ZnWrittenFiles::ForgetDroppedChars();
}

// XML text.

CString ZnAppDocFDOut00::EscapeXml(const CString& text) { return XmlText::Escape(text); }

CString ZnAppDocFDOut00::ToUtf8(const CString& text) { return CString(cp932::ToUtf8(text.Bytes())); }

ZnWriteOutcome ZnAppDocFDOut00::WriteManagementInfoXml(LPCTSTR path, int formSheetNo, int branchNo,
                                                       LPCTSTR creationDate)
{
    return ZnManagementInfoFile::Write(path, formSheetNo, branchNo, creationDate);
}

ZnWriteOutcome ZnAppDocFDOut00::WriteSupervisorXml(LPCTSTR root, const ZnModelDesigner* supervisor)
{
    return ZnSupervisorFile::Write(root, supervisor);
}

// The floppy medium and its index files.

int ZnAppDocFDOut00::PrepareMedia(LPCTSTR root, LPCTSTR dataFolder)
{
    return ZnFloppyMedium().Prepare(root, dataFolder);
}

int ZnAppDocFDOut00::CopyMapBitmaps(LPCTSTR root, LPCTSTR mitoriPath, LPCTSTR haichiPath)
{
    return ZnFloppyMedium::CopyMapBitmaps(root, mitoriPath, haichiPath);
}

int ZnAppDocFDOut00::WriteIndexFiles(LPCTSTR root, int submissionIndex, LPCTSTR baseFormNo, int groupIndex)
{
    return ZnFloppyIndexFiles(submissionIndex, baseFormNo, groupIndex).Write(root);
}

int ZnAppDocFDOut00::HasFloorOutline(const ZnModelAppBuild& build)
{
    return ZnFloppyIndexFiles::HasFloorOutline(build);
}

// Titles and document-kind codes.

CString ZnAppDocFDOut00::GetDocTypeTitle() { return ZnDocTitles::GetDocTypeTitle(); }

CString ZnAppDocFDOut00::GetObjectKindName(int objectNo) { return ZnDocTitles::GetObjectKindName(objectNo); }

CString ZnAppDocFDOut00::GetDocTitle(int objectNo) { return ZnDocTitles::GetDocTitle(objectNo); }

int ZnAppDocFDOut00::GetDocKindCode(int objectNo) { return ZnDocTitles::GetDocKindCode(objectNo); }

CString ZnAppDocFDOut00::GetDocTitleFromCode(const CString& code) { return ZnDocTitles::GetDocTitleFromCode(code); }

int ZnAppDocFDOut00::SetTempUseDocKindCode(const ZnModelAppTempUseConf* tempUse)
{
    return ZnDocTitles::SetTempUseDocKindCode(tempUse);
}

// Value texts, code names and the comparison of two numbers.

CString ZnAppDocFDOut00::GetShinseiDatePart(const ZnModelApp* app, int part)
{
    return ZnValueTexts::GetShinseiDatePart(app, part);
}

CString ZnAppDocFDOut00::RemoveLineBreaks(const CString& text) { return ZnValueTexts::RemoveLineBreaks(text); }

CString ZnAppDocFDOut00::BlankZeroText(const CString& text) { return ZnValueTexts::BlankZeroText(text); }

CString ZnAppDocFDOut00::FormatEraDate6(const ZnModelDate& date) { return ZnValueTexts::FormatEraDate6(date); }

int ZnAppDocFDOut00::CompareNumber(double a, LPCTSTR op, double b) { return ::CompareNumber(a, op, b); }

CString ZnAppDocFDOut00::GetStructureKindName(const CString& code) { return ZnCodeNames::GetStructureKindName(code); }

CString ZnAppDocFDOut00::GetBuildTypeDigit(const CString& code) { return ZnCodeNames::GetBuildTypeDigit(code); }

CString ZnAppDocFDOut00::GetArchitectClassName(const CString& code) { return ZnCodeNames::GetArchitectClassName(code); }

CString ZnAppDocFDOut00::GetUrbanPlanAreaName(const CString& code) { return ZnCodeNames::GetUrbanPlanAreaName(code); }

CString ZnAppDocFDOut00::GetAreaDivisionName(const CString& code) { return ZnCodeNames::GetAreaDivisionName(code); }
