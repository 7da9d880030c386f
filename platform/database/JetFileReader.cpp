#include "platform/database/JetFileReader.h"

#include "platform/core/COleDateTime.h"
#include "platform/database/CDaoException.h"
#include "platform/database/DaoConstants.h"
#include "platform/database/JetRowLocator.h"

#include <mdbtools.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// What libmdb converts text to, and what it takes Jet 3 text to be: CP932, never glibc's
// "SHIFT-JIS", which lacks ①, ～, ㈱ and 髙.
const char* const textCharset = "UTF-8";
const char* const jet3Charset = "CP932";

const char* const catalogTable = "MSysObjects";
const unsigned long catalogPage = 2; // where every Jet file keeps the catalog's definition
const size_t versionOffset = 0x14;   // of the version byte in the header page
const size_t jet3PageSize = 2048;
const size_t jet4PageSize = 4096;
const size_t longValueHeader = 12; // length and flags, page and row, then inline data
const uint32_t longValueInline = 0x80000000;
const uint32_t longValueOnePage = 0x40000000;
const uint32_t longValueFlags = 0xFF000000;

const double oleDateMin = -657434.0; // 1 January 100
const double oleDateEnd = 2958466.0; // 1 January 10000

// The DAO type of each kind of Jet column that the database layer has a type for.
struct KindType {
    int mdbType;
    int daoType;
};
const KindType kindTypes[] = {
    {MDB_BOOL, dbBoolean},   {MDB_BYTE, dbByte},    {MDB_INT, dbInteger},       {MDB_LONGINT, dbLong},
    {MDB_MONEY, dbCurrency}, {MDB_FLOAT, dbSingle}, {MDB_DOUBLE, dbDouble},     {MDB_DATETIME, dbDate},
    {MDB_TEXT, dbText},      {MDB_MEMO, dbMemo},    {MDB_BINARY, dbLongBinary}, {MDB_OLE, dbLongBinary},
};

[[noreturn]] void ThrowDamaged(const CString& file) { ThrowDaoError(daoErrCorrupt, file); }

// Keeps libmdb's printed lines from the user: it writes warnings to the standard error stream and
// dumps of bad rows to the standard output. While the object lives both go to a file in memory,
// and Printed tells whether anything came.
class QuietLibrary {
public:
    QuietLibrary()
    {
        std::fflush(stdout);
        std::fflush(stderr);
        m_sink = memfd_create("libmdb-output", MFD_CLOEXEC);
        if (m_sink < 0)
            m_sink = open("/dev/null", O_WRONLY | O_CLOEXEC);
        for (int stream : {STDOUT_FILENO, STDERR_FILENO}) {
            m_saved[stream] = dup(stream);
            if (m_saved[stream] >= 0 && m_sink >= 0)
                dup2(m_sink, stream);
        }
    }
    ~QuietLibrary()
    {
        std::fflush(stdout);
        std::fflush(stderr);
        for (int stream : {STDOUT_FILENO, STDERR_FILENO})
            if (m_saved[stream] >= 0) {
                dup2(m_saved[stream], stream);
                close(m_saved[stream]);
            }
        if (m_sink >= 0)
            close(m_sink);
    }
    QuietLibrary(const QuietLibrary&) = delete;
    QuietLibrary& operator=(const QuietLibrary&) = delete;

    bool Printed() const
    {
        std::fflush(stdout);
        std::fflush(stderr);
        return m_sink >= 0 && lseek(m_sink, 0, SEEK_CUR) > 0;
    }

private:
    int m_sink = -1;
    int m_saved[3] = {-1, -1, -1}; // by stream number
};

