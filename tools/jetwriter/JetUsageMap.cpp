#include "tools/jetwriter/JetUsageMap.h"

#include "tools/jetwriter/JetBytes.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr char kInlineMap = 0x00;
constexpr char kPagedMap = 0x01;
constexpr int kPageTypeBitmap = 0x05;
constexpr int kBitmapPageHeader = 4;

void SetBit(std::string& bitmap, size_t bit)
{
    bitmap[bit / 8] = static_cast<char>(bitmap[bit / 8] | (1 << (bit % 8)));
}

} // namespace

JetUsageMap::JetUsageMap(const JetFormat& format, std::vector<uint32_t> pages)
    : format_(format), pages_(std::move(pages))
{
    std::sort(pages_.begin(), pages_.end());
    uint32_t window = static_cast<uint32_t>(format_.usageMapBitmapSize) * 8;
    if (pages_.empty() || pages_.back() - pages_.front() < window)
        return;
    for (uint32_t page : pages_) {
        uint32_t range = page / PagesPerBitmapPage();
        if (ranges_.empty() || ranges_.back() != range)
            ranges_.push_back(range);
    }
    if (ranges_.back() >= RowSize() / 4)
        throw std::invalid_argument("a file too large for its usage maps");
}

uint32_t JetUsageMap::PagesPerBitmapPage() const
{
    return static_cast<uint32_t>(format_.pageSize - kBitmapPageHeader) * 8;
}

void JetUsageMap::FillBitmapPage(JetPage& page, uint32_t range) const
{
    page.Put(0, kPageTypeBitmap, 1);
    page.Put(1, 0x01, 1);
    std::string bitmap(static_cast<size_t>(format_.pageSize - kBitmapPageHeader), '\0');
    uint32_t first = range * PagesPerBitmapPage();
    for (uint32_t number : pages_)
        if (number >= first && number - first < PagesPerBitmapPage())
            SetBit(bitmap, number - first);
    page.PutBytes(kBitmapPageHeader, bitmap);
}

std::string JetUsageMap::Row(const std::vector<uint32_t>& bitmapPages) const
{
    if (bitmapPages.size() != ranges_.size())
        throw std::logic_error("a usage map without its bitmap pages");
    std::string row;
    if (ranges_.empty()) {
        uint32_t start = pages_.empty() ? 0 : pages_.front();
        std::string bitmap(static_cast<size_t>(format_.usageMapBitmapSize), '\0');
        for (uint32_t number : pages_)
            SetBit(bitmap, number - start);
        row += kInlineMap;
        jetbytes::Append(row, start, 4);
        return row + bitmap;
    }
    row.assign(RowSize(), '\0');
    row[0] = kPagedMap;
    for (size_t i = 0; i < ranges_.size(); ++i)
        jetbytes::Store(&row[1 + 4 * ranges_[i]], bitmapPages[i], 4);
    return row;
}
