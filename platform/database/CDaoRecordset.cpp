#include "platform/database/CDaoRecordset.h"

#include "platform/core/Cp932.h"
#include "platform/database/DaoConnection.h"
#include "platform/database/JetDialect.h"

IMPLEMENT_DYNAMIC(CDaoRecordset, CObject)

struct CDaoRecordset::State {
    struct Row {
        int64_t rowId = 0;
        std::string cells; // packed (DaoValue::Pack)
        bool deleted = false;
        DaoConnection::Version version; // of the database when the row was read
    };
    enum Mode { idle, editing, adding };

    std::shared_ptr<DaoConnection> connection;
    std::string select;               // what is opened, before the filter and sort
    std::string table;                // the one table that the rows are keyed in; empty for none
    bool readOnly = true;
    std::vector<std::string> columns; // without the row id
    std::vector<std::string> boundNames;
    std::vector<size_t> bound; // the column of each bound field
    std::vector<Row> rows; // the rows read so far
    // The query's rows not read yet, while there are any.
    std::unique_ptr<DaoConnection::Cursor> unread;
    std::vector<DaoValue> read; // the last row read from the query, as it came
    std::vector<DaoValue> currentCells; // the current row's cells, unpacked for the field exchange
    size_t current = 0;
    bool bof = true;
    bool eof = true;
    Mode mode = idle;
    DaoConnection::Version walk; // of the database when the rows were last walked from the first
    std::vector<DaoValue> cache; // the bound members as Edit found them

    // Reads the next row of a query opened for this state onto into; false when none is left.
    bool ReadRow(DaoConnection::Cursor& query, std::vector<Row>& into)
    {
        if (!query.Next(read))
            return false;
        Row row;
        row.version = walk;
        bool keyed = !table.empty(); // the row id leads a keyed select
        row.rowId = keyed ? read[0].integer : 0;
        row.cells = DaoValue::Pack(read, keyed ? 1 : 0);
        into.push_back(std::move(row));
        return true;
    }
};

namespace {

std::string Quote(const std::string& name) { return JetDialect::Quote(name); }

} // namespace

CDaoRecordset::CDaoRecordset(CDaoDatabase* database) : m_pDatabase(database) {}

CDaoRecordset::~CDaoRecordset() { Release(); }

void CDaoRecordset::Open(int openType, LPCTSTR sql, int options)
{
    Release();
    int type = openType == AFX_DAO_USE_DEFAULT_TYPE ? m_nDefaultType : openType;
    if (type != dbOpenTable && type != dbOpenDynaset && type != dbOpenSnapshot && type != dbOpenForwardOnly)
        ThrowDaoError(daoErrInvalidArgument);
    try {
        OpenDatabase();
        auto state = std::make_unique<State>();
        state->connection = m_pDatabase->Connection();
        CString source = sql ? CString(sql) : GetDefaultSQL();
        state->select = JetDialect::Select(source);
        if (type == dbOpenTable && JetDialect::BareName(source).empty())
            ThrowDaoError(daoErrInvalidOperation);
        std::string table, withRowId;
        // Rows are keyed to be read again as the recordset moves, and to be changed, where either can be.
        bool keyed = (type == dbOpenTable || type == dbOpenDynaset) && state->connection->SeesOtherChanges() &&
                     JetDialect::WithRowId(state->select, table, withRowId);
        if (keyed)
            table = state->connection->TableName(table);
        if (keyed && !table.empty()) {
            state->select = withRowId;
            state->table = table;
            state->readOnly = (options & dbReadOnly) || state->connection->IsReadOnly();
        }
        CDaoFieldExchange binder(CDaoFieldExchange::bindNames);
        DoFieldExchange(&binder);
        state->boundNames = binder.m_names;
        m_state = std::move(state);
        Query();
    } catch (...) {
        Release();
        throw;
    }
}

void CDaoRecordset::OpenDatabase()
{
    if (!m_pDatabase) {
        m_pDatabase = new CDaoDatabase;
        m_ownsDatabase = true;
    }
    if (!m_pDatabase->IsOpen())
        m_pDatabase->Open(GetDefaultDBName());
}

void CDaoRecordset::Close() { Release(); }

// Not virtual: a derived Close that also releases a database of its own must not run when this
// class opens or is destroyed.
void CDaoRecordset::Release()
{
    if (m_state)
        EndPending();
    m_state.reset();
    if (m_ownsDatabase) {
        delete m_pDatabase;
        m_pDatabase = nullptr;
        m_ownsDatabase = false;
    }
}

BOOL CDaoRecordset::IsOpen() const { return m_state != nullptr; }

CString CDaoRecordset::GetDefaultDBName() { return CString(); }

