// The shared output support of the application-data writers, under the names by which the
// writers, the floppy pages, the floppy import and the migration export call it. It holds no
// data: callers build one on the stack when they need it, or call its operations on the class.
// Each operation hands over to the unit that does the work, named with it:
//   the run log                          ZnRunLog, and ZnWrittenFiles for the files it has named
//   XML text                             XmlText, cp932::ToUtf8
//   the management and supervisor files  ZnManagementInfoFile, ZnSupervisorFile
//   the floppy medium and index files    ZnFloppyMedium, ZnFloppyIndexFiles
//   titles and document-kind codes       ZnDocTitles
//   value texts, code names, comparison  ZnValueTexts, ZnCodeNames, CompareNumber
// Code of the system's own that needs one of these concerns alone calls its unit.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"

class ZnModelApp;
class ZnModelAppBuild;
class ZnModelAppTempUseConf;
class ZnModelDate;
class ZnModelDesigner;

class ZnAppDocFDOut00 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut00)
public:
    ZnAppDocFDOut00() = default;

    // The run log.

    // Appends one line "time [level] source#function - message" to the run log "ravuRivo.log"
    // (ZnRunLog::Write; levels ZnRunLog::Level).
    static void WriteLog(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function);
    // Removes the run log (ZnRunLog::Delete) and forgets which files it has named
    // (ZnWrittenFiles::ForgetDroppedChars).
    static void DeleteLog();

    // XML text.

    // The text made safe as XML character data (XmlText::Escape).
    static CString EscapeXml(const CString& text);
    // The UTF-8 bytes of a CP932 text; bytes that are not CP932 become U+FFFD.
    static CString ToUtf8(const CString& text);
    // Writes the management-information file 申請書管理情報.xml of an exported document
    // (ZnManagementInfoFile::Write), with its outcome: a file that cannot be opened is told, and
    // nothing written.
    static ZnWriteOutcome WriteManagementInfoXml(LPCTSTR path, int formSheetNo, int branchNo, LPCTSTR creationDate);
    // Writes the supervisor file root + "\Keikaku\~002.xml" (ZnSupervisorFile::Write), with its
    // outcome: a file that cannot be opened is told, and nothing written.
    static ZnWriteOutcome WriteSupervisorXml(LPCTSTR root, const ZnModelDesigner* supervisor);

    // The floppy medium and its index files. Each returns 1 when done and 0 after a failure that
    // it has told in one message box.

    // Checks the medium under root and empties or makes root\dataFolder, root\Sinsei and
    // root\Info (ZnFloppyMedium::Prepare).
    int PrepareMedia(LPCTSTR root, LPCTSTR dataFolder);
    // Copies the site map (見取図) and the layout plan (配置図) onto the medium and into the current
    // property's folder (ZnFloppyMedium::CopyMapBitmaps).
    int CopyMapBitmaps(LPCTSTR root, LPCTSTR mitoriPath, LPCTSTR haichiPath);
    // Writes root\Sinsei\filename and root\Info\filename.iba for the active document under the
    // base form number (ZnFloppyIndexFiles::Write).
    int WriteIndexFiles(LPCTSTR root, int submissionIndex, LPCTSTR baseFormNo, int groupIndex);
    // 1 when a building page of the application holds a floor outline, else 0.
    static int HasFloorOutline(const ZnModelAppBuild& build);

    // Titles and document-kind codes of the current selection (ZnDocTitles).

    static CString GetDocTypeTitle();
    static CString GetObjectKindName(int objectNo);
    static CString GetDocTitle(int objectNo);
    static int GetDocKindCode(int objectNo);
    static CString GetDocTitleFromCode(const CString& code);
    static int SetTempUseDocKindCode(const ZnModelAppTempUseConf* tempUse);

    // Value texts (ZnValueTexts), code names (ZnCodeNames) and the comparison of two numbers
    // (CompareNumber).

    static CString GetShinseiDatePart(const ZnModelApp* app, int part);
    static CString RemoveLineBreaks(const CString& text);
    static CString BlankZeroText(const CString& text);
    static CString FormatEraDate6(const ZnModelDate& date);
    static int CompareNumber(double a, LPCTSTR op, double b);
    static CString GetStructureKindName(const CString& code);
    static CString GetBuildTypeDigit(const CString& code);
    static CString GetArchitectClassName(const CString& code);
    static CString GetUrbanPlanAreaName(const CString& code);
    static CString GetAreaDivisionName(const CString& code);
};
