// The rows of a document's number list: one for the document's own object (the first group of a
// building's document) or one per own group, then one per lift, item of building equipment, lift
// of a structure and structure. A row's index is its place among the non-null groups as they are
// listed; the number entry shows and stores the group of that row.
#pragma once

#include "model/ZnModelNumGroup.h"

#include <vector>

class ZnModelAppLocalData;

class ZnNumberRows {
public:
    struct Row {
        CString title;          // such as "昇降機 02"
        ZnModelNumGroup* group; // the group shown, owned by the local data
        bool own;               // a group of the document's own list
    };
    // A group that the number entry stores into, with its position in its list (from 1, null
    // entries counted).
    struct Target {
        ZnModelNumGroup* group;
        int position;
        bool own;
    };

    // The rows of the local data's groups in listing order, for the document-kind code of its
    // document-kind text; none for a code without a title.
    static std::vector<Row> Rows(ZnModelAppLocalData& local);
    // The groups that the number entry of row stores into: for the first row of a building's
    // confirmation or plan change every group of the own list, for that of a building's
    // inspection the first entry of the own list, and for any other row the group that it shows.
    static std::vector<Target> Targets(ZnModelAppLocalData& local, int row);
    // Stores the reception and issue numbers into the groups of row's targets, and an own group's
    // position as its item number; true when one of them was an own group.
    static bool StoreNumbers(ZnModelAppLocalData& local, int row, const ZnModelNum& reception,
                             const ZnModelNum& issued);
    // The document-kind code of the local data (its text's leading digits).
    static int DocKindCode(const ZnModelAppLocalData& local);
};
