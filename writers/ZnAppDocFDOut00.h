// The shared output support of the application-data writers. It holds no data: writers build
// one on the stack when they need it, or call its operations on the class. It keeps the run
// log, converts and writes XML text, writes the management-information and supervisor files,
// and turns the current selection and coded values into titles, codes and words.
//
// The selections (document mode, type and object kind) and the active document are read from
// the current shell (ZnShellState::Current()), which must be installed.
//
// A floppy output prepares its medium (PrepareMedia), copies the maps of a building
// (CopyMapBitmaps) and writes the index files (WriteIndexFiles) on an object of this class, then
// its data. Each of these steps returns 1 when done and 0 after a failure that it has told in one
// message box, on which the caller ends the output.
#pragma once

#include "model/VhObject.h"

#include <cstdio>

class ZnModelApp;
class ZnModelAppBuild;
class ZnModelAppTempUseConf;
class ZnModelDate;
class ZnModelDesigner;
class XmlText;

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
    // Notes that a value written to the open stream lost characters that XML cannot hold (a piece
    // of XmlPieceWriters); when CloseWrittenFile has written the file whole, the run log names it,
    // once per file and log.
    static void NoteDroppedChars(FILE* file);
    // The UTF-8 bytes of a CP932 text; bytes that are not CP932 become U+FFFD.
    static CString ToUtf8(const CString& text);

    // Opens the file at path for a writer that builds its text whole (XmlText) and writes it with
    // WriteWholeFile: created or emptied, or with append added to at its end. The stream is
    // binary, for the text holds its CR LF line ends already. Null when the file cannot be
    // opened, which the caller tells in its own words; it is opened before the text is built so
    // that this is known first.
    static FILE* OpenWholeFile(LPCTSTR path, bool append = false);
    // Writes the UTF-8 form of the text to a file opened by OpenWholeFile with one write and
    // closes it. When it could not be written whole (a full disk), the file is removed, so that
    // no cut-off file is left, the failure is counted and false returned. A file whose values
    // lost characters (XmlText::LostChars) is named in the run log at level WARN, once until the
    // log is deleted.
    static bool WriteWholeFile(FILE* file, const XmlText& text, LPCTSTR path);
    // Closes a stream in text mode that a writer has written, such as in pieces (XmlPieceWriters),
    // with the rules of WriteWholeFile; the values that lost characters are those noted by
    // NoteDroppedChars, and a file written in several parts is named once.
    static bool CloseWrittenFile(FILE* file, LPCTSTR path);
    // Tells that a file could not be written whole: WriteFailedText with the stop icon.
    static void ShowWriteFailed(LPCTSTR path);
    // "ファイルの書き込み(<file name>)に失敗しました。"
    static CString WriteFailedText(LPCTSTR path);
    // How many written files have failed so in this process; callers compare it before and after.
    static int WriteFailures();
    // How many files WriteWholeFile and CloseWrittenFile have written whole in this process; a
    // writer that has not written its file has not changed it.
    static int FilesWritten();

    // Writes the management-information file (申請書管理情報.xml, UTF-8) of an exported document,
    // the creation date as a value (XmlText::Value).
    // When the file cannot be opened, says so in a message box and writes nothing.
    static void WriteManagementInfoXml(LPCTSTR path, int formSheetNo, int branchNo, LPCTSTR creationDate);
    // Writes root + "\Keikaku\~002.xml" in CP932: the declaration and the element 申請書, holding
    // the supervisor's name, office name, postal code, address and telephone when a supervisor is
    // given (null: none). When the file cannot be opened, says so and writes nothing.
    static void WriteSupervisorXml(LPCTSTR root, const ZnModelDesigner* supervisor);

    // The floppy medium (ZnAppDocFDOut00_Media.cpp).

    // Makes the output root (a folder, or a drive such as "A:") ready for a floppy output. First
    // the medium check (CheckMedium through LookForEntries) with the floppy's texts: the media
    // message has Retry and Cancel while the drive is not ready, OK for any other failure (a
    // missing root or drive among them). Then root\dataFolder, root\Sinsei and root\Info are each
    // emptied of their files, or created when missing: a folder inside one, or a file that cannot
    // be deleted, gives the media message; a folder that cannot be created (such as where a file
    // of its name stands) the message that the application's folder could not be made. Nothing is
    // done after a failure; what was deleted before it stays deleted.
    int PrepareMedia(LPCTSTR root, LPCTSTR dataFolder);
    // Prepares root\Mitori and root\Haichi as PrepareMedia prepares its folders, then copies each
    // map that has a source path, the site map (見取図) into Mitori and the layout plan (配置図) into
    // Haichi, and into the current property's folder, replacing a file there: as Ksq310.bmp and
    // Ksq330.bmp for the object kinds 1023 and 1009, else as Ksq320.bmp and Ksq340.bmp. A source
    // that CheckBitmapFile refuses, or a copy that fails, is told with the map's own message; no
    // cut-off copy is left. A source that is the property's copy itself counts as copied.
    int CopyMapBitmaps(LPCTSTR root, LPCTSTR mitoriPath, LPCTSTR haichiPath);
    // The data file of a floppy output in the folder that PrepareMedia empties for it:
    // root + "\Keikaku\申請書データ.xml".
    static CString GetMediaDataFilePath(LPCTSTR root);

    // The floppy index files (ZnAppDocFDOut00_IndexFiles.cpp).

    // Writes root\Sinsei\filename, the list of the forms on the medium, and root\Info\filename.iba,
    // the head record and one entry per form and number group, in CP932 with CR LF line ends, for
    // the active document under the base form number ("110" a building, "160" a lift, "280" an
    // interim inspection ...). submissionIndex 0 writes the submission code "1", 1 writes "3",
    // any other "". groupIndex -1 writes every number group, k (from 1) only the k-th.
    // Before the entries the application's building number groups are completed to the count its
    // document kind needs (the lifts of a lift confirmation, 1 + the further structures of a
    // structure confirmation, the certificates of an inspection, else 1): the groups added stay
    // in the active document, which is otherwise read only. A building confirmation's entries
    // end with the "#240" entry of the property's stored construction notification, read apart
    // (ReadStoredDocument; one that cannot be read is told as the document's open tells it and
    // gives no entry), and the entries of its lift, equipment, structure and second lift groups.
    // 1 when both files are written; 0 after telling that a file could not be opened
    // ("出力ファイル(filename)のオープンに失敗しました。") or written whole (ShowWriteFailed; the
    // cut-off file is removed). Sinsei\filename stands complete when the .iba fails.
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

protected:
    // The medium check's search (SearchForEntries); a test feeds it the drive's answers.
    virtual DWORD LookForEntries(const CString& pattern) const;
};
