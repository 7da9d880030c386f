#include "tools/jetwriter/JetCatalog.h"

#include <vector>

namespace {

constexpr int kObjectTable = 1;
constexpr int kObjectQuery = 5;
constexpr int64_t kSystemObjectFlags = static_cast<int32_t>(0x80000002u);

JetValue OptionalText(const std::optional<std::string>& text)
{
    return text ? JetValue::Text(*text) : JetValue::Null();
}

} // namespace

JetCatalog::JetCatalog(const JetDatabase& database) : objects_("MSysObjects", true), queries_("MSysQueries", true)
{
    objects_.AddColumn("Id", JetColumnType::Long)
        .AddColumn("Name", JetColumnType::Text, 128)
        .AddColumn("Type", JetColumnType::Short)
        .AddColumn("Flags", JetColumnType::Long)
        .AddColumn("DateCreate", JetColumnType::DateTime)
        .AddColumn("DateUpdate", JetColumnType::DateTime)
        .AddColumn("LvProp", JetColumnType::Ole);
    queries_.AddColumn("Attribute", JetColumnType::Byte)
        .AddColumn("Expression", JetColumnType::Memo)
        .AddColumn("Flag", JetColumnType::Short)
        .AddColumn("LvExtra", JetColumnType::Ole)
        .AddColumn("Name1", JetColumnType::Text, 255)
        .AddColumn("Name2", JetColumnType::Text, 255)
        .AddColumn("ObjectId", JetColumnType::Long)
        .AddColumn("Order", JetColumnType::Binary, 255);

    const COleDateTime& created = database.Created();
    AddObject(objects_.Name(), kObjectsPage, kObjectTable, kSystemObjectFlags, created);
    AddObject(queries_.Name(), kQueriesPage, kObjectTable, kSystemObjectFlags, created);
    uint32_t id = kFirstUserTablePage;
    for (const JetTable& table : database.Tables())
        AddObject(table.Name(), id++, kObjectTable, 0, created);
    for (const JetQuery& query : database.Queries()) {
        uint32_t queryId = id++;
        AddObject(query.Name(), queryId, kObjectQuery, 0, created);
        for (const JetQueryRow& row : query.Rows())
            queries_.AddRow({JetValue::Integer(row.attribute), OptionalText(row.expression),
                             row.flag ? JetValue::Integer(*row.flag) : JetValue::Null(), JetValue::Null(),
                             OptionalText(row.name1), OptionalText(row.name2), JetValue::Integer(queryId),
                             JetValue::Null()});
    }
}

void JetCatalog::AddObject(const std::string& name, uint32_t id, int type, int64_t flags, const COleDateTime& created)
{
    objects_.AddRow({JetValue::Integer(id), JetValue::Text(name), JetValue::Integer(type), JetValue::Integer(flags),
                     JetValue::Date(created), JetValue::Date(created), JetValue::Null()});
}
