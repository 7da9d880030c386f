// The shared output support of the application-data writers. It holds no data: writers build
// one on the stack when they need it, or call its operations on the class. It keeps the run
// log, converts and writes XML text, writes the management-information and supervisor files,
// and turns the current selection and coded values into titles, codes and words.
//
// The selections (document mode, type and object kind) and the active document are read from
// the current shell (ZnShellState::Current()), which must be installed.
//
// A floppy output (ZnFloppyOutput) prepares its medium (PrepareMedia), copies the maps of a
// building (CopyMapBitmaps) and writes the index files (WriteIndexFiles) on an object of this
// class, then its data. Each of these steps returns 1 when done and 0 after a failure that it has
// told in one message box, on which the caller ends the output.
#pragma once

#include "model/VhObject.h"
#include "writers/ZnWriteOutcome.h"

#include <cstdio>

class ZnModelApp;
class ZnModelAppBuild;
class ZnModelAppTempUseConf;
class ZnModelDate;
class ZnModelDesigner;

class ZnAppDocFDOut00 : public VhObject {
    DECLARE_DYNAMIC(ZnAppDocFDOut00)
public:
    enum LogLevel { LogDebug = 1, LogInfo = 2, LogWarn = 3, LogError = 4 };

    ZnAppDocFDOut00() = default;

    // The run log.

    // Appends one line "time [level] source#function - message" to the run log "ravuRivo.log"
    // in the current folder, else on drive C (ZnRunLog). A log that cannot be opened loses the
    // line; nothing is reported.
    static void WriteLog(int level, LPCTSTR message, LPCTSTR source, LPCTSTR function);
    // Removes the run log, in the current folder if it can be opened there, else on drive C, and
    // forgets which files it has named.
    static void DeleteLog();

    // XML text.

    // The text made safe as XML character data: every byte "&", "<", ">", the double quote and
    // the apostrophe replaced by its entity (XmlText::EntityOf), in one pass, so that no entity is
    // escaped twice. Each of these bytes is a character of its own (cp932::CharLength), also
    // after a lead byte. Nothing else changes.
    static CString EscapeXml(const CString& text);
    // The UTF-8 bytes of a CP932 text; bytes that are not CP932 become U+FFFD.
    static CString ToUtf8(const CString& text);

    // Writes the management-information file (申請書管理情報.xml, UTF-8) of an exported document,
    // the creation date as a value (XmlText::Value).
    // When the file cannot be opened, says so in a message box and writes nothing.
    static void WriteManagementInfoXml(LPCTSTR path, int formSheetNo, int branchNo, LPCTSTR creationDate);
    // Writes root + "\Keikaku\~002.xml" in CP932: the declaration and the element 申請書, holding
    // the supervisor's name, office name, postal code, address and telephone when a supervisor is
    // given (null: none). When the file cannot be opened, says so and writes nothing.
    static void WriteSupervisorXml(LPCTSTR root, const ZnModelDesigner* supervisor);

    // The floppy medium (ZnFloppyMedium).

    // Makes the output root (a folder, or a drive such as "A:") ready for a floppy output: the
    // medium checked, root\dataFolder, root\Sinsei and root\Info emptied or created
    // (ZnFloppyMedium::Prepare). 1 when done, 0 after a failure told in one message box.
    int PrepareMedia(LPCTSTR root, LPCTSTR dataFolder);
    // Copies the site map (見取図) and the layout plan (配置図) onto the medium and into the current
    // property's folder (ZnFloppyMedium::CopyMapBitmaps). 1 when done, 0 after a failure told in
    // one message box.
    int CopyMapBitmaps(LPCTSTR root, LPCTSTR mitoriPath, LPCTSTR haichiPath);

    // The floppy index files (ZnFloppyIndexFiles).

    // Writes root\Sinsei\filename and root\Info\filename.iba for the active document under the
    // base form number, with the submission code of submissionIndex (0 "1", 1 "3", else ""), for
    // every number group (groupIndex -1) or only the groupIndex-th (ZnFloppyIndexFiles::Write).
    // 1 when both files are written, 0 after a failure told in one message box.
    int WriteIndexFiles(LPCTSTR root, int submissionIndex, LPCTSTR baseFormNo, int groupIndex);
    // 1 when a building page of the application holds a floor outline, else 0.
    static int HasFloorOutline(const ZnModelAppBuild& build);

    // Titles and document-kind codes, by the current selection.

    // The title of the selected document type: the notification title in mode 32787, else the
    // application title; "" for a type other than 1000, 1002, 1005 and 1008.
    static CString GetDocTypeTitle();
    // "_建築物_" and its sisters for object kinds 1 to 6; "" for any other number.
    static CString GetObjectKindName(int objectNo);
    // GetDocTypeTitle followed by GetObjectKindName(objectNo).
    static CString GetDocTitle(int objectNo);
    // The document-kind code of object kind objectNo for the selected document type:
    // 100000 + 100 x procedure + objectNo, procedure 0 for a type that is none of the four.
    static int GetDocKindCode(int objectNo);
    // The title of a stored document-kind code (decimal text): for a code "100p0k" with procedure p
    // from 0 to 3 the procedure's title in the current mode (applications in mode 32786, else
    // notifications) followed by the object-kind name of its last digit; for any other code the
    // application's name for it (variant 1), "" when it has none.
    static CString GetDocTitleFromCode(const CString& code);
    // Sets the document-kind code of the active document's application root from the form digit
    // of a temporary-use application and the selected object kind (1028 or 1024); returns 1, or
    // 0 with nothing changed for another kind, a digit outside 0 to 5, or no application.
    static int SetTempUseDocKindCode(const ZnModelAppTempUseConf* tempUse);

    // Value conversions.

    // The year (part 0, "%04d"), month (1, "%02d") or day (2, "%02d") of the application date,
    // the date of the first number of the first building number group; "" when there is no such
    // group, its month is 0, the year or day asked for is 0, or part is another number.
    static CString GetShinseiDatePart(const ZnModelApp* app, int part);
    // The text without its line breaks: every line feed is dropped, and a carriage return
    // just before it.
    static CString RemoveLineBreaks(const CString& text);
    // 1 when the relation op (">", "<", ">=", "<=", "==", "!=") holds between a and b, where
    // values closer than 0.001 count as equal; 0 otherwise and for any other op.
    static int CompareNumber(double a, LPCTSTR op, double b);
    // "" for a written zero ("0", "0.0" ... "0.000000"), else the text unchanged.
    static CString BlankZeroText(const CString& text);
    // The date as "%02d%02d%02d" of its era year, month and day (昭和 for era code "01", else
    // 平成); "" for an empty date.
    static CString FormatEraDate6(const ZnModelDate& date);
    // The name of a structure-kind code ("02401" gives 木造 ... "02499" その他); any other text unchanged.
    static CString GetStructureKindName(const CString& code);
    // The digit of a building category code ("03701" gives "1" ... "03704" "4"); any other
    // text unchanged.
    static CString GetBuildTypeDigit(const CString& code);
    // 一級, 二級 or 木造 for the architect classes 101/301, 102/302, 103/303 (read as a number);
    // "" for anything else.
    static CString GetArchitectClassName(const CString& code);
    // The city-planning area of codes 700 to 702 (read as a number); "" for anything else.
    static CString GetUrbanPlanAreaName(const CString& code);
    // The area division of codes 801 to 807 (read as a number); "" for anything else.
    static CString GetAreaDivisionName(const CString& code);
};
