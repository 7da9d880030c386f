#include "tools/jetwriter/JetDataPage.h"

#include <stdexcept>

namespace {

constexpr int kPageTypeData = 0x01;
constexpr int kMaxRowsPerPage = 255; // the row number of a data pointer is one byte
constexpr int kOwnerOffset = 4;      // the owning table's definition page, or "LVAL"

} // namespace

void JetDataPage::Start(JetPage& page, const JetFormat& format)
{
    page.Put(0, kPageTypeData, 1);
    page.Put(1, 0x01, 1);
    page.Put(2, static_cast<uint64_t>(format.pageSize - format.dataHeaderSize), 2);
    page.Put(format.dataRowCountOffset, 0, 2);
}

void JetDataPage::StartTablePage(JetPage& page, const JetFormat& format, uint32_t tdefPage)
{
    Start(page, format);
    page.Put(kOwnerOffset, tdefPage, 4);
}

void JetDataPage::StartLongValuePage(JetPage& page, const JetFormat& format)
{
    Start(page, format);
    page.PutBytes(kOwnerOffset, "LVAL");
}

bool JetDataPage::Fits(size_t rowSize) const
{
    return RowCount() < kMaxRowsPerPage && rowSize + 2 <= static_cast<size_t>(FreeSpace());
}

int JetDataPage::AddRow(const std::string& row)
{
    if (!Fits(row.size()))
        throw std::logic_error("a row does not fit its page");
    int count = RowCount();
    int tableOffset = format_.dataHeaderSize + 2 * count;
    int end = count == 0 ? format_.pageSize : static_cast<int>(page_.Get(tableOffset - 2, 2));
    int start = end - static_cast<int>(row.size());
    page_.PutBytes(start, row);
    page_.Put(tableOffset, static_cast<uint64_t>(start), 2);
    page_.Put(format_.dataRowCountOffset, static_cast<uint64_t>(count + 1), 2);
    page_.Put(2, static_cast<uint64_t>(FreeSpace() - static_cast<int>(row.size()) - 2), 2);
    return count;
}
