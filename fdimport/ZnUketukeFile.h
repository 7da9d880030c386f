// The information file "\Uketuke\uke001.000" of an accepted floppy (a folder holding a copy of
// one serves as well): the property name, the document-kind code of the application, five counts
// and one record per accepted document with its reception number and reception date (YYMMDD in
// the Heisei era). The system only reads it.
#pragma once

#include "platform/core/CString.h"
#include "storage/CheckMedium.h"

#include <vector>

class ZnUketukeFile {
public:
    // The counts of the header, fields 7 to 11.
    enum Count { mainCount, liftCount, equipCount, structCount, structLiftCount, countCount };

    struct Record {
        CString tag;    // field 0
        CString date;   // field 3
        CString number; // field 4
    };

    // Reads the file under root (a folder without a final "\"): makes the opening checks in their
    // order, reads the header and the records that it counts (fewer when an empty line or the end
    // of the file comes first). A failed check shows its message with the error icon (a drive
    // that is not ready asks Retry or Cancel, and Retry checks again) and gives FALSE, with
    // nothing read. A name that is no regular file fails to open, and a file that cannot be read
    // whole or is longer than a floppy holds is bad data (ZnOldFloppyFile::ReadFirstLine). search
    // looks for the entries of a folder, as the medium checks do.
    BOOL Read(const CString& root, const EntrySearch& search = SearchForEntries);

    // How many records follow a header of that code and those counts: 5 and the four object
    // counts for the building codes, the five counts for the codes of the other object kinds,
    // none for any other code. The sum of counts of an int each, which needs more than an int.
    static long long RecordCount(int code, const int counts[countCount]);
    // The codes of a building's confirmation, interim and completion inspection and plan change.
    static bool IsBuildingCode(int code);
    // The codes of the other object kinds: procedure 0 to 3, object kind 2 to 6.
    static bool IsObjectCode(int code);
    // The tag of the records of a document of an object code ("#160" for a lift's
    // confirmation, "#280" for any interim inspection); empty for other codes.
    static CString ObjectTag(int code);
    // The title of an object kind (the code's last digit) in the contents of a floppy.
    static CString KindTitle(int code);

    CString m_strName;     // field 1
    CString m_strCodeText; // field 6 as written
    int m_nCode = 0;       // field 6
    int m_counts[countCount] = {};
    std::vector<Record> m_records;

private:
    BOOL CheckFloppy(const CString& root, const EntrySearch& search) const;
    void Clear();
};
