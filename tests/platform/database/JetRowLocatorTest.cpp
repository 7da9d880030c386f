// The rows of data pages as Access flags them: deleted, moved through a pointer, moved and then
// deleted; pointers that lead nowhere or in a circle are damage.
#include "tests/platform/database/DaoFixture.h"

#include "platform/database/JetRowLocator.h"
#include "tools/jetwriter/JetDataPage.h"

#include <map>

namespace {

const uint32_t tdefPage = 9;
const JetFormat& format = JetFormat::For(JetVersion::Jet4);

class JetRowLocatorTest : public ::testing::Test {
protected:
    JetDataPage Start(uint32_t number, uint32_t owner = tdefPage)
    {
        JetPage& page = m_pages.emplace(number, JetPage(format.pageSize)).first->second;
        JetDataPage::StartTablePage(page, format, owner);
        return JetDataPage(page, format);
    }
    JetDataPage On(uint32_t number) { return JetDataPage(m_pages.at(number), format); }

    // The bytes of each row found, in order.
    std::vector<std::string> Rows(const std::vector<uint32_t>& dataPages)
    {
        JetRowLocator locator(
            format.pageSize, format.dataRowCountOffset, tdefPage,
            [&](uint32_t page) {
                auto found = m_pages.find(page);
                return found == m_pages.end() ? std::string() : found->second.Bytes();
            },
            m_file);
        std::vector<std::string> rows;
        for (const JetRowLocator::Location& row : locator.Rows(dataPages))
            rows.push_back(m_pages.at(row.page).Bytes().substr(row.start, row.size));
        return rows;
    }

    std::map<uint32_t, JetPage> m_pages;
    CString m_file = "C:\\COM_CODE.mdb";
};

TEST_F(JetRowLocatorTest, MovedRowsOnceInTheirPlaceDeletedRowsNever)
{
    JetDataPage first = Start(1);
    first.AddRow("aaaa");
    first.AddRow("bbbb");
    first.AddRow("cccc", JetDataPage::kDeletedRow);
    first.AddRow("dddd", JetDataPage::kDeletedRow);
    JetDataPage second = Start(2);
    second.AddRow("B-moved", JetDataPage::kDeletedRow);
    second.AddRow("eeee");
    second.AddRow("D-moved", JetDataPage::kDeletedRow);
    first.PointRowTo(1, JetDataPointer(2, 0));
    first.PointRowTo(3, JetDataPointer(2, 2));
    EXPECT_EQ((std::vector<std::string>{"aaaa", "B-moved", "eeee"}), Rows({1, 2}));

    // A new place without its deleted flag is still read only through its pointer.
    m_pages.at(2).Put(format.dataHeaderSize, m_pages.at(2).Get(format.dataHeaderSize, 2) & 0x1FFF, 2);
    EXPECT_EQ((std::vector<std::string>{"aaaa", "B-moved", "eeee"}), Rows({1, 2}));

    // A row moved twice points on from its first new place.
    JetDataPage third = Start(3);
    third.AddRow("B-again", JetDataPage::kDeletedRow);
    second.PointRowTo(0, JetDataPointer(3, 0));
    EXPECT_EQ((std::vector<std::string>{"aaaa", "B-again", "eeee"}), Rows({1, 2, 3}));
}

TEST_F(JetRowLocatorTest, PointersThatLeadAstrayAreDamage)
{
    JetDataPage first = Start(1);
    first.AddRow("aaaa");
    Start(2, tdefPage + 1).AddRow("other table's");
    for (uint32_t target : {JetDataPointer(1, 0), JetDataPointer(1, 1), JetDataPointer(2, 0), JetDataPointer(7, 0)}) {
        first.PointRowTo(0, target);
        EXPECT_EQ(daoErrCorrupt, DaoErrorOf([&] { Rows({1}); })) << std::hex << target;
    }
    EXPECT_EQ(daoErrCorrupt, DaoErrorOf([&] { Rows({2}); }));

    // A row that moved on from place to place more often than kMaxMoves is damage too.
    auto chain = [&](uint32_t first, int moves) {
        Start(first).AddRow("aaaa");
        for (int move = 1; move <= moves; ++move) {
            Start(first + move).AddRow("moved", JetDataPage::kDeletedRow);
            On(first + move - 1).PointRowTo(0, JetDataPointer(first + move, 0));
        }
        return first;
    };
    EXPECT_EQ(std::vector<std::string>{"moved"}, Rows({chain(10, JetRowLocator::kMaxMoves)}));
    EXPECT_EQ(daoErrCorrupt, DaoErrorOf([&] { Rows({chain(30, JetRowLocator::kMaxMoves + 1)}); }));
}

} // namespace
