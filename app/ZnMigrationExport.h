// The migration export without its window: the dated export folders under the destination, their
// marker files and XML text files, the packing of each folder into a zip archive beside it, and
// the reference-data export. The migration dialog holds the folders and calls these; tests call
// them without a display. Failures are told in message boxes as they happen and remembered, so
// that the end of the run can say that something failed.
#pragma once

#include "app/ZnExportProgress.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"
#include "platform/files/WinFolderHandle.h"
#include "writers/ZnWriteOutcome.h"

#include <cstdio>
#include <set>
#include <string>

class XmlText;
class ZnAppBukkenShousaiTblDAO;

class ZnMigrationExport {
public:
    // destination: the destination folder, a Windows path, without a trailing "\" needed.
    explicit ZnMigrationExport(const CString& destination);
    virtual ~ZnMigrationExport() = default;
    ZnMigrationExport(const ZnMigrationExport&) = delete;
    ZnMigrationExport& operator=(const ZnMigrationExport&) = delete;

    // From then on the exports tell their progress there (null: nowhere); not owned.
    void SetProgress(ZnExportProgress* progress) { m_progress = progress; }

    // The reference-data export: the nine lists of comFolder\APP_USER_REGIST.mdb written as
    // 共通データ.xml in the folder 共通データ + start time under the destination, beside the
    // marker file, then packed into 共通データ_ + packing time + ".zip" and the folder removed.
    // TRUE when the archive holds the folder and the folder is gone; FALSE after a failure that
    // has been told (a folder, marker or file that cannot be made or written, or a failed
    // packing, which leaves the folder with its files); when the folder or its marker could not
    // be made, the run log says so and why. A database error is thrown on as the database's
    // exception once the unfinished 共通データ.xml has been closed and removed.
    BOOL ExportCommonData(const CString& comFolder);

    // The property export (ZnMigrationExport_Properties.cpp): every property of the register
    // APP_BUKKEN.mdb in registerFolder, in ascending BukkenIndex, with all its documents, in the
    // folder 物件データ + start time under the destination, which is then packed into
    // 物件データ_ + packing time + ".zip" and removed. The run log, emptied by the caller, gets one
    // line per property and per document. The documents are loaded into the application's
    // active document, with the shell's property, document mode, type and object kind set for
    // each. A property or document that cannot be exported is told, logged and skipped, and the
    // export goes on with the rest; a failure of the export folder itself, or of the destination
    // while a property is written, ends it with nothing packed. TRUE when the archive holds
    // every property. A register that cannot be opened or read throws the database's exception.
    // When the register, the export folder or its marker fails, the run log says so and why.
    BOOL ExportBukkenInfo(const CString& registerFolder);

    // Shared pieces of the two exports.

    // Makes the folder parent\name, which must not exist yet, and holds it by folder: from then
    // on everything in it goes through that handle, and the packing and removal through the
    // handle of parent, so that a folder swapped for a link meanwhile changes nothing outside the
    // destination. 1 on success; 0 after a failure that it has told: the drive check's texts
    // (device not ready may be retried), or a folder that cannot be created, which a name that
    // anything holds already is too (it holds the time to the second: only another run or
    // something planted can have made it, and nothing in it is touched). A name that is not one
    // folder name as Windows and this system can hold it (IsPortableFileName: empty, "." or "..",
    // a separator, a wildcard, a control character, a device name, a byte that is no CP932
    // character...) is refused likewise, so that no folder is made that the successor program on
    // Windows could not read.
    int PrepareFolder(const CString& parent, const CString& name, WinFolderHandle& folder);
    // PrepareFolder for a folder inside one that this run has made and holds: the drive is not
    // checked again.
    int PrepareOwnFolder(const WinFolderHandle& parent, const CString& name, WinFolderHandle& folder);
    // Creates the empty marker file folder\markerName; FALSE after telling that it cannot be opened.
    BOOL WriteMarkerFile(const CString& folder, const CString& markerName);
    // Opens a file to be written whole by WriteTextFile; null when it cannot be opened, which the
    // caller tells in its own words.
    static FILE* OpenTextFile(const CString& path);
    // Writes the text to a file opened by OpenTextFile at once and closes it. When a byte of it
    // could not be written (a full disk), tells so, deletes the unfinished file and returns FALSE.
    BOOL WriteTextFile(FILE* file, const XmlText& text, const CString& path);
    // Packs everything below the folder name that the last PrepareFolder made into baseName + "_"
    // + packing time + ".zip" beside it, moving the files, and removes the folder. FALSE when the
    // folder is still there afterwards (the packing has told why); the folder then keeps what the
    // packing did not take.
    BOOL PackAndRemoveFolder(const CString& name, const CString& baseName);
    // The parent of the exports' top folders: the destination followed by "\".
    CString GetExportBase() const { return m_destination + "\\"; }

