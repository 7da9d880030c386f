#include "tools/jetwriter/JetFileWriter.h"

#include "tools/jetwriter/JetCatalog.h"
#include "tools/jetwriter/JetDataPage.h"
#include "tools/jetwriter/JetHeaderPage.h"
#include "tools/jetwriter/JetLongValueStore.h"
#include "tools/jetwriter/JetPageFile.h"
#include "tools/jetwriter/JetRowEncoder.h"
#include "tools/jetwriter/JetTableDefinition.h"
#include "tools/jetwriter/JetTableLayout.h"
#include "tools/jetwriter/JetUsageMap.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr uint32_t kHeaderPage = 0;
constexpr uint32_t kMapPage = 1;

// A table as written: where its definition is and which data pages hold its rows.
struct WrittenTable {
    const JetTable* table;
    uint32_t tdefPage;
    std::vector<uint32_t> dataPages;
    uint32_t usedMap = 0;
    uint32_t freeMap = 0;
};

// Adds rows to the data pages of one table, starting a new page when a row does not fit the last
// one or when asked to.
class TablePages {
public:
    TablePages(JetPageFile& file, uint32_t tdefPage) : file_(file), tdefPage_(tdefPage) {}

    // Stores row with those offset flags; returns its data pointer.
    uint32_t Add(const std::string& row, uint16_t flags, bool newPage = false)
    {
        if (newPage || pages_.empty() || !Last().Fits(row.size())) {
            pages_.push_back(file_.Allocate());
            JetDataPage::StartTablePage(file_.Page(pages_.back()), file_.Format(), tdefPage_);
        }
        return JetDataPointer(pages_.back(), Last().AddRow(row, flags));
    }
    JetDataPage On(uint32_t pointer) { return JetDataPage(file_.Page(pointer >> 8), file_.Format()); }
    const std::vector<uint32_t>& Pages() const { return pages_; }

private:
    JetDataPage Last() { return JetDataPage(file_.Page(pages_.back()), file_.Format()); }

    JetPageFile& file_;
    uint32_t tdefPage_;
    std::vector<uint32_t> pages_;
};

// Stores the rows of a table on new data pages, in order, as Access leaves them: a deleted row
// flagged in its place; a moved row's place pointing to its new values, which follow the other
// rows on a page of their own, flagged as deleted as Access flags them. Returns those pages.
std::vector<uint32_t> WriteRows(JetPageFile& file, const JetTable& table, uint32_t tdefPage)
{
    const JetFormat& format = file.Format();
    JetTableLayout layout(format, table.Columns());
    JetLongValueStore longValues(file);
    JetRowEncoder encoder(format, table, layout, longValues);
    TablePages pages(file, tdefPage);
    std::vector<std::pair<uint32_t, const std::vector<JetValue>*>> moved; // each moved row's place
    for (size_t i = 0; i < table.Rows().size(); ++i) {
        const JetTable::RowFate& fate = table.Fates()[i];
        std::string row = encoder.Encode(table.Rows()[i]);
        if (fate.movedTo && row.size() < sizeof(uint32_t))
            row.resize(sizeof(uint32_t), '\0'); // room for the pointer
        uint32_t place = pages.Add(row, fate.deleted ? JetDataPage::kDeletedRow : 0);
        if (fate.movedTo)
            moved.emplace_back(place, &*fate.movedTo);
    }
    for (size_t i = 0; i < moved.size(); ++i) {
        uint32_t now = pages.Add(encoder.Encode(*moved[i].second), JetDataPage::kDeletedRow, i == 0);
        pages.On(moved[i].first).PointRowTo(static_cast<int>(moved[i].first & 0xFF), now);
    }
    return pages.Pages();
}

// Allocates and fills the bitmap pages that map needs; returns their numbers.
std::vector<uint32_t> WriteBitmapPages(JetPageFile& file, const JetUsageMap& map)
{
    std::vector<uint32_t> pages;
    for (uint32_t range : map.BitmapRanges()) {
        pages.push_back(file.Allocate());
        map.FillBitmapPage(file.Page(pages.back()), range);
    }
    return pages;
}

