// The layout of an old property folder, as an application floppy (or a folder copied from one)
// holds it below its base path: the index "Info\filename.iba", the form list
// "Sinsei\filename.000" and the form files in "Keikaku\". Names are found whatever their case.
//
// Index file (CP932 text): one row per non-empty line, fields separated by ","; a field is
// trimmed, and one that begins with a double quote loses its first and last characters. A comma
// inside double quotes belongs to its field. When the rest of a line holds one token (its commas
// stand only at its ends), it is the last field, commas included: "a,,b" gives "a" and ",b",
// "a,b," gives "a" and "b,". Row 1 describes the application (column 6 its document-kind code);
// each further row describes one building.
#pragma once

#include "platform/files/Afx.h"
#include "platform/files/CStdioFile.h"

class ZnOldBukkenReaderList;
class ZnOldFormReader;

class ZnOldBukkenFolder : public CObject {
    DECLARE_DYNAMIC(ZnOldBukkenFolder)
public:
    ZnOldBukkenFolder();
    ~ZnOldBukkenFolder() override;

    // Fills list with the readers of the folder's forms; the base has none and returns 1.
    virtual int Load(ZnOldBukkenReaderList* list);
    // May write an index into m_tempIndexPath and return nonzero to have it read when the
    // folder has none. The base writes nothing and returns 1.
    virtual int MakeTempIndex();

    // The folder to read, ending in "\" ("A:\" at start: the floppy drive).
    void SetBasePath(const CString& basePath) { m_basePath = basePath; }
    const CString& GetBasePath() const { return m_basePath; }
    const CString& GetAppFolder() const { return m_appFolder; }
    const CString& GetFormListFile() const { return m_formListFile; }
    const CString& GetIndexFolder() const { return m_indexFolder; }
    const CString& GetIndexFile() const { return m_indexFile; }
    const CString& GetFormFolder() const { return m_formFolder; }

    // The folder's own file, opened read-only in text mode: 1, or 0 (nothing shown).
    int OpenFile(const CString& path);
    void CloseFile();
    // Replaces forms by the lines of the form list without their first character ("#110"
    // gives "110"); empty lines are skipped. 0 when the file does not open (after a second try).
    int ReadFormList(const CString& path, CStringArray& forms);
    // Appends one new CStringArray of fields per non-empty line of the index file; the caller
    // deletes them. 0 when the file does not open.
    int ReadIndexRows(const CString& path, CPtrArray& rows);
    // Appends the readers of the document kind of rows (a CStringArray per row) to readers and
    // gives every reader in readers, also one there before, the index values: columns 1 to 5
    // and 7 to 11 of row 1, the further rows' columns 0 to 5 and their numbers (column 4). What
    // a row lacks is empty. The readers belong to the caller. 1.
    int CreateFormReaders(CPtrArray& rows, CPtrArray& readers);

protected:
    // Reads the index that MakeTempIndex writes, in a folder made for the call and removed
    // afterwards with the index in it.
    void ReadTempIndex(CPtrArray& rows);

    CString m_basePath;
    CString m_appFolder;       // "Sinsei\"
    CString m_formListFile;    // "filename.000"
    CString m_indexFolder;     // "Info\"
    CString m_indexFile;       // "filename.iba"
    CString m_formFolder;      // "Keikaku\"
    CString m_drawingFolder;   // "Haichi\"
    CString m_receptionFolder; // "Uketuke\"
    CString m_receptionFile;   // "uke001.000"
    CStringArray m_siteMapBitmaps;
    CStringArray m_layoutBitmaps;
    int m_indexResult = 0; // what the last reading of the index gave
    CString m_tempIndexPath;
    CStdioFile m_file;

private:
    static void SetIndexValues(ZnOldFormReader& reader, const CPtrArray& rows);
};
