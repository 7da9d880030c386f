// Base of the readers of the old application forms. A form is a text file of records in the
// form folder of an old property folder ("Keikaku\Ksq001.250"); each reader turns its form into
// a new document object. The base owns the open data file and reads it record by record, offers
// the helpers that every reader applies to field values, and writes the values that come from
// the folder's index rather than from the form into the document.
//
// Record syntax, read line by line in text mode (CP932):
// - each line is trimmed; empty lines and lines beginning with "/*" are skipped wherever they
//   stand, also between the lines of one record;
// - a line whose last character is ";" continues the record on the next line; the lines of a
//   record are joined with nothing between them;
// - in the joined text every double quote, semicolon, double quote is removed, so a quoted value
//   written in pieces over several lines becomes one value;
// - the text is split by VhString::Tokenize with the separator ",": outside double quotes commas
//   and white space end a field, and runs of them give no empty field ("" is one);
// - each field is cleaned: one ";" is stripped from each end, then one double quote;
// - field 0 is the item code, "#" and five digits ("#25010").
// Readers show no message: a form that does not open (among them a name that is no regular file, a
// file that cannot be read whole and one longer than a floppy holds, ZnOldFloppyFile), or an index whose count of buildings no
// floppy can hold, makes Read return null; the reader keeps the message that says why.
#pragma once

#include "platform/files/Afx.h"
#include "platform/files/CStdioFile.h"

class ZnModelApp;

class ZnOldFormReader : public CObject {
    DECLARE_DYNAMIC(ZnOldFormReader)
public:
    // The columns of the first index row that a reader keeps.
    enum IndexColumn {
        columnName = 1,         // the property name
        columnDate = 2,         // the date of output
        columnVersion = 3,      // the data version, such as "6.40"
        columnHeaderNumber = 4, // the number that goes into the document header
        columnAppType = 6,      // the document-kind code (kept in m_appTypeCode)
        columnBuildings = 7,    // the number of buildings
        columnLifts = 8,        // 8 to 11: the counts of the accompanying applications
        columnEquipment = 9,
        columnLifts2 = 10,
        columnStructures = 11,
        indexColumnCount = 12
    };
    // The columns of the further index rows that a reader keeps (0 to 5).
    enum { rowListCount = 6, rowColumnDate = 3, rowColumnNumber = 4 };

    ZnOldFormReader();
    ~ZnOldFormReader() override;

    // A new document of the target class that the caller owns, or null when a form file that
    // the reader needs does not open.
    virtual ZnModelApp* Read() = 0;
    // Whether the reader accepts the data version of the index; the base accepts every one.
    virtual int IsVersionOK();

    // Opens the data file read-only in text mode: 1, or 0 (nothing shown, the message kept) when
    // it does not open.
    int OpenDataFile(const CString& path);
    void CloseDataFile();
    // Reads the next record into fields, which it empties first. Nonzero when a record was read;
    // zero at the end of the file (or when no file is open), fields then holding what the
    // pending lines gave: an unfinished record at the end is never returned as read. A line
    // that ends in a carriage return before its line end inside an open quoted value (the
    // value's CR LF written in text mode) goes on with the next line as it stands, even an empty
    // or comment-like one, the two joined by CR LF, so the value keeps its line break.
    BOOL ReadRecord(CStringArray& fields);

    // The item code of a record's first field: atoi of the five characters after "#".
    static int GetItemCode(const CString& field);
    // The n-th part (from 1) of value split at separator, trimmed: "" for n below 1, the last
    // part for n past the last; a value without the separator, or whose separators stand only
    // at its ends or inside double quotes, is one part.
    static CString GetSplitField(const CString& value, TCHAR separator, int n);
    // The value without its second character when that is "0" ("F01" gives "F1").
    static CString DropSecondZero(const CString& value);

    void SetBuildingNo(int number) { m_buildingNo = number; }
    // Rebuilds the document's header from the index: the header number, the document-kind code,
    // one number group per building (per building page of a building application, carrying the
    // page's number; else column 7 many, carrying the building number), the accompanying flag
    // and, when it is set, one group per accompanying application of a building confirmation;
    // the application date from the first further row. The header held before is replaced. 1;
    // 0 with the document untouched when column 7 is to give the groups and is damaged (see
    // ReadBuildingCount).
    int SetAppHeader(ZnModelApp* app);
    // The index values that every document carries: SetAppKind, then the building groups. Groups
    // there take the row numbers in order as their first numbers (as long as both last), and
    // the building number where they carry no number; without groups, one group is made of the
    // building number and the row number of the index position. 1.
    int SetAppCommon(ZnModelApp* app);
    // The header number (column 4) and the document-kind code only. 1.
    int SetAppKind(ZnModelApp* app);

    // Helpers that the old property folder shares for its own files. OpenTextFile opens a file of
    // the floppy in text mode, read whole: 1, or 0 when it does not open as ZnOldFloppyFile opens it
    // (a name that is no regular file, a file that cannot be read whole or is longer than a floppy).
    // ReadTextLine reads one line of a file so opened without its line end, FALSE at the end (or
    // when the file is not open).
    static int OpenTextFile(CStdioFile& file, const CString& path);
    static BOOL ReadTextLine(CStdioFile& file, CString& line);
    // Splits rest at the separator at pos: part gets the text before it and rest the text after
    // it, FALSE. When pos is below 0, or the tokenizer finds one token in rest (its separators
    // stand only at its ends or inside double quotes), part gets the whole of rest, TRUE.
    static BOOL TakeFirstPart(CString& rest, TCHAR separator, int pos, CString& part);

    // Why the reader last refused a file, in the readers' words: "%s データファイルオープンエラー\n"
    // with the path of the form file that did not open, or of the index whose count of buildings
    // is damaged. Empty until a refusal; shown nowhere by the readers.
    const CString& GetErrorText() const { return m_errorText; }

    CString m_formId;                         // "#" and the form number, such as "#250"
    CString m_indexColumns[indexColumnCount]; // first index row; columns 0 and 6 stay empty
    CString m_appTypeCode;                    // the document-kind code of the document read
    CString m_withSentinel;                   // "0", tested with columns 8 to 11
    CStringList m_rowLists[rowListCount];     // columns 0 to 5 of the further index rows
    CString m_buildingNoText;                 // "001"
    CStringArray m_rowNumbers;                // column 4 of the further index rows
    CString m_basePath;                       // the old property folder, ending in "\"
    CString m_formFolder;                     // "Keikaku\"
    CString m_targetClassName;                // the class of the document Read makes
    CString m_indexPath;                      // the index file that the index values come from
    int m_indexPosition = 1;                  // this document's place among the row numbers
    int m_buildingNo = 1;                     // the number the building groups carry
    CStdioFile m_dataFile;

protected:
    // The number of buildings of index column 7 into count: FALSE, with the message kept, when
    // the floppy could not hold that count (ZnOldFloppyCount).
    BOOL ReadBuildingCount(int& count);
    // Keeps the message that the file at path is refused: FALSE.
    BOOL Refuse(const CString& path);

private:
    bool HasAccompanyingApps() const;

    CString m_errorText;
};
