// The definition page of a table: its row count, column counts, usage map pointers, one entry per
// column, then the column names. The writer makes no indexes. A definition must fit one page.
#pragma once

#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetPage.h"
#include "tools/jetwriter/JetTable.h"
#include "tools/jetwriter/JetTableLayout.h"

#include <cstdint>

class JetTableDefinition {
public:
    // Writes the definition of table onto page. usedMap and freeMap are data pointers to the rows
    // of its usage map and of its map of pages with free space. Throws std::invalid_argument if
    // the definition does not fit a page.
    static void Write(JetPage& page, const JetFormat& format, const JetTable& table, const JetTableLayout& layout,
                      uint32_t rowCount, uint32_t usedMap, uint32_t freeMap);

private:
    static void WriteColumnEntry(JetPage& page, const JetFormat& format, int at, int number, const JetColumn& column,
                                 const JetColumnPlacement& place);
};
