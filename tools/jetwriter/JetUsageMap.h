// A usage map: which pages belong to a table (or, on page 1, to the file). It is kept in a row of a
// data page. A map whose pages lie within the row's bitmap window is kept inline (type 0: the first
// page, then one bit per page); a wider one points to bitmap pages (type 1: one page pointer per
// range of pages that a bitmap page covers, 0 where none is needed).
#pragma once

#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetPage.h"

#include <cstdint>
#include <string>
#include <vector>

class JetUsageMap {
public:
    JetUsageMap(const JetFormat& format, std::vector<uint32_t> pages);

    // The ranges that need bitmap pages, in order; empty for an inline map.
    const std::vector<uint32_t>& BitmapRanges() const { return ranges_; }
    // The bitmap page of one of the ranges.
    void FillBitmapPage(JetPage& page, uint32_t range) const;
    // The map's row, given the page numbers of the bitmap pages of BitmapRanges(), in order.
    std::string Row(const std::vector<uint32_t>& bitmapPages) const;
    // Bytes of every map row, inline or not.
    size_t RowSize() const { return 5 + static_cast<size_t>(format_.usageMapBitmapSize); }

private:
    uint32_t PagesPerBitmapPage() const;

    const JetFormat& format_;
    std::vector<uint32_t> pages_;
    std::vector<uint32_t> ranges_;
};
