// A database file (SQLite or Access) opened through CDaoDatabase, and every table and saved query
// walked through a recordset.
//
// The input is the file. A file that cannot be opened, or a table that cannot be read, ends with a
// CDaoException (any other exception is a finding). Each recordset binds every column by its
// declared type and is walked from its first row to its end, twice (the second time after a
// Requery): both walks must give the same values, as many rows as the engine reads from the same
// statement (not its count(*), which may read an index that disagrees with a damaged table). The file
// must be byte for byte the same afterwards: reading never changes a database. In an Access file,
// the rows found on each table's data pages never share a byte: no row is read twice.
#include "platform/core/Cp932.h"
#include "platform/core/CString.h"
#include "platform/database/CDaoDatabase.h"
#include "platform/database/CDaoRecordset.h"
#include "platform/database/DaoConnection.h"
#include "platform/database/JetDialect.h"
#include "platform/database/JetFileReader.h"
#include "platform/database/JetRowLocator.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string g_folder; // the folder of this process's database file
time_t g_version = 1; // the file's modification time, new for each input

// A recordset over one table or query with every column bound by its declared type; Walk reads
// every row and gives the values as text, one line per row.
class EveryColumn : public CDaoRecordset {
public:
    EveryColumn(CDaoDatabase* database, const std::vector<DaoColumn>& columns) : CDaoRecordset(database)
    {
        for (const DaoColumn& column : columns) {
            int type = dbText;
            LONG size = 0;
            JetDialect::ParseDeclaredType(column.declaredType, type, size);
            if (type == dbLongBinary)
                continue;
            m_fields.emplace_back();
            m_fields.back().name = "[" + cp932::FromUtf8(column.name) + "]";
            m_fields.back().type = type;
        }
        m_nFields = static_cast<int>(m_fields.size());
    }

    void DoFieldExchange(CDaoFieldExchange* pFX) override
    {
        pFX->SetFieldType(CDaoFieldExchange::outputColumn);
        for (Field& field : m_fields) {
            const char* name = field.name.c_str();
            if (field.type == dbLong || field.type == dbInteger || field.type == dbByte)
                DFX_Long(pFX, name, field.number);
            else if (field.type == dbBoolean)
                DFX_Bool(pFX, name, field.flag);
            else if (field.type == dbDate)
                DFX_DateTime(pFX, name, field.date);
            else
                DFX_Text(pFX, name, field.text);
        }
    }

    std::string Walk(size_t& rows)
    {
        std::string values;
        for (rows = 0; !IsEOF(); MoveNext(), ++rows) {
            for (const Field& field : m_fields)
                values += std::to_string(field.number) + "|" + std::to_string(field.flag) + "|" +
                          std::to_string(field.date.m_dt) + "|" + field.text.Bytes() + "\t";
            values += "\n";
        }
        return values;
    }

private:
    struct Field {
        std::string name; // in brackets, CP932
        int type = dbText;
        LONG number = 0;
        BOOL flag = FALSE;
        COleDateTime date;
        CString text;
    };
    std::deque<Field> m_fields; // stays where DoFieldExchange bound it
};

// The tables and saved queries of the open database, as the engine or the Access file names them.
std::vector<std::string> NamesOf(CDaoDatabase& database, const std::string& bytes)
{
    std::vector<std::string> names;
    if (database.Connection()->SeesOtherChanges()) {
        DaoResult rows = database.Connection()->Query(
            "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') ORDER BY rowid");
        for (const std::vector<DaoValue>& row : rows.rows)
            names.push_back(row[0].bytes);
        return names;
    }
    JetFileReader file(bytes, database.GetName());
    names = file.Tables();
    for (const JetFileReader::Query& query : file.Queries())
        names.push_back(query.name);
    return names;
}

