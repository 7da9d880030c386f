#include "tools/jetwriter/JetTableDefinition.h"

#include "tools/jetwriter/JetText.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

constexpr int kPageTypeTable = 0x02;
constexpr int kUserTable = 0x4E;
constexpr int kSystemTable = 0x53;
constexpr int kDefinitionLengthOffset = 8;
constexpr uint16_t kEndOfColumnMaps = 0xFFFF;

} // namespace

void JetTableDefinition::Write(JetPage& page, const JetFormat& format, const JetTable& table,
                               const JetTableLayout& layout, uint32_t rowCount, uint32_t usedMap, uint32_t freeMap)
{
    page.Put(0, kPageTypeTable, 1);
    page.Put(1, 0x01, 1);
    if (format.version == JetVersion::Jet3)
        page.PutBytes(2, "VC");
    page.Put(format.tdefRowCountOffset, rowCount, 4);

    const int type = format.tdefTableTypeOffset;
    const int columns = layout.ColumnCount();
    page.Put(type, table.IsSystem() ? kSystemTable : kUserTable, 1);
    page.Put(type + 1, static_cast<uint64_t>(columns), 2); // the most columns a row has
    page.Put(type + 3, static_cast<uint64_t>(layout.VarCount()), 2);
    page.Put(type + 5, static_cast<uint64_t>(columns), 2);
    page.Put(type + 7, 0, 4);  // logical indexes
    page.Put(type + 11, 0, 4); // index entries
    page.Put(type + 15, usedMap, 4);
    page.Put(type + 19, freeMap, 4);

    std::string names;
    for (int i = 0; i < columns; ++i) {
        const JetColumn& column = table.Columns()[static_cast<size_t>(i)];
        names += JetText::EncodeName(format, column.name);
        int at = format.tdefBlockSize + i * format.columnEntrySize;
        if (at + format.columnEntrySize > page.Size())
            throw std::invalid_argument("table " + table.Name() + ": the definition does not fit a page");
        WriteColumnEntry(page, format, at, i, column, layout.Column(static_cast<size_t>(i)));
    }
    int namesAt = format.tdefBlockSize + columns * format.columnEntrySize;
    int end = namesAt + static_cast<int>(names.size()) + 2;
    if (end > page.Size())
        throw std::invalid_argument("table " + table.Name() + ": the definition does not fit a page");
    page.PutBytes(namesAt, names);
    page.Put(end - 2, kEndOfColumnMaps, 2);

    page.Put(kDefinitionLengthOffset, static_cast<uint64_t>(end - kDefinitionLengthOffset), 4);
    if (format.version == JetVersion::Jet4)
        page.Put(2, static_cast<uint64_t>(std::max(0, page.Size() - end - 8)), 2);
}

void JetTableDefinition::WriteColumnEntry(JetPage& page, const JetFormat& format, int at, int number,
                                          const JetColumn& column, const JetColumnPlacement& place)
{
    page.Put(at, static_cast<uint64_t>(column.type), 1);
    page.Put(at + format.columnNumberOffset, static_cast<uint64_t>(number), 2);
    page.Put(at + format.columnVarIndexOffset, static_cast<uint64_t>(place.varIndex), 2);
    page.Put(at + format.columnNumberAgainOffset, static_cast<uint64_t>(number), 2);
    if (column.IsTextual()) {
        page.Put(at + format.columnSortOrderOffset, kJetSortOrderJapanese, 2);
        if (format.columnCodePageOffset >= 0)
            page.Put(at + format.columnCodePageOffset, kJetCodePageJapanese, 2);
    }
    page.Put(at + format.columnFlagsOffset, place.flags, 1);
    page.Put(at + format.columnFixedOffsetOffset, static_cast<uint64_t>(place.fixedOffset), 2);
    page.Put(at + format.columnLengthOffset, static_cast<uint64_t>(place.length), 2);
}
