#include "platform/database/JetRowLocator.h"

#include "platform/database/CDaoException.h"

#include <algorithm>

namespace {

const unsigned char dataPageType = 0x01;
const size_t ownerOffset = 4; // of the definition page that a data page belongs to
const uint16_t deletedRow = 0x8000;
const uint16_t pointerRow = 0x4000;
const int offsetMask = 0x1FFF;
const int pointerSize = 4; // the row number in the low byte, the page in the three above

uint32_t LittleEndian(const std::string& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

struct JetRowLocator::Page {
    uint32_t number;
    std::string bytes;
    std::vector<uint16_t> entries; // the offset table, flags and all
    std::vector<int> starts;       // where the rows start, in order
    int tableEnd;                  // where the offset table ends and rows may start
};

JetRowLocator::JetRowLocator(int pageSize, int rowCountOffset, uint32_t tdefPage, PageSource pages, const CString& file)
    : m_pageSize(pageSize), m_rowCountOffset(rowCountOffset), m_tdefPage(tdefPage), m_pages(std::move(pages)),
      m_file(file)
{
}

std::vector<JetRowLocator::Location> JetRowLocator::Rows(const std::vector<uint32_t>& dataPages) const
{
    std::vector<uint32_t> listed = dataPages;
    std::sort(listed.begin(), listed.end());
    if (std::adjacent_find(listed.begin(), listed.end()) != listed.end())
        Damaged(); // its rows would be read twice
    Pages pages;
    std::vector<std::pair<Slot, Location>> live; // each live row's place and where its values are
    std::vector<Move> moves;                     // every pointer followed
    for (uint32_t number : dataPages) {
        const Page& page = Load(pages, number);
        for (int row = 0; row < static_cast<int>(page.entries.size()); ++row) {
            uint16_t entry = page.entries[row];
            if (entry & deletedRow)
                continue;
            Slot place{number, row};
            live.emplace_back(place, entry & pointerRow ? Follow(pages, page, row, moves) : Extent(page, row));
        }
    }
    std::vector<Slot> reached = Targets(std::move(moves));
    std::vector<Slot> read = reached;
    for (const auto& row : live)
        read.push_back(row.first);
    RefuseSharedBytes(pages, std::move(read));
    std::vector<Location> rows;
    for (const auto& row : live)
        if (!std::binary_search(reached.begin(), reached.end(), row.first))
            rows.push_back(row.second);
    return rows;
}

const JetRowLocator::Page& JetRowLocator::Load(Pages& pages, uint32_t number) const
{
    auto loaded = pages.find(number);
    if (loaded != pages.end())
        return loaded->second;
    Page page{number, m_pages(number), {}, {}, 0};
    const std::string& bytes = page.bytes;
    if (bytes.size() != static_cast<size_t>(m_pageSize) || static_cast<unsigned char>(bytes[0]) != dataPageType ||
        LittleEndian(bytes, ownerOffset, 4) != m_tdefPage)
        Damaged();
    size_t count = LittleEndian(bytes, m_rowCountOffset, 2);
    size_t tableEnd = m_rowCountOffset + 2 + 2 * count;
    if (tableEnd > bytes.size())
        Damaged();
    for (size_t row = 0; row < count; ++row) {
        page.entries.push_back(static_cast<uint16_t>(LittleEndian(bytes, m_rowCountOffset + 2 + 2 * row, 2)));
        page.starts.push_back(page.entries.back() & offsetMask);
    }
    std::sort(page.starts.begin(), page.starts.end());
    page.tableEnd = static_cast<int>(tableEnd);
    return pages.emplace(number, std::move(page)).first->second;
}

// A row runs from its offset to the next offset above it on the page, or to the page's end.
JetRowLocator::Location JetRowLocator::Extent(const Page& page, int row) const
{
    int start = page.entries[row] & offsetMask;
    auto next = std::upper_bound(page.starts.begin(), page.starts.end(), start);
    int end = next == page.starts.end() ? m_pageSize : std::min(*next, m_pageSize);
    if (start < page.tableEnd || start >= end)
        Damaged();
    return {page.number, start, end - start};
}

JetRowLocator::Location JetRowLocator::Follow(Pages& pages, const Page& from, int row, std::vector<Move>& moves) const
{
    const Page* page = &from;
    Location pointer = Extent(from, row);
    std::vector<Slot> chain{{from.number, row}};
    for (int step = 0; step < kMaxMoves; ++step) {
        if (pointer.size < pointerSize)
            Damaged();
        uint32_t target = LittleEndian(page->bytes, pointer.start, pointerSize);
        Slot to{target >> 8, static_cast<int>(target & 0xFF)};
        if (std::find(chain.begin(), chain.end(), to) != chain.end())
            Damaged();
        moves.emplace_back(to, chain.back());
        chain.push_back(to);
        page = &Load(pages, to.page);
        if (to.row >= static_cast<int>(page->entries.size()))
            Damaged();
        Location there = Extent(*page, to.row);
        // The new place is flagged as deleted; a row moved again points on from there.
        if (!(page->entries[to.row] & pointerRow))
            return there;
        pointer = there;
    }
    Damaged();
}

// A pointer followed again from a place further along its chain is one pointer, not two.
std::vector<JetRowLocator::Slot> JetRowLocator::Targets(std::vector<Move> moves) const
{
    std::sort(moves.begin(), moves.end());
    moves.erase(std::unique(moves.begin(), moves.end()), moves.end());
    std::vector<Slot> targets;
    for (const Move& move : moves) {
        if (!targets.empty() && targets.back() == move.first)
            Damaged();
        targets.push_back(move.first);
    }
    return targets;
}

// A new place that lacks its deleted flag is read both as a live row and as a target: one place.
void JetRowLocator::RefuseSharedBytes(const Pages& pages, std::vector<Slot> read) const
{
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    std::vector<std::pair<uint32_t, int>> starts;
    for (const Slot& place : read)
        starts.emplace_back(place.page, pages.at(place.page).entries[place.row] & offsetMask);
    std::sort(starts.begin(), starts.end());
    if (std::adjacent_find(starts.begin(), starts.end()) != starts.end())
        Damaged();
}

void JetRowLocator::Damaged() const { ThrowDaoError(daoErrCorrupt, m_file); }
