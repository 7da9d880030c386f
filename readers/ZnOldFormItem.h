// A form's items as a table, and the loop that reads a form file's records through it.
#pragma once

#include "readers/ZnOldFormReader.h"

#include <cstddef>

// One item of a form: its code (field 0, "#" and five digits), the fewest fields, the item code
// included, with which a record of it is used, and what its fields fill in the reader's state.
template <typename State> struct ZnOldFormItem {
    int code;
    int minFields;
    void (*fill)(State& state, const CStringArray& fields);
};

// Reads the reader's open data file to its end. A record fills state through the item of its
// code when it has at least that item's fields; records without fields, with fewer fields or
// with a code outside items are skipped whole. items: an array or vector of ZnOldFormItem<State>.
template <typename State, typename Items> void ReadFormItems(ZnOldFormReader& reader, const Items& items, State& state)
{
    CStringArray fields;
    while (reader.ReadRecord(fields)) {
        if (fields.GetSize() == 0)
            continue;
        int code = ZnOldFormReader::GetItemCode(fields[0]);
        for (const ZnOldFormItem<State>& item : items)
            if (item.code == code) {
                if (fields.GetSize() >= item.minFields)
                    item.fill(state, fields);
                break;
            }
    }
}

// Opens the form file at path, reads it whole into state through items and closes it: false,
// with state untouched, when the file does not open.
template <typename State, typename Items>
bool ReadFormFile(ZnOldFormReader& reader, const CString& path, const Items& items, State& state)
{
    if (path.IsEmpty() || !reader.OpenDataFile(path))
        return false;
    ReadFormItems(reader, items, state);
    reader.CloseDataFile();
    return true;
}
