// The reception numbers and dates of an accepted floppy stored into the number groups of the
// document shown: the floppy must be for the document's kind, which is checked over the whole
// file before anything is stored.
#pragma once

#include "fdimport/ZnUketukeFile.h"
#include "model/ZnModelNumGroup.h"
#include "platform/core/COleDateTime.h"

class ZnModelAppLocalData;

class ZnUketukeNumbers {
public:
    enum Result { stored, noConstructionNotice, kindMismatch };

    // Stores the records of file into the lists of local, the number groups of a document of
    // kind docKind; hasConstructionNotice tells that the file holds a construction notice
    // ("#240"). A building confirmation floppy fits a building confirmation document, whose lists
    // take the building, lift, equipment and structure records, and a construction notification,
    // whose list takes the notice's record; any other floppy fits only a document of its own
    // kind. Anything else is a mismatch, and a construction notification with a floppy that
    // holds no notice is the other refusal: nothing is stored then. Only the first number of a
    // group changes.
    Result Store(const ZnUketukeFile& file, int docKind, bool hasConstructionNotice, ZnModelAppLocalData& local);

    // The reception number of a record with its date: era code "02", the western year from the
    // Heisei year of the first two bytes, the month and the day from the next two and the last
    // two. A part that is empty or not a number is no part (0).
    static ZnModelNum RecordNumber(const ZnUketukeFile::Record& record);
    // The register date of a reception date text (YYMMDD in the Heisei era): FALSE when a part is
    // not a number or the parts make no calendar date.
    static BOOL RegisterDate(const CString& date, COleDateTime& result);

    // The number and date texts of the last record stored into the document's own list, and
    // whether any was.
    CString m_strLastNumber;
    CString m_strLastDate;
    bool m_bStored = false;

private:
    class GroupCursor;

    // Each of the first n groups of the document's own list receives the record: the caller
    // hands over only the last record of a tag that every group takes, since it would win.
    void StoreAll(ZnModelNumGroupList& list, int n, const ZnUketukeFile::Record& record);
    // The next group of the cursor, when there is one, receives the record: the k-th record of a
    // tag goes to the k-th group. own tells a record of the document's own list, which the
    // register row is to show.
    void StoreNext(GroupCursor& groups, const ZnUketukeFile::Record& record, bool own);
    void StoreInto(ZnModelNumGroup* group, const ZnModelNum& number, const ZnUketukeFile::Record& record, bool own);
    void StoreBuildingFloppy(const ZnUketukeFile& file, int docKind, ZnModelAppLocalData& local);
    void StoreOtherFloppy(const ZnUketukeFile& file, ZnModelAppLocalData& local);
};
