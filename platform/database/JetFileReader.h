// Reads the catalog and the tables of an Access file (Jet 3 or Jet 4) through mdbtools' libmdb,
// from the file's bytes held in memory, so that the file itself is read once and never written.
// Values come out as the database layer stores them: text as UTF-8 (Jet 3 text decoded as CP932),
// Yes/No as -1 and 0, dates as date text, NULL apart from empty text. libmdb's printed lines never
// reach the user: whatever it prints or fails at becomes a CDaoException naming the file.
#pragma once

#include "platform/core/CString.h"
#include "platform/database/DaoValue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class JetFileReader {
public:
    struct Column {
        std::string name; // UTF-8
        int daoType;      // dbLongBinary, with the stored bytes, for kinds the database layer has no type for
        LONG size;        // characters of a text column
    };
    struct Query {
        std::string name; // UTF-8
        int64_t id;       // its ObjectId in MSysQueries
    };
    using ColumnsCallback = std::function<void(const std::vector<Column>&)>;
    using RowCallback = std::function<void(const std::vector<DaoValue>&)>;

    // Opens the bytes of a file; file is the Windows path that errors name. Throws 3343 when
    // libmdb refuses the header or the file is no Jet 3 or Jet 4 file, 3049 when its catalog
    // cannot be read.
    JetFileReader(std::string bytes, const CString& file);
    ~JetFileReader();
    JetFileReader(const JetFileReader&) = delete;
    JetFileReader& operator=(const JetFileReader&) = delete;

    // The user tables and the saved queries, as the file spells their names.
    const std::vector<std::string>& Tables() const { return m_tables; }
    const std::vector<Query>& Queries() const { return m_queries; }

    // Reads the table of exactly that name (a user table or a catalog table such as MSysQueries):
    // columns gets its columns, then row every live row in table order: a row that an update moved
    // to another page in its place, a deleted row not at all. False when the file has no such
    // table. Throws 3049 when the table cannot be read whole or yields more or fewer rows than its
    // definition counts.
    bool ReadTable(const std::string& name, const ColumnsCallback& columns, const RowCallback& row,
                   const CString& file);

private:
    struct Library;

    std::unique_ptr<Library> m_library;
    std::vector<std::string> m_tables;
    std::vector<Query> m_queries;
};
