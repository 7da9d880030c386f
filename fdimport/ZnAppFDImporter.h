// Makes a new property of a register from an application floppy (or a folder holding a copy of
// one): the property's folder in the destination, the register database where the destination
// has none (from the application folder's template), the register row, and for each form that a
// reader of the floppy returns a document file, its map bitmaps and its document row.
//
// Nothing is made before the destination's register is known to be writable and at least one
// form of the floppy has been read. A failure after the property's folder was made ends the
// import with a message that names what failed, and what the import made is taken away again (its
// files, its rows, its register copy, its folder), so that the floppy can be imported again.
#pragma once

#include "fdimport/ZnFDImportKinds.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/CString.h"

#include <memory>
#include <vector>

class ZnModel;
class ZnModelApp;

class ZnAppFDImporter {
public:
    ZnAppFDImporter();
    ~ZnAppFDImporter();
    ZnAppFDImporter(const ZnAppFDImporter&) = delete;
    ZnAppFDImporter& operator=(const ZnAppFDImporter&) = delete;

    // The clock that gives the creation date: null for the local date. Returns the one replaced.
    using Clock = COleDateTime (*)();
    static Clock SetClock(Clock clock);

    // What the floppy contents and the destination dialogs gathered.
    CString m_strBukkenName;
    CString m_strDestination; // the folder of the register and of the property folders
    CString m_strFloppyPath;  // the floppy's drive or folder, ending in "\"
    CString m_strAppFlag;     // field 4 of the floppy's index: "0" for application forms
    CString m_strAppTypeCode; // field 6 of the floppy's index
    int m_nHeiganCode = 0;

    // Makes the property and tells the user how it went: the success message when every form's
    // document was written with its bitmaps, else one error message that names the documents
    // (by kind name) and the bitmaps not taken. TRUE when the property was made; it is then the
    // current property of the shell. FALSE after a message, the destination as it was (apart
    // from the "App_Doc1" folder that the destination check may have made).
    bool Run();

    // The index of the property made, -9999 until the register row is written.
    int m_nBukkenIndex = -9999;

private:
    struct Document;

    CString RegisterPath() const;
    CString PropertyFolder() const;
    bool IsApplicationForms() const { return m_strAppFlag == "0"; }
    int DocMode() const;
    // The register must be writable, or the template there to make one from.
    bool CheckRegister();
    // Reads every form of the floppy; the names of the forms that gave no document go to
    // m_notTaken.
    void ReadDocuments(std::vector<Document>& documents);
    bool MakeRegister();
    bool AddRegisterRow();
    // Writes the document's file, its bitmaps and its row; false after a message when the file
    // or the row cannot be written.
    bool ImportDocument(Document& document);
    bool WriteDocumentFile(const Document& document, const CString& path);
    void SetHeaderTexts(ZnModelApp& common, const CString& fileName) const;
    // The usage names of a notification from the code tables.
    static void FillUsageNames(ZnModel* document);
    void ImportMapBitmaps(const ZnFDImportKind& kind);
    // Copies a map bitmap of the floppy into the property folder. One that is not a bitmap the
    // system takes, no regular file, or damaged as a floppy's file is (ZnOldFloppyFile) is not
    // taken, with the message for a bitmap of a form that is not supported.
    void ImportMapBitmap(const char* name, const char* folder, const char* mapWord);
    bool AddDocumentRow(const Document& document);
    // Takes away what the import made so far.
    void Undo();
    void RemoveRows();
    void Report() const;

    COleDateTime m_date; // the creation date
    bool m_folderMade = false;
    bool m_registerMade = false;
    std::vector<CString> m_written;  // the files made in the property folder
    std::vector<CString> m_notTaken; // the documents and bitmaps not taken, as the message names them
    ZnFDImportKinds::Counters m_counters;
};
