#include "platform/database/JetDeclaredKeys.h"

#include "platform/database/DaoConnection.h"
#include "platform/database/JetDialect.h"

#include <algorithm>
#include <map>

namespace JetDeclaredKeys {
namespace {

using Key = std::vector<std::string>;

// The keys by table name in lower case: the primary key first, then the others by the names of
// their indexes.
std::map<std::string, std::vector<Key>>& Keys()
{
    static std::map<std::string, std::vector<Key>> keys;
    return keys;
}

void Add(const std::string& table, const Key& key)
{
    std::vector<Key>& keys = Keys()[JetDialect::NameKey(table)];
    if (!key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end())
        keys.push_back(key);
}

// The primary key: the columns whose "pk" position is set, in that order (an INTEGER PRIMARY KEY
// has no index of its own to list).
Key PrimaryKey(DaoConnection& schema, const std::string& table)
{
    DaoResult columns = schema.Query("PRAGMA table_info(" + JetDialect::Quote(table) + ")");
    std::vector<std::pair<int64_t, std::string>> parts;
    for (const std::vector<DaoValue>& column : columns.rows)
        if (column[5].integer > 0)
            parts.emplace_back(column[5].integer, column[1].bytes);
    std::sort(parts.begin(), parts.end());
    Key key;
    for (const auto& part : parts)
        key.push_back(part.second);
    return key;
}

Key IndexColumns(DaoConnection& schema, const std::string& index)
{
    Key key;
    for (const std::vector<DaoValue>& column : schema.Query("PRAGMA index_info(" + JetDialect::Quote(index) + ")").rows)
        key.push_back(column[2].bytes);
    return key;
}

} // namespace

void Declare(const std::string& schema)
{
    std::shared_ptr<DaoConnection> scratch = DaoConnection::OpenMemory("schema");
    scratch->Script(schema);
    DaoResult tables = scratch->Query("SELECT name FROM sqlite_master WHERE type = 'table'");
    for (const std::vector<DaoValue>& table : tables.rows) {
        const std::string& name = table[0].bytes;
        Add(name, PrimaryKey(*scratch, name));
        DaoResult indexes = scratch->Query(
            "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? ORDER BY name", {table[0]});
        for (const std::vector<DaoValue>& index : indexes.rows)
            Add(name, IndexColumns(*scratch, index[0].bytes));
    }
}

std::vector<Key> Of(const std::string& table)
{
    auto found = Keys().find(JetDialect::NameKey(table));
    return found == Keys().end() ? std::vector<Key>() : found->second;
}

} // namespace JetDeclaredKeys