    // The end of the run.

    // TRUE when anything of the run has failed.
    BOOL HasFailed() const { return m_failed ? TRUE : FALSE; }
    // Tells that the run has ended: "移行データ作成が終わりました。" with the information icon,
    // or, when something failed, that some data could not be exported, with the error icon.
    void ReportCompletion() const;

    // The points where the export's folder is used again after it was made: before a property's
    // or the reference data's files are written into it, before it is packed, and before it is
    // removed (BeforeFolderStep).
    enum FolderStep { writingFolder, packingFolder, removingFolder };

protected:
    // Nothing is done at these points; a test swaps the folder there.
    virtual void BeforeFolderStep(FolderStep step) {}
    // The drive check's search of a folder: ERROR_SUCCESS when pattern matches something, else
    // the Win32 error of the search.
    virtual DWORD LookForEntries(const CString& pattern) const;
    // Adds the nine sections of 共通データ.xml between its root tags, reading the reference data
    // of comFolder; a database error is thrown as the database's exception.
    virtual void WriteCommonDataSections(const CString& comFolder, XmlText& xml);
    // Remembers a failure; returns FALSE (or 0) for the caller's return statement.
    BOOL Failed();
    // Tells a failure with its text and the stop icon, and remembers it with that text; FALSE.
    BOOL TellFailure(const CString& text);
    // Writes in the run log that the export of word (共通データ, 物件データ) stopped before it
    // wrote anything, and why: reason, or else the text that told its last failure.
    void LogNotExported(const CString& word, LPCTSTR function, const CString& reason = CString()) const;
    // Lines of the run log, in the name of the dialog that runs the export.
    static void LogInfo(const CString& message, LPCTSTR function);
    static void LogError(const CString& message, LPCTSTR function);

    // One property's documents, in ascending document number, each in a folder of its own
    // below folder. FALSE when a document's file could not be written (a full destination): that
    // is told, and the export goes no further.
    BOOL ExportBukkenXml(const CString& registerFolder, int bukkenIndex, const WinFolderHandle& folder);
    // What became of a document's two files; told also for a file that was not written at all.
    struct WrittenFiles {
        ZnWriteOutcome management = ZnWriteOutcome::told; // 申請書管理情報.xml
        ZnWriteOutcome data = ZnWriteOutcome::told;       // 申請書データ.xml
    };
    // Loads the document of a register row and has its family's writer write it into folder,
    // with the row's update date as its creation date; written tells what became of the files.
    // FALSE, remembered as a failure, when the document could not be loaded (nothing is written
    // then) or a writer could not write its file; TRUE also for a kind that has no writer
    // (nothing written).
    BOOL ExportDocument(const ZnAppBukkenShousaiTblDAO& row, const CString& folder, WrittenFiles& written);

private:
    // Tells the progress that the export works on the data of word as a whole.
    void TellWorkingOn(const CString& word) const;
    // The medium check (CheckMedium) of parent with the export's texts, through LookForEntries;
    // a failure is remembered.
    BOOL CheckDrive(const CString& parent);
    BOOL WriteCommonDataFile(const CString& comFolder, const CString& path);
    // The name of a property's folder below exportFolder: name, or the first free name + "_" + n;
    // a name that cannot be a folder name is given back as it is, for PrepareFolder to refuse.
    // Each name given is remembered in usedNames, with its ASCII letters in lower case, as paths
    // ignore their case.
    static CString FreeFolderName(const CString& name, std::set<std::string>& usedNames);
    BOOL WriteBukkenInfoFile(const CString& path, const CString& name, int shinseiKubun, const COleDateTime& date);
    // ZnWrittenFiles::ShowWriteFailed, remembered as a failure.
    BOOL ShowWriteFailed(const CString& path);

    CString m_destination;
    WinFolderHandle m_exportParent; // the parent of the folder that PrepareFolder made last
    bool m_failed = false;
    CString m_told; // the text that told the last failure
    ZnExportProgress* m_progress = nullptr;
};
