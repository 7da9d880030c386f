#include "platform/database/JetSavedQuery.h"

#include "platform/database/JetDialect.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

// The Attribute of each kind of query row.
enum Attribute {
    attributeBegin = 0,
    attributeType = 1,
    attributeParameter = 2,
    attributeOptions = 3,
    attributeTable = 5,
    attributeColumn = 6,
    attributeJoin = 7,
    attributeWhere = 8,
    attributeGroupBy = 9,
    attributeHaving = 10,
    attributeOrderBy = 11,
    attributeEnd = 255
};

const int selectQuery = 1; // Flag of the type row

// Flag bits of the options row.
enum Option { allFields = 0x1, distinct = 0x2, ownerAccess = 0x4, distinctRow = 0x8, top = 0x10, percent = 0x20 };

// Flag of a join row and the join it stands for.
struct JoinKind {
    int flag;
    const char* sql;
};
const JoinKind joinKinds[] = {{1, "INNER JOIN"}, {2, "LEFT JOIN"}, {3, "RIGHT JOIN"}};

// A table of the FROM clause, or tables already joined, with the names that refer to them.
struct FromItem {
    std::string sql;
    std::vector<std::string> names;
    bool joined = false;
};

struct Parts {
    bool select = false;
    int options = 0;
    std::string top;
    std::vector<std::string> columns;
    std::vector<FromItem> from;
    size_t tables = 0;
    std::string where;
    std::vector<std::string> groupBy;
    std::string having;
    std::vector<std::string> orderBy;
};

std::string Bracketed(const std::string& name) { return "[" + name + "]"; }

std::string Joined(const std::vector<std::string>& items, const char* separator)
{
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : separator) + item;
    return out;
}

bool AllDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(c & 0xFF); });
}

std::string UnknownAttribute(int attribute)
{
    char text[64];
    std::snprintf(text, sizeof text, "扱えない要素があります (Attribute %d)", attribute);
    return text;
}

// The FROM item that name refers to, or from.size().
size_t ItemNamed(const std::vector<FromItem>& from, const std::string& name)
{
    for (size_t i = 0; i < from.size(); ++i)
        for (const std::string& known : from[i].names)
            if (JetDialect::SameName(known, name))
                return i;
    return from.size();
}

// Joins the items that the row's two names refer to, the left one taking the right one in.
bool Join(Parts& parts, const JetSavedQueryRow& row, std::string& reason)
{
    const JoinKind* kind = nullptr;
    for (const JoinKind& candidate : joinKinds)
        if (row.flag && *row.flag == candidate.flag)
            kind = &candidate;
    size_t left = ItemNamed(parts.from, row.name1);
    size_t right = ItemNamed(parts.from, row.name2);
    if (!kind || row.expression.empty() || left == parts.from.size() || right == parts.from.size() || left == right) {
        reason = "結合を組み立てられません";
        return false;
    }
    FromItem& into = parts.from[left];
    const FromItem& other = parts.from[right];
    into.sql += std::string(" ") + kind->sql + " " + (other.joined ? "(" + other.sql + ")" : other.sql) + " ON " +
                row.expression;
    into.names.insert(into.names.end(), other.names.begin(), other.names.end());
    into.joined = true;
    parts.from.erase(parts.from.begin() + static_cast<long>(right));
    return true;
}

// Takes one row into parts; false with reason for a row that cannot be rebuilt.
bool Take(Parts& parts, const JetSavedQueryRow& row, std::string& reason)
{
    switch (row.attribute) {
    case attributeBegin:
    case attributeEnd:
        return true;
    case attributeType:
        parts.select = row.flag && *row.flag == selectQuery;
        if (!parts.select)
            reason = "選択クエリではありません";
        return parts.select;
    case attributeParameter:
        reason = "パラメータ クエリです";
        return false;
    case attributeOptions:
        parts.options = row.flag.value_or(0);
        parts.top = row.name1;
        return true;
    case attributeTable:
        if (row.name1.empty() || !row.expression.empty()) {
            reason = "FROM 句を組み立てられません";
            return false;
        }
        parts.from.push_back({Bracketed(row.name1) + (row.name2.empty() ? "" : " AS " + Bracketed(row.name2)),
                              {row.name2.empty() ? row.name1 : row.name2}});
        ++parts.tables;
        return true;
    case attributeColumn:
        parts.columns.push_back(row.expression + (row.name1.empty() ? "" : " AS " + Bracketed(row.name1)));
        return true;
    case attributeJoin:
        return Join(parts, row, reason);
    case attributeWhere:
        parts.where = row.expression;
        return true;
    case attributeGroupBy:
        parts.groupBy.push_back(row.expression);
        return true;
    case attributeHaving:
        parts.having = row.expression;
        return true;
    case attributeOrderBy:
        parts.orderBy.push_back(row.expression + (row.name1 == "D" ? " DESC" : ""));
        return true;
    default:
        reason = UnknownAttribute(row.attribute);
        return false;
    }
}

// Whether the options can be carried over: DISTINCTROW only where it changes nothing (one table),
// TOP only as a count.
bool CheckOptions(const Parts& parts, std::string& reason)
{
    const int known = allFields | distinct | ownerAccess | distinctRow | top;
    if ((parts.options & ~known) != 0 || ((parts.options & top) && !AllDigits(parts.top)))
        reason = "クエリのオプションを扱えません";
    else if ((parts.options & distinctRow) && parts.tables > 1)
        reason = "結合した DISTINCTROW は扱えません";
    return reason.empty();
}

} // namespace

std::string JetSavedQuery::Sql(const std::vector<JetSavedQueryRow>& rows, std::string& reason)
{
    reason.clear();
    if (rows.empty()) {
        reason = "定義がありません";
        return std::string();
    }
    Parts parts;
    for (const JetSavedQueryRow& row : rows)
        if (!Take(parts, row, reason))
            return std::string();
    if (!parts.select)
        reason = "選択クエリではありません";
    else if (parts.from.empty())
        reason = "FROM 句がありません";
    else if (parts.columns.empty() && !(parts.options & allFields))
        reason = "列がありません";
    if (!reason.empty() || !CheckOptions(parts, reason))
        return std::string();

    std::vector<std::string> columns = parts.columns;
    if (parts.options & allFields)
        columns.insert(columns.begin(), "*");
    std::vector<std::string> from;
    for (const FromItem& item : parts.from)
        from.push_back(item.sql);
    std::string sql = std::string("SELECT ") + ((parts.options & distinct) ? "DISTINCT " : "") + Joined(columns, ", ") +
                      " FROM " + Joined(from, ", ");
    if (!parts.where.empty())
        sql += " WHERE " + parts.where;
    if (!parts.groupBy.empty())
        sql += " GROUP BY " + Joined(parts.groupBy, ", ");
    if (!parts.having.empty())
        sql += " HAVING " + parts.having;
    if (!parts.orderBy.empty())
        sql += " ORDER BY " + Joined(parts.orderBy, ", ");
    if (parts.options & top)
        sql += " LIMIT " + parts.top;
    return sql;
}
