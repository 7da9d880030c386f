#include "tools/jetwriter/JetRowEncoder.h"

#include "tools/jetwriter/JetBytes.h"
#include "tools/jetwriter/JetText.h"

#include <stdexcept>

namespace {

constexpr size_t kJumpSpan = 256; // a Jet 3 offset byte covers one span; the jump table counts spans
constexpr uint8_t kNoJump = 0xFF; // a jump entry past the end of the data

} // namespace

JetRowEncoder::JetRowEncoder(const JetFormat& format, const JetTable& table, const JetTableLayout& layout,
                             JetLongValueStore& longValues)
    : format_(format), table_(table), layout_(layout), longValues_(longValues)
{
}

std::string JetRowEncoder::Encode(const std::vector<JetValue>& values)
{
    const std::vector<JetColumn>& columns = table_.Columns();
    std::string fixedArea(static_cast<size_t>(layout_.FixedSize()), '\0');
    std::vector<std::string> variables(static_cast<size_t>(layout_.VarCount()));
    std::string mask((columns.size() + 7) / 8, '\0');
    for (size_t i = 0; i < columns.size(); ++i) {
        const JetValue& value = values.at(i);
        bool present = columns[i].type == JetColumnType::Bool ? value.AsInteger() != 0 : !value.IsNull();
        if (present)
            mask[i / 8] = static_cast<char>(mask[i / 8] | (1 << (i % 8)));
        if (value.IsNull() || columns[i].type == JetColumnType::Bool)
            continue;
        const JetColumnPlacement& place = layout_.Column(i);
        if (place.fixed)
            PutFixed(fixedArea, columns[i], place.fixedOffset, value);
        else
            variables[static_cast<size_t>(place.varIndex)] = Variable(columns[i], value);
    }

    std::string row;
    jetbytes::Append(row, columns.size(), format_.rowFieldSize);
    row += fixedArea;
    if (!variables.empty()) {
        std::vector<size_t> offsets;
        for (const std::string& variable : variables) {
            offsets.push_back(row.size());
            row += variable;
        }
        offsets.push_back(row.size());
        AppendOffsets(row, offsets, mask.size());
    }
    row += mask;
    if (row.size() > static_cast<size_t>(format_.MaxRowSize()))
        throw std::invalid_argument("table " + table_.Name() + ": a row of " + std::to_string(row.size()) +
                                    " bytes does not fit a page");
    return row;
}

void JetRowEncoder::PutFixed(std::string& fixedArea, const JetColumn& column, int offset, const JetValue& value) const
{
    uint64_t bits = column.type == JetColumnType::Double || column.type == JetColumnType::DateTime
                        ? jetbytes::DoubleBits(value.AsReal())
                        : static_cast<uint64_t>(value.AsInteger());
    jetbytes::Store(&fixedArea[static_cast<size_t>(offset)], bits, column.FixedSize());
}

std::string JetRowEncoder::Variable(const JetColumn& column, const JetValue& value)
{
    std::string stored = column.IsTextual() ? JetText::Encode(format_, value.AsBytes()) : value.AsBytes();
    if (column.IsLongValue())
        return longValues_.Field(stored);
    size_t units = column.type == JetColumnType::Text ? JetText::Units(format_, stored) : stored.size();
    if (units > static_cast<size_t>(column.size))
        throw std::invalid_argument("table " + table_.Name() + ", column " + column.name + ": " +
                                    std::to_string(units) + " units for a size of " + std::to_string(column.size));
    return stored;
}

void JetRowEncoder::AppendOffsets(std::string& row, const std::vector<size_t>& offsets, size_t maskSize) const
{
    if (format_.version == JetVersion::Jet3) {
        AppendJet3Offsets(row, offsets, maskSize);
        return;
    }
    for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
        jetbytes::Append(row, *it, 2);
    jetbytes::Append(row, offsets.size() - 1, 2);
}

// Offsets are stored modulo 256. Jump entry k names the first entry (the end of data counting as the
// last) at 256 * (k + 1) or beyond, so a reader adds 256 for every jump entry at or before an entry.
// There is one jump entry per whole span of the row's size, that size counting the jump table
// itself; an entry with no offset that far is 0xFF.
void JetRowEncoder::AppendJet3Offsets(std::string& row, const std::vector<size_t>& offsets, size_t maskSize) const
{
    size_t sizeWithoutJumps = row.size() + offsets.size() + 1 + maskSize;
    size_t jumps = 0;
    while ((sizeWithoutJumps + jumps) / kJumpSpan != jumps)
        jumps = (sizeWithoutJumps + jumps) / kJumpSpan;
    if (offsets.size() - 1 > kNoJump - 1u)
        throw std::invalid_argument("table " + table_.Name() + ": too many variable columns for Jet 3");

    for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
        row += static_cast<char>(*it & 0xFF);
    std::vector<uint8_t> jumpTable(jumps, kNoJump);
    for (size_t k = 0; k < jumps; ++k)
        for (size_t i = 0; i < offsets.size(); ++i)
            if (offsets[i] >= kJumpSpan * (k + 1)) {
                jumpTable[k] = static_cast<uint8_t>(i);
                break;
            }
    for (auto it = jumpTable.rbegin(); it != jumpTable.rend(); ++it)
        row += static_cast<char>(*it);
    row += static_cast<char>(offsets.size() - 1);
}
