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
    // Stores row and returns its number on the page; flags go into its offset entry. Throws
    // std::logic_error if it does not fit.
    int AddRow(const std::string& row, uint16_t flags = 0);
    // Flags a row as deleted; its bytes stay.
    void DeleteRow(int row);
    // Makes a row the place of one that moved: its first four bytes become the data pointer to
    // where the row now is, and its entry is flagged as a pointer. The row must be 4 bytes or more.
    void PointRowTo(int row, uint32_t pointer);

    int RowCount() const { return static_cast<int>(page_.Get(format_.dataRowCountOffset, 2)); }
    int FreeSpace() const { return static_cast<int>(page_.Get(2, 2)); }

    // The flags of a row's offset entry: a deleted row; a row whose place holds a data pointer to
    // another page, where the row now is (Access flags that new place as deleted, so that a pass
    // over the pages does not meet the row twice).
    static constexpr uint16_t kDeletedRow = 0x8000;
    static constexpr uint16_t kPointerRow = 0x4000;

private:
    static void Start(JetPage& page, const JetFormat& format);
    // Throws std::logic_error for a row that the page does not hold.
    void CheckRow(int row) const;
    int EntryOffset(int row) const;
    int RowStart(int row) const;

    JetPage& page_;
    const JetFormat& format_;
};

// A data pointer: a page number and a row number on it, as Jet links rows.
inline uint32_t JetDataPointer(uint32_t page, int row) { return (page << 8) | static_cast<uint32_t>(row); }
