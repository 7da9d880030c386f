#include "tools/jetwriter/JetDataPage.h"

#include <stdexcept>

namespace {

constexpr int kPageTypeData = 0x01;
constexpr int kMaxRowsPerPage = 255; // the row number of a data pointer is one byte
constexpr int kOwnerOffset = 4;      // the owning table's definition page, or "LVAL"
constexpr int kOffsetMask = 0x1FFF;  // an offset entry without its flags
constexpr int kPointerSize = 4;

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

int JetDataPage::AddRow(const std::string& row, uint16_t flags)
{
    if (!Fits(row.size()))
        throw std::logic_error("a row does not fit its page");
    int count = RowCount();
    int end = count == 0 ? format_.pageSize : RowStart(count - 1);
    int start = end - static_cast<int>(row.size());
    page_.PutBytes(start, row);
    page_.Put(EntryOffset(count), static_cast<uint64_t>(start | flags), 2);
    page_.Put(format_.dataRowCountOffset, static_cast<uint64_t>(count + 1), 2);
    page_.Put(2, static_cast<uint64_t>(FreeSpace() - static_cast<int>(row.size()) - 2), 2);
    return count;
}

void JetDataPage::DeleteRow(int row) { page_.Put(EntryOffset(row), page_.Get(EntryOffset(row), 2) | kDeletedRow, 2); }

void JetDataPage::PointRowTo(int row, uint32_t pointer)
{
    CheckRow(row);
    int end = row == 0 ? format_.pageSize : RowStart(row - 1);
    if (end - RowStart(row) < kPointerSize)
        throw std::logic_error("a row is too short to hold a data pointer");
    page_.Put(RowStart(row), pointer, kPointerSize);
    page_.Put(EntryOffset(row), page_.Get(EntryOffset(row), 2) | kPointerRow, 2);
}

void JetDataPage::CheckRow(int row) const
{
    if (row < 0 || row >= RowCount())
        throw std::logic_error("no such row on the page");
}

int JetDataPage::EntryOffset(int row) const { return format_.dataHeaderSize + 2 * row; }

int JetDataPage::RowStart(int row) const { return static_cast<int>(page_.Get(EntryOffset(row), 2)) & kOffsetMask; }
