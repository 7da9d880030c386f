#include "tools/jetwriter/JetColumn.h"

#include <cstdint>
#include <limits>

bool JetColumn::IsFixed() const
{
    switch (type) {
    case JetColumnType::Binary:
    case JetColumnType::Text:
    case JetColumnType::Ole:
    case JetColumnType::Memo:
        return false;
    default:
        return true;
    }
}

int JetColumn::FixedSize() const
{
    switch (type) {
    case JetColumnType::Byte:
        return 1;
    case JetColumnType::Short:
        return 2;
    case JetColumnType::Long:
        return 4;
    case JetColumnType::Double:
    case JetColumnType::DateTime:
        return 8;
    default:
        return 0;
    }
}

namespace {

bool InRange(int64_t value, int64_t low, int64_t high) { return value >= low && value <= high; }

} // namespace

std::string JetColumn::Refuses(const JetValue& value) const
{
    using Kind = JetValue::Kind;
    Kind kind = value.GetKind();
    if (kind == Kind::Null)
        return type == JetColumnType::Bool ? "a Yes/No column cannot hold NULL" : "";
    switch (type) {
    case JetColumnType::Bool:
        return kind == Kind::Integer ? "" : "a Yes/No column takes an integer";
    case JetColumnType::Byte:
        return kind == Kind::Integer && InRange(value.AsInteger(), 0, 255) ? "" : "a byte column takes 0 to 255";
    case JetColumnType::Short:
        return kind == Kind::Integer &&
                       InRange(value.AsInteger(), std::numeric_limits<int16_t>::min(),
                               std::numeric_limits<int16_t>::max())
                   ? ""
                   : "a short column takes a 16-bit integer";
    case JetColumnType::Long:
        return kind == Kind::Integer &&
                       InRange(value.AsInteger(), std::numeric_limits<int32_t>::min(),
                               std::numeric_limits<int32_t>::max())
                   ? ""
                   : "a long column takes a 32-bit integer";
    case JetColumnType::Double:
    case JetColumnType::DateTime:
        return kind == Kind::Real || kind == Kind::Integer ? "" : "a double or date column takes a number";
    case JetColumnType::Text:
    case JetColumnType::Memo:
        return kind == Kind::Text ? "" : "a text or memo column takes text";
    case JetColumnType::Binary:
    case JetColumnType::Ole:
        return kind == Kind::Bytes ? "" : "a binary or OLE column takes bytes";
    }
    return "unknown column type";
}