uint64_t LittleEndian(const unsigned char* bytes, int count)
{
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

double DoubleAt(const unsigned char* bytes)
{
    uint64_t bits = LittleEndian(bytes, 8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

float FloatAt(const unsigned char* bytes)
{
    uint32_t bits = static_cast<uint32_t>(LittleEndian(bytes, 4));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

DaoValue BytesValue(const unsigned char* bytes, size_t size)
{
    DaoValue value;
    value.kind = DaoValue::Blob;
    value.bytes.assign(reinterpret_cast<const char*>(bytes), size);
    return value;
}

// An OLE date as date text, or the number where it is no date (so that reading it fails).
DaoValue DateValue(double days)
{
    if (std::isfinite(days) && days >= oleDateMin && days < oleDateEnd)
        return DaoValue::FromDate(COleDateTime(days));
    return DaoValue::FromReal(days);
}

int DaoTypeOf(int mdbType)
{
    for (const KindType& kind : kindTypes)
        if (kind.mdbType == mdbType)
            return kind.daoType;
    return dbLongBinary;
}

bool IsJet3(MdbHandle* mdb) { return mdb->f->jet_version == MDB_VER_JET3; }

MdbColumn* ColumnAt(MdbTableDef* table, unsigned index)
{
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, index));
}

struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TablePointer = std::unique_ptr<MdbTableDef, TableFreer>;

// libmdb follows a table's usage map to its data pages without checking that the map is there and
// long enough for its kind: a map it cannot read is damage, found before it is followed.
bool UsageMapReadable(const MdbTableDef& table)
{
    const size_t pageRangeMapSize = 5; // kind, first page, then the bitmap
    return table.usage_map && table.map_sz >= 1 && (table.usage_map[0] != 0 || table.map_sz >= pageRangeMapSize);
}

// A catalog entry as libmdb takes it, for an object of the catalog.
MdbCatalogEntry CatalogEntry(MdbHandle* mdb, const std::string& name, int type, unsigned long page, long flags)
{
    MdbCatalogEntry entry{};
    entry.mdb = mdb;
    entry.object_type = type;
    entry.table_pg = page;
    entry.flags = flags;
    std::snprintf(entry.object_name, sizeof entry.object_name, "%s", name.c_str());
    return entry;
}

// The data pages of a table, as its usage map lists them; pages is how many the file has.
std::vector<uint32_t> DataPages(MdbTableDef* table, size_t pages, const CString& file)
{
    std::vector<uint32_t> found;
    mdb_rewind_table(table);
    while (mdb_read_next_dpg(table)) {
        if (found.size() >= pages)
            ThrowDamaged(file);
        found.push_back(static_cast<uint32_t>(table->cur_phys_pg));
    }
    return found;
}

// A page of the file as libmdb reads it, or nothing for a page beyond its end.
JetRowLocator::PageSource PagesOf(MdbHandle* mdb, size_t pages)
{
    return [mdb, pages](uint32_t page) {
        size_t size = static_cast<size_t>(mdb->fmt->pg_size);
        if (page == 0 || page >= pages || mdb_read_pg(mdb, page) != mdb->fmt->pg_size)
            return std::string();
        return std::string(reinterpret_cast<const char*>(mdb->pg_buf), size);
    };
}

// Turns the rows of a table into values.
class RowDecoder {
public:
    RowDecoder(MdbHandle* mdb, MdbTableDef* table, size_t pages, const CString& file)
        : m_mdb(mdb), m_table(table), m_pages(pages), m_file(file), m_fields(table->num_cols), m_values(table->num_cols)
    {
    }

    // The values of the row at that place. The row is split here rather than fetched through
    // libmdb, which reads the flags of the page's offset table the wrong way round and does not
    // tell NULL from empty text; here the null mask shows.
    const std::vector<DaoValue>& Decode(const JetRowLocator::Location& row)
    {
        if (mdb_read_pg(m_mdb, row.page) != m_mdb->fmt->pg_size)
            ThrowDamaged(m_file);
        for (size_t i = 0; i < m_fields.size(); ++i) {
            m_fields[i] = MdbField();
            m_fields[i].colnum = static_cast<int>(i);
            m_fields[i].is_null = 1;
        }
        if (mdb_crack_row(m_table, row.start, static_cast<size_t>(row.size), m_fields.data()) < 0)
            ThrowDamaged(m_file);
        for (const MdbField& field : m_fields) {
            if (field.colnum < 0 || static_cast<unsigned>(field.colnum) >= m_table->num_cols)
                ThrowDamaged(m_file);
            m_values[field.colnum] = Value(*ColumnAt(m_table, field.colnum), field);
        }
        return m_values;
    }

private:
    DaoValue Value(const MdbColumn& column, const MdbField& field)
    {
        if (column.col_type == MDB_BOOL)
            return DaoValue::FromInteger(field.is_null ? 0 : -1); // a Yes/No value is its null bit
        if (field.is_null)
            return DaoValue();
        if (field.start < 0 || field.siz < 0 || field.start + field.siz > m_mdb->fmt->pg_size)
            ThrowDamaged(m_file);
        const unsigned char* data = m_mdb->pg_buf + field.start;
        size_t size = static_cast<size_t>(field.siz);
        switch (column.col_type) {
        case MDB_BYTE:
            return DaoValue::FromInteger(Fixed(data, size, 1));
        case MDB_INT:
            return DaoValue::FromInteger(static_cast<int16_t>(Fixed(data, size, 2)));
        case MDB_LONGINT:
            return DaoValue::FromInteger(static_cast<int32_t>(Fixed(data, size, 4)));
        case MDB_MONEY:
            return DaoValue::FromReal(static_cast<double>(static_cast<int64_t>(Fixed(data, size, 8))) / 10000.0);
        case MDB_FLOAT:
            Fixed(data, size, 4);
            return DaoValue::FromReal(FloatAt(data));
        case MDB_DOUBLE:
            Fixed(data, size, 8);
            return DaoValue::FromReal(DoubleAt(data));
        case MDB_DATETIME:
            Fixed(data, size, 8);
            return DateValue(DoubleAt(data));
        case MDB_TEXT:
            return DaoValue::FromText(Text(data, size));
        case MDB_MEMO: {
            std::string stored = LongValue(data, size);
            return DaoValue::FromText(Text(reinterpret_cast<const unsigned char*>(stored.data()), stored.size()));
        }
        case MDB_OLE: {
            std::string stored = LongValue(data, size);
            return BytesValue(reinterpret_cast<const unsigned char*>(stored.data()), stored.size());
        }
        default:
            return BytesValue(data, size);
        }
    }

    // The little-endian number of a fixed column of `needed` bytes.
    uint64_t Fixed(const unsigned char* data, size_t size, int needed)
    {
        if (size < static_cast<size_t>(needed))
            ThrowDamaged(m_file);
        return LittleEndian(data, needed);
    }

    // Stored text as UTF-8; libmdb undoes Jet 4's compression and converts. Every stored byte
    // gives at most three bytes, so the conversion never runs out of room.
    std::string Text(const unsigned char* data, size_t size)
    {
        std::string text(3 * size + 16, '\0');
        int length = mdb_unicode2ascii(m_mdb, reinterpret_cast<const char*>(data), size, &text[0], text.size());
        text.resize(length > 0 ? static_cast<size_t>(length) : 0);
        return text;
    }

    // The stored bytes of a memo or OLE value: inline in the row, or in rows of long-value pages,
    // one or a chain of them. A chain longer than the file has pages is damage, not a value.
    std::string LongValue(const unsigned char* data, size_t size)
    {
        if (size < longValueHeader)
            return std::string();
        uint32_t header = static_cast<uint32_t>(LittleEndian(data, 4));
        int pageRow = static_cast<int>(LittleEndian(data + 4, 4));
        if (header & longValueInline)
            return std::string(reinterpret_cast<const char*>(data) + longValueHeader, size - longValueHeader);
        if (header & longValueOnePage)
            return PageRow(pageRow);
        if (header & longValueFlags)
            ThrowDamaged(m_file);
        size_t length = header & ~longValueFlags;
        std::string value;
        for (size_t links = 0; pageRow != 0; ++links) {
            std::string link = PageRow(pageRow);
            if (links >= m_pages || link.size() < 4)
                ThrowDamaged(m_file);
            pageRow = static_cast<int>(LittleEndian(reinterpret_cast<const unsigned char*>(link.data()), 4));
            value.append(link, 4, std::string::npos);
        }
        if (value.size() != length)
            ThrowDamaged(m_file);
        return value;
    }

    std::string PageRow(int pageRow)
    {
        void* page = nullptr;
        int start = 0;
        size_t length = 0;
        if (mdb_find_pg_row(m_mdb, pageRow, &page, &start, &length) != 0 || start < 0 ||
            static_cast<size_t>(start) + length > static_cast<size_t>(m_mdb->fmt->pg_size))
            ThrowDamaged(m_file);
        return std::string(static_cast<const char*>(page) + start, length);
    }

    MdbHandle* m_mdb;
    MdbTableDef* m_table;
    size_t m_pages;
    const CString& m_file;
    std::vector<MdbField> m_fields;
    std::vector<DaoValue> m_values;
};

// Reads the table of a catalog entry: columns gets its columns, then row every live row in table
// order. Throws 3049 when the table cannot be read whole or holds other than the rows its
// definition counts.
void ReadRows(MdbHandle* mdb, size_t fileSize, MdbCatalogEntry& entry, const JetFileReader::ColumnsCallback& columns,
              const JetFileReader::RowCallback& row, const CString& file)
{
    QuietLibrary quiet;
    TablePointer table(mdb_read_table(&entry));
    if (!table || !UsageMapReadable(*table) || !mdb_read_columns(table.get()) ||
        table->columns->len != table->num_cols || quiet.Printed())
        ThrowDamaged(file);
    std::vector<JetFileReader::Column> described;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const MdbColumn& column = *ColumnAt(table.get(), i);
        LONG size = column.col_type == MDB_TEXT ? column.col_size / (IsJet3(mdb) ? 1 : 2) : 0;
        described.push_back({column.name, DaoTypeOf(column.col_type), size});
    }
    columns(described);

    // Every live row counts in the definition, no more and no less: a table that reads short or
    // long is damaged, even where libmdb passes over what it cannot read without a word.
    size_t pages = fileSize / mdb->fmt->pg_size;
    JetRowLocator locator(mdb->fmt->pg_size, mdb->fmt->row_count_offset, static_cast<uint32_t>(entry.table_pg),
                          PagesOf(mdb, pages), file);
    std::vector<JetRowLocator::Location> rows = locator.Rows(DataPages(table.get(), pages, file));
    if (quiet.Printed() || rows.size() != table->num_rows)
        ThrowDamaged(file);
    RowDecoder decoder(mdb, table.get(), pages, file);
    for (const JetRowLocator::Location& location : rows)
        row(decoder.Decode(location));
    if (quiet.Printed())
        ThrowDamaged(file);
}

// The objects that the catalog lists, read through the catalog's own entry.
std::deque<MdbCatalogEntry> ReadCatalog(MdbHandle* mdb, size_t fileSize, MdbCatalogEntry& catalog, const CString& file)
{
    std::deque<MdbCatalogEntry> entries;
    const char* const wanted[] = {"Id", "Name", "Type", "Flags"};
    size_t at[4] = {};
    ReadRows(
        mdb, fileSize, catalog,
        [&](const std::vector<JetFileReader::Column>& columns) {
            for (size_t i = 0; i < 4; ++i) {
                at[i] = 0;
                while (at[i] < columns.size() && columns[at[i]].name != wanted[i])
                    ++at[i];
                if (at[i] == columns.size())
                    ThrowDamaged(file);
            }
        },
        [&](const std::vector<DaoValue>& row) {
            const int typeMask = 0x7F;
            const int64_t pageMask = 0x00FFFFFF; // the Id of a table is the page of its definition
            entries.push_back(CatalogEntry(mdb, row[at[1]].bytes, static_cast<int>(row[at[2]].integer) & typeMask,
                                           static_cast<unsigned long>(row[at[0]].integer & pageMask),
                                           static_cast<long>(row[at[3]].integer)));
        },
        file);
    return entries;
}

} // namespace

