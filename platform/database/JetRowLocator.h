// Finds the rows of a table on its data pages as Access leaves them. Each page lists its rows in
// an offset table whose entries carry flags: a deleted row (passed over), and a row whose place
// holds a data pointer to the page and row where an update that made it longer moved it. A moved
// row is read once, through its pointer and in its place's order; its new place, which Access
// flags as deleted, is never read on its own, even where that flag is missing. No byte of a page
// belongs to two rows: a file where it would is damaged.
#pragma once

#include "platform/core/CString.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
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
    // for a page that is not one of the table's data pages or is listed twice, an offset table or
    // live row outside its page, a pointer that leads nowhere, in a circle or on past kMaxMoves
    // places, a place that two pointers lead to, and two places read (live rows, pointers and the
    // places they lead to) that share bytes.
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
    using Move = std::pair<Slot, Slot>; // the place that a pointer leads to, and the pointer's place

    const Page& Load(Pages& pages, uint32_t number) const;
    Location Extent(const Page& page, int row) const;
    // Where the row that moved from that row of page `from` now is; adds every pointer followed on
    // the way to moves.
    Location Follow(Pages& pages, const Page& from, int row, std::vector<Move>& moves) const;
    // The places that pointers lead to, sorted. Throws 3049 for a place that two pointers lead to:
    // two rows would read its values.
    std::vector<Slot> Targets(std::vector<Move> moves) const;
    // Throws 3049 for two places read that share bytes. A row runs to the next higher offset on its
    // page, so two places share bytes exactly when they start at one offset.
    void RefuseSharedBytes(const Pages& pages, std::vector<Slot> read) const;
    [[noreturn]] void Damaged() const;

    int m_pageSize;
    int m_rowCountOffset;
    uint32_t m_tdefPage;
    PageSource m_pages;
    const CString& m_file;
};
