// A form page read as a table of items: each row names an item code, the fewest fields (the item
// code included) with which its record is used, and what the fields fill in the work of the
// page. Records without fields, records of codes without a row and records shorter than their
// row's minimum are skipped.
#pragma once

#include "readers/ZnOldFormPersonLayout.h"
#include "readers/ZnOldFormReader.h"

#include <cstddef>

template <typename Work> struct ZnOldFormRecordItem {
    int code;
    int minFields;
    void (*apply)(Work& work, const ZnOldFormPersonLayout::Record& record);
};

// The fields of a record as the item rows take them.
inline ZnOldFormPersonLayout::Record ZnOldFormRecordOf(const CStringArray& fields)
{
    ZnOldFormPersonLayout::Record record;
    for (int i = 0; i < fields.GetSize(); ++i)
        record.push_back(fields[i]);
    return record;
}

// Applies the row of the table that the record's item code names to work, when the record has
// at least the row's fields. FALSE when no row names the code.
template <typename Work, std::size_t count>
BOOL ZnOldFormApplyItem(const ZnOldFormRecordItem<Work> (&table)[count], Work& work, const CStringArray& fields)
{
    int code = ZnOldFormReader::GetItemCode(fields[0]);
    for (const ZnOldFormRecordItem<Work>& item : table) {
        if (item.code == code) {
            if (fields.GetSize() >= item.minFields)
                item.apply(work, ZnOldFormRecordOf(fields));
            return TRUE;
        }
    }
    return FALSE;
}

// Reads the reader's open data file to its end, applying the rows of the table to work.
template <typename Work, std::size_t count>
void ZnOldFormReadItems(ZnOldFormReader& reader, const ZnOldFormRecordItem<Work> (&table)[count], Work& work)
{
    CStringArray fields;
    while (reader.ReadRecord(fields))
        if (fields.GetSize() > 0)
            ZnOldFormApplyItem(table, work, fields);
}