// Walks the table or query twice; a database error ends the walk of that one.
void WalkTwice(CDaoDatabase& database, const std::string& name)
{
    try {
        std::shared_ptr<DaoConnection> engine = database.Connection();
        size_t engineRows = engine->Query("SELECT * FROM " + JetDialect::Quote(name)).rows.size();
        EveryColumn recordset(&database, engine->Columns(name));
        recordset.Open(dbOpenDynaset, CString(("SELECT * FROM [" + cp932::FromUtf8(name) + "]").c_str()), dbReadOnly);
        size_t rows = 0, again = 0;
        std::string first = recordset.Walk(rows);
        recordset.Requery();
        fuzzcheck::Require(recordset.Walk(again) == first, "a second walk reads the same values");
        fuzzcheck::Require(rows == again && rows == engineRows, "a walk reads as many rows as the engine reads");
    } catch (CDaoException* e) {
        e->Delete();
    }
}

// Locates the rows of each table of an Access file, the table's data pages being every page of
// rows that names its definition, in file order; where the locator finds them, no two share a byte.
void CheckNoRowReadTwice(const std::string& bytes)
{
    const std::string magic = "Standard Jet DB";
    const size_t versionOffset = 0x14; // 0 for Jet 3, 1 for Jet 4
    if (bytes.size() <= versionOffset || bytes.compare(4, magic.size(), magic) != 0 ||
        static_cast<unsigned char>(bytes[versionOffset]) > 1)
        return;
    bool jet3 = bytes[versionOffset] == 0;
    const size_t pageSize = jet3 ? 2048 : 4096;
    const int rowCountOffset = jet3 ? 8 : 12;
    const size_t count = bytes.size() / pageSize;
    auto word = [&](size_t at) {
        uint32_t value = 0;
        for (size_t i = 4; i-- > 0;)
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    std::map<uint32_t, std::vector<uint32_t>> tables; // data pages by the page of their definition
    for (uint32_t page = 1; page < count; ++page)
        if (bytes[page * pageSize] == 0x01)
            tables[word(page * pageSize + 4)].push_back(page);
    auto source = [&](uint32_t page) {
        return page > 0 && page < count ? bytes.substr(page * pageSize, pageSize) : std::string();
    };
    const CString file = "C:\\fuzz.mdb";
    for (const auto& [definition, pages] : tables) {
        std::vector<JetRowLocator::Location> rows;
        try {
            rows = JetRowLocator(static_cast<int>(pageSize), rowCountOffset, definition, source, file).Rows(pages);
        } catch (CDaoException* e) {
            e->Delete();
            continue;
        }
        std::sort(rows.begin(), rows.end(),
                  [](const auto& a, const auto& b) { return a.page != b.page ? a.page < b.page : a.start < b.start; });
        for (size_t i = 1; i < rows.size(); ++i)
            fuzzcheck::Require(rows[i].page != rows[i - 1].page ||
                                   rows[i - 1].start + rows[i - 1].size <= rows[i].start,
                               "no two rows share a byte");
    }
}

// Writes the input as the database file, alone in its folder (no journal of an input before
// lies beside it) and with a modification time of its own (nothing takes it for an input before).
std::string WriteDatabase(const std::string& bytes)
{
    for (const auto& entry : std::filesystem::directory_iterator(g_folder))
        std::filesystem::remove_all(entry.path());
    std::string path = g_folder + "/fuzz.mdb";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    timespec times[2] = {{g_version, 0}, {g_version, 0}};
    ++g_version;
    fuzzcheck::Require(utimensat(AT_FDCWD, path.c_str(), times, 0) == 0, "the file's time is set");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_folder = fuzzcheck::MakeScratchFolder("database");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string bytes = fuzzcheck::Bytes(data, size);
    std::string path = WriteDatabase(bytes);
    {
        CDaoDatabase database;
        try {
            database.Open(CString(LinuxPathToWin(path).c_str()));
            for (const std::string& name : NamesOf(database, bytes))
                WalkTwice(database, name);
        } catch (CDaoException* e) {
            e->Delete();
        }
    }
    CheckNoRowReadTwice(bytes);
    std::string after;
    fuzzcheck::Require(ReadWholeFile(path, after) && after == bytes, "reading leaves the file unchanged");
    return 0;
}
