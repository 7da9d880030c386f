// Where each column of a table lives in its rows: fixed columns at an offset of the fixed area, in
// column order; variable columns by their index in the row's offset table, in column order.
#pragma once

#include "tools/jetwriter/JetColumn.h"
#include "tools/jetwriter/JetFormat.h"

#include <cstdint>
#include <vector>

struct JetColumnPlacement {
    bool fixed;
    int fixedOffset; // in the fixed area; 0 for a variable column
    int varIndex;    // in the offset table; 0 for a fixed column
    int length;      // the column length of the table definition: bytes, 0 for memo and OLE
    uint8_t flags;
};

class JetTableLayout {
public:
    JetTableLayout(const JetFormat& format, const std::vector<JetColumn>& columns);

    const JetColumnPlacement& Column(size_t index) const { return placements_.at(index); }
    int ColumnCount() const { return static_cast<int>(placements_.size()); }
    int FixedSize() const { return fixedSize_; }
    int VarCount() const { return varCount_; }

private:
    std::vector<JetColumnPlacement> placements_;
    int fixedSize_ = 0;
    int varCount_ = 0;
};
