#include "tools/jetwriter/JetTable.h"

#include "platform/core/CString.h"

#include <stdexcept>
#include <utility>

namespace {

constexpr size_t kMaxColumns = 255; // a Jet 3 row counts its columns in one byte
constexpr size_t kMaxNameBytes = 128;

void CheckName(const std::string& name, const char* what)
{
    if (name.empty() || name.size() > kMaxNameBytes)
        throw std::invalid_argument(std::string(what) + " name must be 1 to 128 bytes: \"" + name + "\"");
}

} // namespace

JetTable::JetTable(std::string name, bool system) : name_(std::move(name)), system_(system)
{
    CheckName(name_, "table");
}

JetTable& JetTable::AddColumn(std::string name, JetColumnType type, int size)
{
    CheckName(name, "column");
    if (!rows_.empty())
        throw std::invalid_argument("table " + name_ + ": column " + name + " added after rows");
    if (columns_.size() == kMaxColumns)
        throw std::invalid_argument("table " + name_ + ": more than 255 columns");
    for (const JetColumn& column : columns_)
        if (CString(column.name).CompareNoCase(name.c_str()) == 0)
            throw std::invalid_argument("table " + name_ + ": duplicate column " + name);
    bool sized = type == JetColumnType::Text || type == JetColumnType::Binary;
    if (sized && (size < 1 || size > 255))
        throw std::invalid_argument("table " + name_ + ": column " + name + " needs a size of 1 to 255");
    columns_.push_back(JetColumn{std::move(name), type, sized ? size : 0});
    return *this;
}

void JetTable::AddRow(std::vector<JetValue> values)
{
    CheckValues(values);
    rows_.push_back(std::move(values));
    fates_.emplace_back();
}

void JetTable::MoveRow(size_t row, std::vector<JetValue> values)
{
    CheckLiveRow(row);
    CheckValues(values);
    fates_[row].movedTo = std::move(values);
}

void JetTable::DeleteRow(size_t row)
{
    CheckLiveRow(row);
    fates_[row].deleted = true;
}

size_t JetTable::LiveRowCount() const
{
    size_t live = 0;
    for (const RowFate& fate : fates_)
        live += fate.deleted ? 0 : 1;
    return live;
}

void JetTable::CheckValues(const std::vector<JetValue>& values) const
{
    if (values.size() != columns_.size())
        throw std::invalid_argument("table " + name_ + ": a row of " + std::to_string(values.size()) + " values for " +
                                    std::to_string(columns_.size()) + " columns");
    for (size_t i = 0; i < values.size(); ++i) {
        std::string reason = columns_[i].Refuses(values[i]);
        if (!reason.empty())
            throw std::invalid_argument("table " + name_ + ", column " + columns_[i].name + ": " + reason);
    }
}

void JetTable::CheckLiveRow(size_t row) const
{
    if (row >= rows_.size() || fates_[row].deleted)
        throw std::invalid_argument("table " + name_ + ": no row " + std::to_string(row) + " to change");
}