struct JetFileReader::Library {
    std::string bytes; // what libmdb reads, through a memory stream
    MdbHandle* mdb = nullptr;
    std::deque<MdbCatalogEntry> catalog; // the objects that the catalog lists

    ~Library()
    {
        if (mdb) {
            QuietLibrary quiet;
            mdb_close(mdb);
        }
    }
};

JetFileReader::JetFileReader(std::string bytes, const CString& file) : m_library(std::make_unique<Library>())
{
    // libmdb takes a header page that the file ends in as if it were whole.
    bool jet3 = bytes.size() > versionOffset && bytes[versionOffset] == MDB_VER_JET3;
    if (bytes.size() < (jet3 ? jet3PageSize : jet4PageSize))
        ThrowDaoError(daoErrUnrecognizedFormat, file);
    m_library->bytes = std::move(bytes);
    setenv("MDBICONV", textCharset, 1);
    setenv("MDB_JET3_CHARSET", jet3Charset, 1);
    QuietLibrary quiet;
    m_library->mdb = mdb_open_buffer(&m_library->bytes[0], m_library->bytes.size(), MDB_NOFLAGS);
    MdbHandle* mdb = m_library->mdb;
    if (!mdb || (mdb->f->jet_version != MDB_VER_JET3 && mdb->f->jet_version != MDB_VER_JET4))
        ThrowDaoError(daoErrUnrecognizedFormat, file);
    // The catalog names itself. Its rows are read as any table's, since libmdb's own reading of the
    // catalog takes deleted rows for live ones and passes over moved ones.
    MdbCatalogEntry catalog = CatalogEntry(mdb, catalogTable, MDB_TABLE, catalogPage, 0);
    m_library->catalog = ReadCatalog(mdb, m_library->bytes.size(), catalog, file);
    bool catalogListed = false;
    for (MdbCatalogEntry& entry : m_library->catalog) {
        std::string name = entry.object_name;
        catalogListed = catalogListed || (entry.object_type == MDB_TABLE && name == catalogTable);
        if (name.empty())
            continue;
        if (entry.object_type == MDB_TABLE && mdb_is_user_table(&entry))
            m_tables.push_back(name);
        else if (entry.object_type == MDB_QUERY)
            m_queries.push_back({name, static_cast<int64_t>(entry.table_pg)});
    }
    if (!catalogListed)
        ThrowDamaged(file);
}

JetFileReader::~JetFileReader() = default;

bool JetFileReader::ReadTable(const std::string& name, const ColumnsCallback& columns, const RowCallback& row,
                              const CString& file)
{
    MdbCatalogEntry* entry = nullptr;
    for (MdbCatalogEntry& candidate : m_library->catalog)
        if (!entry && candidate.object_type == MDB_TABLE && name == candidate.object_name)
            entry = &candidate;
    if (!entry)
        return false;
    ReadRows(m_library->mdb, m_library->bytes.size(), *entry, columns, row, file);
    return true;
}
