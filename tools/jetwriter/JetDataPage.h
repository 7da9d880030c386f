// A page of rows: a data page of a table, or a long-value page of memo and OLE data. Rows are
// stored from the end of the page towards its header, each found through an offset entry that
// follows the header; the header keeps the free space and the row count.
#pragma once

#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetPage.h"

#include <cstdint>
#include <string>

class JetDataPage {
public:
    // A view of page, which must already be a page of rows.
    JetDataPage(JetPage& page, const JetFormat& format) : page_(page), format_(format) {}

    // Makes page an empty data page of the table whose definition is on page tdefPage.
    static void StartTablePage(JetPage& page, const JetFormat& format, uint32_t tdefPage);
    // Makes page an empty long-value page.
    static void StartLongValuePage(JetPage& page, const JetFormat& format);

    // Whether a row of rowSize bytes and its offset entry fit, within the row numbers that a data
    // pointer can name.
    bool Fits(size_t rowSize) const;
    // Stores row and returns its number on the page. Throws std::logic_error if it does not fit.
    int AddRow(const std::string& row);

    int RowCount() const { return static_cast<int>(page_.Get(format_.dataRowCountOffset, 2)); }
    int FreeSpace() const { return static_cast<int>(page_.Get(2, 2)); }

private:
    static void Start(JetPage& page, const JetFormat& format);

    JetPage& page_;
    const JetFormat& format_;
};

// A data pointer: a page number and a row number on it, as Jet links rows.
inline uint32_t JetDataPointer(uint32_t page, int row)
{
    return (page << 8) | static_cast<uint32_t>(row);
}
