// Finds the rows of a table on its data pages as Access leaves them. Each page lists its rows in
// an offset table whose entries carry flags: a deleted row (passed over), and a row whose place
// holds a data pointer to the page and row where an update that made it longer moved it. A moved
// row is read once, through its pointer and in its place's order; its new place, which Access
// flags as deleted, is never read on its own, even where that flag is missing.
#pragma once

#include "platform/core/CString.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class JetRowLocator {
public:
    struct Location {
        uint32_t page;
        int start; // from the start of the page
        int size;
    };
    // The bytes of a page, as libmdb reads them; empty for a page the file does not have.
    using PageSource = std::function<std::string(uint32_t page)>;

    // pageSize and rowCountOffset are the version's; tdefPage is the page of the table's
    // definition, which its data pages name; file is what errors name.
    JetRowLocator(int pageSize, int rowCountOffset, uint32_t tdefPage, PageSource pages, const CString& file);

    // Where the live rows of the table whose data pages these are lie, in table order. Throws 3049
    // for a page that is not one of the table's data pages, an offset table or live row outside
    // its page, and a pointer that leads nowhere, in a circle or on past kMaxMoves places.
    std::vector<Location> Rows(const std::vector<uint32_t>& dataPages) const;

    // How often a row may have moved on from place to place before that is taken for damage; the
    // format notes know only the one pointer from a row's place to where it is.
    static constexpr int kMaxMoves = 8;

private:
    struct Page;
    using Pages = std::map<uint32_t, Page>; // each page read once, by number
    struct Slot {
        uint32_t page;
        int row;
        bool operator<(const Slot& other) const { return page != other.page ? page < other.page : row < other.row; }
        bool operator==(const Slot& other) const { return page == other.page && row == other.row; }
    };

    const Page& Load(Pages& pages, uint32_t number) const;
    Location Extent(const Page& page, int row) const;
    // Where the row that moved from that row of page `from` now is; adds every place passed on the
    // way to reached.
    Location Follow(Pages& pages, const Page& from, int row, std::vector<Slot>& reached) const;
    [[noreturn]] void Damaged() const;

    int m_pageSize;
    int m_rowCountOffset;
    uint32_t m_tdefPage;
    PageSource m_pages;
    const CString& m_file;
};
