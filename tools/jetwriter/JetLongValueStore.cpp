#include "tools/jetwriter/JetLongValueStore.h"

#include "tools/jetwriter/JetBytes.h"
#include "tools/jetwriter/JetDataPage.h"

#include <stdexcept>
#include <vector>

namespace {

constexpr uint32_t kInRow = 0x80;
constexpr uint32_t kSingleRow = 0x40;
constexpr uint32_t kChain = 0x00;
constexpr size_t kMaxLength = 0xFFFFFF;

} // namespace

std::string JetLongValueStore::Field(const std::string& stored)
{
    if (stored.size() > kMaxLength)
        throw std::invalid_argument("a memo or OLE value longer than 16 MB");
    uint32_t how = kInRow;
    uint32_t pointer = 0;
    if (stored.size() > kInlineLimit) {
        bool oneRow = stored.size() <= static_cast<size_t>(file_.Format().MaxRowSize());
        how = oneRow ? kSingleRow : kChain;
        pointer = oneRow ? StoreRow(stored) : StoreChain(stored);
    }
    std::string field;
    jetbytes::Append(field, stored.size() | (how << 24), 4);
    jetbytes::Append(field, pointer, 4);
    jetbytes::Append(field, 0, 4);
    return how == kInRow ? field + stored : field;
}

uint32_t JetLongValueStore::StoreRow(const std::string& bytes)
{
    const JetFormat& format = file_.Format();
    if (currentPage_ == 0 || !JetDataPage(file_.Page(currentPage_), format).Fits(bytes.size())) {
        currentPage_ = file_.Allocate();
        JetDataPage::StartLongValuePage(file_.Page(currentPage_), format);
    }
    int row = JetDataPage(file_.Page(currentPage_), format).AddRow(bytes);
    return JetDataPointer(currentPage_, row);
}

uint32_t JetLongValueStore::StoreChain(const std::string& bytes)
{
    const JetFormat& format = file_.Format();
    const size_t chunk = static_cast<size_t>(format.MaxRowSize()) - 4;
    std::vector<uint32_t> pages;
    for (size_t done = 0; done < bytes.size(); done += chunk) {
        pages.push_back(file_.Allocate());
        JetDataPage::StartLongValuePage(file_.Page(pages.back()), format);
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        uint32_t next = i + 1 < pages.size() ? JetDataPointer(pages[i + 1], 0) : 0;
        std::string row;
        jetbytes::Append(row, next, 4);
        row += bytes.substr(i * chunk, chunk);
        JetDataPage(file_.Page(pages[i]), format).AddRow(row);
    }
    return JetDataPointer(pages.front(), 0);
}
