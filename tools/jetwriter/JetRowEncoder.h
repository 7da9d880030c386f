// Encodes the rows of one table as its data pages store them:
//   column count | fixed area | variable data | [end of data | offset table, last first |
//   (Jet 3) jump table | variable count] | null mask
// The column count, end of data, offsets and variable count take two bytes in Jet 4 and one in
// Jet 3, where a jump table lifts offsets past 255. The null mask has one bit per column, set for a
// value that is not NULL; a Yes/No column keeps its value there.
#pragma once

#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetLongValueStore.h"
#include "tools/jetwriter/JetTable.h"
#include "tools/jetwriter/JetTableLayout.h"

#include <string>
#include <vector>

class JetRowEncoder {
public:
    // The table, layout and store are used by reference and must outlive the encoder.
    JetRowEncoder(const JetFormat& format, const JetTable& table, const JetTableLayout& layout,
                  JetLongValueStore& longValues);

    // The bytes of one row (whose values the table has checked). Long memo and OLE values go to
    // the store. Throws std::invalid_argument, naming the column, for text or bytes longer than
    // the column, and for a row larger than a page holds.
    std::string Encode(const std::vector<JetValue>& values);

private:
    void PutFixed(std::string& fixedArea, const JetColumn& column, int offset, const JetValue& value) const;
    std::string Variable(const JetColumn& column, const JetValue& value);
    // Appends what follows the variable data, given each variable column's start and the end of
    // the data as the last entry.
    void AppendOffsets(std::string& row, const std::vector<size_t>& offsets, size_t maskSize) const;
    void AppendJet3Offsets(std::string& row, const std::vector<size_t>& offsets, size_t maskSize) const;

    const JetFormat& format_;
    const JetTable& table_;
    const JetTableLayout& layout_;
    JetLongValueStore& longValues_;
};
