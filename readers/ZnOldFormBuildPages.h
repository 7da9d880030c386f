// The building pages of the old building forms, read alike by the confirmation and the plan-change
// readers: for every building k of the application the file "Ksq" + "%03d" of k + ".130" (the
// building's summary) and then the file ".140" of the same number (its floors), both in the form
// folder. Each building becomes one ZnModelAppBuildPage, in building order.
//
// Page 110 gives the building pages their persons: its building keys and the records of the
// further designers, advisers, supervisors and constructors. A building takes the records at the
// position of the key that its 13010 record names; a building that names no key, or a key that
// page 110 does not list, takes none. Without keys building k takes the records at position k - 1.
//
// Page 140 groups its records into floors: a 14020 record opens a floor, the records after it
// fill that floor. The floors replace those of page 130; each takes its area from the page-130
// floor of the same designation on the pages of its building number (the last such page
// counting). A page-140 file that does not open ends the reading of floors: that building and
// the later ones keep their page-130 floors.
#pragma once

#include "model/ZnModelAppBuildPage.h"
#include "readers/ZnOldFormPersonLayout.h"

#include <vector>

class ZnOldFormReader;

class ZnOldFormBuildPages {
public:
    typedef ZnOldFormPersonLayout::Record Record;

    // What page 110 gathers for the building pages.
    struct Records {
        std::vector<CString> keys; // the building keys (11210), in file order
        std::vector<Record> designers;
        std::vector<Record> equipDesigners;
        std::vector<Record> supervisors;
        std::vector<Record> constructors;
    };

    ZnOldFormBuildPages(ZnOldFormReader& reader, const Records& records);

    // Reads the pages of the buildings 1 to count through the reader's data file into pages.
    // FALSE when a page-130 file does not open; pages then holds what was read before.
    BOOL Read(int count, ZnModelAppBuildPageList& pages);

private:
    CString PagePath(int building, LPCTSTR extension) const;
    int RecordPosition(const CString& path, int building);
    void AssignPersons(ZnModelAppBuildPage& page, int position) const;
    ZnModelAppBuildPage* ReadSummary(int building);
    BOOL ReadFloors(int building, ZnModelAppBuildPage& page, const ZnModelAppBuildPageList& pages);

    ZnOldFormReader& m_reader;
    const Records& m_records;
};
