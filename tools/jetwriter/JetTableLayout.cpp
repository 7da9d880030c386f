#include "tools/jetwriter/JetTableLayout.h"

namespace {

constexpr uint8_t kColumnFixed = 0x01;
constexpr uint8_t kColumnNullable = 0x02;

// The length a table definition gives a column: a fixed column's size (one byte for a Yes/No, which
// takes none in the row), a text column's size in bytes, 0 for long values.
int DefinedLength(const JetFormat& format, const JetColumn& column)
{
    switch (column.type) {
    case JetColumnType::Bool:
        return 1;
    case JetColumnType::Text:
        return format.unicodeText ? 2 * column.size : column.size;
    case JetColumnType::Binary:
        return column.size;
    default:
        return column.FixedSize();
    }
}

} // namespace

JetTableLayout::JetTableLayout(const JetFormat& format, const std::vector<JetColumn>& columns)
{
    for (const JetColumn& column : columns) {
        JetColumnPlacement place{column.IsFixed(), 0, 0, DefinedLength(format, column), kColumnNullable};
        if (place.fixed) {
            place.fixedOffset = fixedSize_;
            place.flags |= kColumnFixed;
            fixedSize_ += column.FixedSize();
        } else {
            place.varIndex = varCount_++;
        }
        placements_.push_back(place);
    }
}