CString CDaoRecordset::GetDefaultSQL() { return CString(); }

void CDaoRecordset::DoFieldExchange(CDaoFieldExchange*) {}

BOOL CDaoRecordset::IsBOF() const { return !m_state || m_state->bof; }

BOOL CDaoRecordset::IsEOF() const { return !m_state || m_state->eof; }

BOOL CDaoRecordset::CanUpdate() const { return m_state && !m_state->readOnly; }

CDaoRecordset::State& CDaoRecordset::Opened() const
{
    if (!m_state)
        ThrowDaoError(daoErrObjectInvalid);
    return *m_state;
}

// Runs the query; on failure the recordset stays as it was.
void CDaoRecordset::Query()
{
    State& s = *m_state;
    s.walk = s.connection->CurrentVersion();
    std::unique_ptr<DaoConnection::Cursor> query =
        s.connection->OpenCursor(JetDialect::Filtered(s.select, m_strFilter, m_strSort));
    // Where other connections may change the rows, they are all read now, so that the query holds
    // the file no longer (and rows added through the recordset come after them); elsewhere each
    // row is read when the recordset first moves onto it.
    std::vector<State::Row> rows;
    bool more = s.ReadRow(*query, rows);
    while (more && s.connection->SeesOtherChanges())
        more = s.ReadRow(*query, rows);
    size_t first = s.table.empty() ? 0 : 1;
    std::vector<std::string> columns(query->Columns().begin() + std::min(first, query->Columns().size()),
                                     query->Columns().end());
    std::vector<size_t> bound;
    for (const std::string& name : s.boundNames) {
        size_t column = 0;
        while (column < columns.size() && !JetDialect::SameName(columns[column], name))
            ++column;
        if (column == columns.size())
            ThrowDaoError(daoErrItemNotFound, CString(cp932::FromUtf8(name)));
        bound.push_back(column);
    }
    s.columns = std::move(columns);
    s.bound = std::move(bound);
    s.rows = std::move(rows);
    s.unread = more ? std::move(query) : nullptr;
    EndPending();
    s.bof = s.eof = s.rows.empty();
    if (!s.rows.empty())
        MoveTo(0);
}

// Whether the query has a row at index, reading its rows up to that one where they are not read yet.
bool CDaoRecordset::Fetch(size_t index)
{
    State& s = *m_state;
    while (index >= s.rows.size() && s.unread)
        if (!s.ReadRow(*s.unread, s.rows))
            s.unread.reset();
    return index < s.rows.size();
}

// Reads a keyed row again from its table, when the database may have changed since the row was
// read (as far as the walk knows); false when it is no longer there.
bool CDaoRecordset::Refresh(size_t index)
{
    State& s = *m_state;
    State::Row& row = s.rows[index];
    if (s.table.empty() || row.deleted)
        return !row.deleted;
    // Within a walk the file is looked at again only after a change in this process: another
    // process's change shows from the next walk on.
    if (s.walk.changes != DaoConnection::ChangesInProcess())
        s.walk = s.connection->CurrentVersion();
    if (s.walk == row.version)
        return true;
    row.version = s.walk;
    DaoResult fresh = s.connection->Query("SELECT * FROM " + Quote(s.table) + " WHERE rowid = ?",
                                          {DaoValue::FromInteger(row.rowId)});
    if (fresh.rows.empty()) {
        row.deleted = true;
        return false;
    }
    if (fresh.columns.size() == s.columns.size())
        row.cells = DaoValue::Pack(fresh.rows[0]);
    return true;
}

// Moves to the first row from index on that still exists, or to the end.
void CDaoRecordset::MoveTo(size_t index)
{
    State& s = *m_state;
    EndPending();
    while (Fetch(index) && !Refresh(index))
        ++index;
    s.current = index;
    s.eof = index >= s.rows.size();
    if (!s.eof) {
        s.bof = false;
        LoadCurrent();
    }
}

void CDaoRecordset::LoadCurrent()
{
    State& s = *m_state;
    CDaoFieldExchange loader(CDaoFieldExchange::loadFields);
    DaoValue::Unpack(s.rows[s.current].cells, s.currentCells);
    loader.m_row = &s.currentCells;
    loader.m_columns = &s.bound;
    DoFieldExchange(&loader);
}

std::vector<DaoValue> CDaoRecordset::StoreMembers(std::vector<bool>* assigned)
{
    CDaoFieldExchange storer(CDaoFieldExchange::storeFields);
    DoFieldExchange(&storer);
    if (assigned)
        *assigned = std::move(storer.m_assigned);
    return std::move(storer.m_values);
}

void CDaoRecordset::EndPending()
{
    if (m_state->mode == State::adding) {
        CDaoFieldExchange clearer(CDaoFieldExchange::clearMarks);
        DoFieldExchange(&clearer);
    }
    m_state->mode = State::idle;
}

