// Writes a database description as a Jet file: page 0 the header, page 1 the file's usage map and
// the tables' usage maps, page 2 the catalog's definition, page 3 the query table's, then one
// definition page per user table, then each table's data pages with its long-value pages, and
// any further map pages. No indexes are written. Rows that the description deletes or moves are
// written as Access leaves them, flagged in their places, the moved ones' new values on a page of
// their own after the table's other rows. The same description always gives the same bytes.
#pragma once

#include "tools/jetwriter/JetDatabase.h"

#include <string>

class JetFileWriter {
public:
    explicit JetFileWriter(const JetDatabase& database) : database_(database) {}

    // The whole file. Throws std::invalid_argument for a value or table that the format cannot
    // hold (text longer than its column, a row or definition larger than a page).
    std::string Bytes() const;

    // Writes the file at path (a Linux path) through a temporary file renamed into place, so that
    // a failure leaves no partial file. Throws as Bytes does, or std::runtime_error if the file
    // cannot be written.
    void WriteFile(const std::string& path) const;

private:
    const JetDatabase& database_;
};
