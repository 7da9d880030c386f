// A form's items as a table, and the one loop that reads a form file's records through it.
#pragma once

#include "readers/ZnOldFormPersonLayout.h"
#include "readers/ZnOldFormReader.h"

#include <type_traits>

// One item of a form: its code (field 0, "#" and five digits), the fewest fields, the item code
// included, with which a record of it is used, and what its fields fill in the reader's state.
// Fields is the record as read (CStringArray) or as a ZnOldFormPersonLayout::Record, whose
// fields past its end read as empty.
template <typename State, typename Fields = CStringArray> struct ZnOldFormItem {
    int code;
    int minFields;
    void (*fill)(State& state, const Fields& fields);
};

// Fills state through the item of the record's code when the record has at least that item's
// fields. items: an array or vector of ZnOldFormItem<State, Fields>. False when no item has the
// code; fields holds at least the item code.
template <typename State, typename Items>
bool ApplyFormItem(const Items& items, State& state, const CStringArray& fields)
{
    int code = ZnOldFormReader::GetItemCode(fields[0]);
    for (const auto& item : items) {
        if (item.code != code)
            continue;
        if (fields.GetSize() >= item.minFields) {
            if constexpr (std::is_invocable_v<decltype(item.fill), State&, const CStringArray&>)
                item.fill(state, fields);
            else
                item.fill(state, ZnOldFormPersonLayout::ToRecord(fields));
        }
        return true;
    }
    return false;
}

// Reads the reader's open data file to its end. Records without fields, with fewer fields than
// their item's or with a code outside items are skipped whole.
template <typename State, typename Items> void ReadFormItems(ZnOldFormReader& reader, const Items& items, State& state)
{
    CStringArray fields;
    while (reader.ReadRecord(fields))
        if (fields.GetSize() > 0)
            ApplyFormItem(items, state, fields);
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
