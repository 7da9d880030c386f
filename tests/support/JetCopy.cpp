#include "tests/support/JetCopy.h"

#include "platform/core/Cp932.h"
#include "platform/database/AfxDao.h"
#include "platform/database/DaoConnection.h"
#include "platform/database/JetDialect.h"
#include "tools/jetwriter/JetFileWriter.h"

#include <cstdio>
#include <map>
#include <stdexcept>

namespace {

// The writer's column type for a column that the database layer declared.
JetColumnType JetTypeOf(const DaoColumn& column, int& size)
{
    int type = 0;
    LONG declaredSize = 0;
    if (!JetDialect::ParseDeclaredType(column.declaredType, type, declaredSize))
        throw std::runtime_error("undeclared column type " + column.declaredType);
    size = type == dbText ? declaredSize : 0;
    switch (type) {
    case dbBoolean:
        return JetColumnType::Bool;
    case dbInteger:
        return JetColumnType::Short;
    case dbLong:
        return JetColumnType::Long;
    case dbDouble:
        return JetColumnType::Double;
    case dbDate:
        return JetColumnType::DateTime;
    case dbText:
        return JetColumnType::Text;
    case dbMemo:
        return JetColumnType::Memo;
    default:
        throw std::runtime_error("no Jet column for " + column.declaredType);
    }
}

JetValue JetValueOf(const DaoValue& cell, JetColumnType type)
{
    switch (cell.kind) {
    case DaoValue::Integer:
        return type == JetColumnType::Bool ? JetValue::Bool(cell.integer != 0) : JetValue::Integer(cell.integer);
    case DaoValue::Real:
        return JetValue::Real(cell.real);
    case DaoValue::Text:
        if (type == JetColumnType::DateTime) {
            int year, month, day, hour, minute, second;
            if (std::sscanf(cell.bytes.c_str(), "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second) != 6)
                throw std::runtime_error("not a date: " + cell.bytes);
            return JetValue::Date(COleDateTime(year, month, day, hour, minute, second));
        }
        return JetValue::Text(cp932::FromUtf8(cell.bytes));
    default:
        return JetValue::Null();
    }
}

} // namespace

void AddSqliteTables(JetDatabase& database, const std::string& sqlitePath)
{
    std::shared_ptr<DaoConnection> connection = DaoConnection::OpenFile(sqlitePath.c_str(), true);
    DaoResult tables = connection->Query("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    for (const std::vector<DaoValue>& row : tables.rows) {
        const std::string& name = row[0].bytes;
        JetTable& table = database.AddTable(cp932::FromUtf8(name));
        std::vector<JetColumnType> types;
        for (const DaoColumn& column : connection->Columns(name)) {
            int size = 0;
            types.push_back(JetTypeOf(column, size));
            table.AddColumn(cp932::FromUtf8(column.name), types.back(), size);
        }
        for (const std::vector<DaoValue>& cells : connection->Query("SELECT * FROM " + JetDialect::Quote(name)).rows) {
            std::vector<JetValue> values;
            for (size_t i = 0; i < cells.size(); ++i)
                values.push_back(JetValueOf(cells[i], types[i]));
            table.AddRow(values);
        }
    }
}

void WriteJetFile(const JetDatabase& database, const std::string& path) { JetFileWriter(database).WriteFile(path); }

void EditSqliteRows(const std::string& sqlitePath, const std::vector<RowEdit>& edits)
{
    std::shared_ptr<DaoConnection> connection = DaoConnection::OpenFile(sqlitePath.c_str(), false);
    std::map<std::string, std::vector<DaoValue>> rowIds; // each table's rows as first stored
    for (const RowEdit& edit : edits) {
        std::string table = JetDialect::Quote(edit.table);
        if (!rowIds.count(edit.table))
            for (std::vector<DaoValue>& row : connection->Query("SELECT rowid FROM " + table + " ORDER BY rowid").rows)
                rowIds[edit.table].push_back(row[0]);
        const DaoValue& rowId = rowIds[edit.table].at(edit.row);
        if (edit.column.empty())
            connection->Change("DELETE FROM " + table + " WHERE rowid = ?", {rowId});
        else
            connection->Change("UPDATE " + table + " SET " + JetDialect::Quote(edit.column) + " = ? WHERE rowid = ?",
                               {DaoValue::FromText(edit.text), rowId});
    }
}

void EditJetRows(JetDatabase& database, const std::vector<RowEdit>& edits)
{
    for (const RowEdit& edit : edits) {
        JetTable& table = database.Table(cp932::FromUtf8(edit.table));
        if (edit.column.empty()) {
            table.DeleteRow(edit.row);
            continue;
        }
        const JetTable::RowFate& fate = table.Fates().at(edit.row);
        std::vector<JetValue> values = fate.movedTo ? *fate.movedTo : table.Rows()[edit.row];
        size_t column = 0;
        while (column < values.size() && table.Columns()[column].name != cp932::FromUtf8(edit.column))
            ++column;
        values.at(column) = JetValue::Text(cp932::FromUtf8(edit.text));
        table.MoveRow(edit.row, values);
    }
}