// Places map rows on page 1 and, when it is full, on further data pages of no table; returns
// each row's data pointer.
class MapRowPlacer {
public:
    explicit MapRowPlacer(JetPageFile& file) : file_(file), page_(kMapPage)
    {
        JetDataPage::StartTablePage(file_.Page(page_), file_.Format(), 0);
    }
    uint32_t Place(const std::string& row)
    {
        if (!JetDataPage(file_.Page(page_), file_.Format()).Fits(row.size())) {
            page_ = file_.Allocate();
            JetDataPage::StartTablePage(file_.Page(page_), file_.Format(), 0);
        }
        return JetDataPointer(page_, JetDataPage(file_.Page(page_), file_.Format()).AddRow(row));
    }

private:
    JetPageFile& file_;
    uint32_t page_;
};

// The usage map of the whole file: every page is in use. Its own bitmap pages count too, so they
// are allocated until the map covers them.
std::string FileUsageMapRow(JetPageFile& file)
{
    std::vector<uint32_t> bitmapPages;
    for (;;) {
        std::vector<uint32_t> all(file.Count());
        for (uint32_t i = 0; i < all.size(); ++i)
            all[i] = i;
        JetUsageMap map(file.Format(), all);
        if (map.BitmapRanges().size() <= bitmapPages.size()) {
            bitmapPages.resize(map.BitmapRanges().size());
            for (size_t i = 0; i < bitmapPages.size(); ++i)
                map.FillBitmapPage(file.Page(bitmapPages[i]), map.BitmapRanges()[i]);
            return map.Row(bitmapPages);
        }
        bitmapPages.push_back(file.Allocate());
    }
}

} // namespace

std::string JetFileWriter::Bytes() const
{
    const JetFormat& format = JetFormat::For(database_.Version());
    JetPageFile file(format);
    file.Allocate(); // kHeaderPage
    file.Allocate(); // kMapPage
    JetCatalog catalog(database_);

    std::vector<WrittenTable> tables;
    tables.push_back({&catalog.Objects(), file.Allocate(), {}});
    tables.push_back({&catalog.Queries(), file.Allocate(), {}});
    for (const JetTable& table : database_.Tables())
        tables.push_back({&table, file.Allocate(), {}});
    if (tables[0].tdefPage != JetCatalog::kObjectsPage || tables[1].tdefPage != JetCatalog::kQueriesPage ||
        (tables.size() > 2 && tables[2].tdefPage != JetCatalog::kFirstUserTablePage))
        throw std::logic_error("definition pages are not where the catalog names them");

    for (WrittenTable& written : tables)
        written.dataPages = WriteRows(file, *written.table, written.tdefPage);

    // Map rows go on page 1 after the file's own map, which is placed first as row 0 but made
    // last, once every page exists. Its place is held by a row of the same size.
    MapRowPlacer placer(file);
    JetUsageMap emptyMap(format, {});
    placer.Place(std::string(emptyMap.RowSize(), '\0'));
    for (WrittenTable& written : tables) {
        JetUsageMap used(format, written.dataPages);
        written.usedMap = placer.Place(used.Row(WriteBitmapPages(file, used)));
        written.freeMap = placer.Place(emptyMap.Row({}));
    }
    file.Page(kMapPage).PutBytes(format.pageSize - static_cast<int>(emptyMap.RowSize()), FileUsageMapRow(file));

    for (const WrittenTable& written : tables)
        JetTableDefinition::Write(
            file.Page(written.tdefPage), format, *written.table, JetTableLayout(format, written.table->Columns()),
            static_cast<uint32_t>(written.table->LiveRowCount()), written.usedMap, written.freeMap);
    JetHeaderPage::Write(file.Page(kHeaderPage), format, database_.Created());
    return file.Bytes();
}

void JetFileWriter::WriteFile(const std::string& path) const
{
    std::string bytes = Bytes();
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw std::runtime_error("cannot write " + temporary);
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot rename " + temporary + " to " + path + ": " + std::strerror(error));
    }
}