void CDaoRecordset::MoveFirst()
{
    State& s = Opened();
    s.walk = s.connection->CurrentVersion();
    MoveTo(0);
    if (s.eof)
        ThrowDaoError(daoErrNoCurrentRecord);
}

void CDaoRecordset::MoveNext()
{
    State& s = Opened();
    if (s.eof)
        ThrowDaoError(daoErrNoCurrentRecord);
    MoveTo(s.current + 1);
}

void CDaoRecordset::Requery()
{
    Opened();
    Query();
}

void CDaoRecordset::RequireCurrentRow() const
{
    const State& s = Opened();
    if (s.eof || s.current >= s.rows.size())
        ThrowDaoError(daoErrNoCurrentRecord);
    if (s.rows[s.current].deleted)
        ThrowDaoError(daoErrRecordDeleted);
}

void CDaoRecordset::RequireUpdatable() const
{
    if (Opened().readOnly)
        ThrowDaoError(daoErrReadOnly);
}

void CDaoRecordset::Edit()
{
    State& s = Opened();
    RequireUpdatable();
    RequireCurrentRow();
    if (s.mode == State::adding)
        LoadCurrent();
    s.cache = StoreMembers(); // what Update compares the members with, as DAO marks them for editing
    s.mode = State::editing;
}

void CDaoRecordset::AddNew()
{
    State& s = Opened();
    RequireUpdatable();
    CDaoFieldExchange marker(CDaoFieldExchange::markFields);
    DoFieldExchange(&marker);
    s.mode = State::adding;
}

void CDaoRecordset::Update()
{
    State& s = Opened();
    if (s.mode == State::idle)
        ThrowDaoError(daoErrUpdateWithoutEdit);
    std::vector<bool> assigned;
    std::vector<DaoValue> values = StoreMembers(&assigned);
    if (s.mode == State::editing)
        UpdateEdited(values);
    else
        UpdateAdded(values, assigned);
    EndPending();
}

void CDaoRecordset::UpdateEdited(const std::vector<DaoValue>& values)
{
    State& s = *m_state;
    RequireCurrentRow();
    State::Row& row = s.rows[s.current];
    std::string assignments;
    std::vector<DaoValue> parameters;
    for (size_t i = 0; i < values.size(); ++i)
        if (values[i] != s.cache[i]) {
            assignments += (assignments.empty() ? "" : ", ") + Quote(s.columns[s.bound[i]]) + " = ?";
            parameters.push_back(values[i]);
        }
    if (!parameters.empty()) {
        parameters.push_back(DaoValue::FromInteger(row.rowId));
        if (s.connection->Change("UPDATE " + Quote(s.table) + " SET " + assignments + " WHERE rowid = ?",
                                 parameters) == 0)
            ThrowDaoError(daoErrRecordDeleted);
        std::vector<DaoValue> cells;
        DaoValue::Unpack(row.cells, cells);
        for (size_t i = 0; i < values.size(); ++i)
            cells[s.bound[i]] = values[i];
        row.cells = DaoValue::Pack(cells);
    }
    s.cache = values;
}

void CDaoRecordset::UpdateAdded(const std::vector<DaoValue>& values, const std::vector<bool>& assigned)
{
    State& s = *m_state;
    std::string names, marks;
    std::vector<DaoValue> parameters;
    for (size_t i = 0; i < values.size(); ++i)
        if (assigned[i]) {
            names += (names.empty() ? "" : ", ") + Quote(s.columns[s.bound[i]]);
            marks += marks.empty() ? "?" : ", ?";
            parameters.push_back(values[i]);
        }
    std::string insert = "INSERT INTO " + Quote(s.table);
    insert += names.empty() ? " DEFAULT VALUES" : " (" + names + ") VALUES (" + marks + ")";
    s.connection->Change(insert, parameters);
    State::Row row;
    row.rowId = s.connection->LastInsertRowId();
    row.cells = DaoValue::Pack(std::vector<DaoValue>(s.columns.size()));
    s.rows.push_back(row);
    Refresh(s.rows.size() - 1);
    if (!s.eof && !s.rows[s.current].deleted)
        LoadCurrent(); // back on the row that was current before AddNew
}

void CDaoRecordset::Delete()
{
    State& s = Opened();
    RequireUpdatable();
    RequireCurrentRow();
    EndPending();
    if (s.connection->Change("DELETE FROM " + Quote(s.table) + " WHERE rowid = ?",
                             {DaoValue::FromInteger(s.rows[s.current].rowId)}) == 0)
        ThrowDaoError(daoErrRecordDeleted);
    s.rows[s.current].deleted = true;
}
