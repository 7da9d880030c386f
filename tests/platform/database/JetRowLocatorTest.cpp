// The rows of data pages as Access flags them, laid out by tests/data/platform/jet_row_moves.tsv.
#include "tests/platform/database/DaoFixture.h"
#include "tests/support/TabbedCases.h"

#include "platform/database/JetRowLocator.h"
#include "tools/jetwriter/JetDataPage.h"

#include <array>
#include <iterator>
#include <map>
#include <sstream>

namespace {

const uint32_t tdefPage = 9;
const JetFormat& format = JetFormat::For(JetVersion::Jet4);

// Adds an offset entry to page that starts where its row `of` starts, with no bytes of its own.
void AddEntryAt(JetPage& page, int of, uint16_t flags)
{
    auto entry = [](int row) { return format.dataHeaderSize + 2 * row; };
    int count = static_cast<int>(page.Get(format.dataRowCountOffset, 2));
    page.Put(entry(count), (page.Get(entry(of), 2) & 0x1FFF) | flags, 2);
    page.Put(format.dataRowCountOffset, static_cast<uint64_t>(count + 1), 2);
}

// The rows found on the pages that layout lays out, read in the order of dataPages, joined by "|".
std::string RowsOf(const std::string& layout, const std::string& dataPages)
{
    std::map<uint32_t, JetPage> pages;
    std::vector<std::array<uint32_t, 3>> pointers; // page, row, pointer: set once every row is in place
    std::istringstream tokens(layout);
    uint32_t page = 0;
    for (std::string token; tokens >> token;) {
        size_t owner = token.find('@'), arrow = token.find('>');
        bool deleted = token[0] == '~';
        if (token.back() == ':') {
            page = std::stoul(token);
            JetDataPage::StartTablePage(pages.emplace(page, JetPage(format.pageSize)).first->second, format,
                                        owner == std::string::npos ? tdefPage : std::stoul(token.substr(owner + 1)));
            continue;
        }
        uint16_t flags = deleted ? JetDataPage::kDeletedRow : 0;
        if (token[deleted] == '=') {
            AddEntryAt(pages.at(page), std::stoi(token.substr(deleted + 1)), flags);
            continue;
        }
        int row = JetDataPage(pages.at(page), format).AddRow(token.substr(deleted, arrow - deleted), flags);
        if (arrow != std::string::npos)
            pointers.push_back(
                {page, uint32_t(row),
                 JetDataPointer(std::stoul(token.substr(arrow + 1)), std::stoi(token.substr(token.find('.') + 1)))});
    }
    for (auto [at, row, to] : pointers)
        JetDataPage(pages.at(at), format).PointRowTo(int(row), to);

    auto source = [&](uint32_t number) { return pages.count(number) ? pages.at(number).Bytes() : std::string(); };
    CString file = "C:\\COM_CODE.mdb";
    std::istringstream numbers(dataPages);
    std::string rows;
    for (const auto& row : JetRowLocator(format.pageSize, format.dataRowCountOffset, tdefPage, source, file)
                               .Rows({std::istream_iterator<uint32_t>(numbers), std::istream_iterator<uint32_t>()}))
        rows += (rows.empty() ? "" : "|") + pages.at(row.page).Bytes().substr(row.start, row.size);
    return rows;
}

TEST(JetRowLocator, FindsTheRowsOfEachLayout)
{
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("platform/jet_row_moves.tsv")) {
        std::string rows;
        LONG error = DaoErrorOf([&] { rows = RowsOf(c[0].Bytes(), c[1].Bytes()); });
        EXPECT_EQ(c[2].Bytes(), error == daoErrCorrupt ? "damaged" : error ? std::to_string(error) : rows) << c[0];
    }
}

} // namespace
