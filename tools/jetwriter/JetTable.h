// A table to write: its name, its typed columns and its rows, in the order they are to be stored.
#pragma once

#include "tools/jetwriter/JetColumn.h"
#include "tools/jetwriter/JetValue.h"

#include <optional>
#include <string>
#include <vector>

class JetTable {
public:
    // A system table is flagged as one in the catalog and in its definition.
    explicit JetTable(std::string name, bool system = false);

    // Adds a column; size is the length of a text (characters) or binary (bytes) column, 1 to 255.
    // Throws std::invalid_argument for a duplicate or bad name, a bad size, more than 255 columns,
    // or a column added after the first row.
    JetTable& AddColumn(std::string name, JetColumnType type, int size = 0);

    // Adds a row, one value per column. Throws std::invalid_argument, naming the table and column,
    // for a wrong count or a value that the column cannot hold; the table is then unchanged.
    void AddRow(std::vector<JetValue> values);

    // What Access leaves of a row added before: updated with values that no longer fit its page,
    // the row moves to another page and its place keeps a pointer to it; deleted, its place is
    // flagged and its bytes stay. A row may be moved and then deleted. Both throw
    // std::invalid_argument for a row that was not added or is deleted, MoveRow also as AddRow does.
    void MoveRow(size_t row, std::vector<JetValue> values);
    void DeleteRow(size_t row);

    // What became of each row added, by its place.
    struct RowFate {
        bool deleted = false;
        std::optional<std::vector<JetValue>> movedTo; // the values of the row's new place
    };
    const std::vector<RowFate>& Fates() const { return fates_; }
    // The rows that are not deleted, as the table's definition counts them.
    size_t LiveRowCount() const;

    const std::string& Name() const { return name_; }
    bool IsSystem() const { return system_; }
    const std::vector<JetColumn>& Columns() const { return columns_; }
    const std::vector<std::vector<JetValue>>& Rows() const { return rows_; }

private:
    void CheckValues(const std::vector<JetValue>& values) const;
    void CheckLiveRow(size_t row) const;

    std::string name_;
    bool system_;
    std::vector<JetColumn> columns_;
    std::vector<std::vector<JetValue>> rows_;
    std::vector<RowFate> fates_;
};
