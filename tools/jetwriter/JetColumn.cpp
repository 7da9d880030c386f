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

// Whether value is an integer that type T holds.
template <typename T> bool IntegerFits(const JetValue& value)
{
    return value.GetKind() == JetValue::Kind::Integer && value.AsInteger() >= std::numeric_limits<T>::min() &&
           value.AsInteger() <= std::numeric_limits<T>::max();
}

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
        return IntegerFits<uint8_t>(value) ? "" : "a byte column takes 0 to 255";
    case JetColumnType::Short:
        return IntegerFits<int16_t>(value) ? "" : "a short column takes a 16-bit integer";
    case JetColumnType::Long:
        return IntegerFits<int32_t>(value) ? "" : "a long column takes a 32-bit integer";
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
