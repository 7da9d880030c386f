#include "tools/jetwriter/JetSqliteCopy.h"

#include "platform/core/Cp932.h"
#include "platform/database/AfxDao.h"
#include "platform/database/DaoConnection.h"
#include "platform/database/JetDialect.h"
#include "tools/jetwriter/JetFileWriter.h"

#include <cstdio>
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
