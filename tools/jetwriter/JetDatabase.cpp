#include "tools/jetwriter/JetDatabase.h"

#include "platform/core/CString.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

JetDatabase::JetDatabase(JetVersion version) : version_(version) {}

JetTable& JetDatabase::AddTable(std::string name)
{
    CheckNewName(name);
    tables_.emplace_back(std::move(name));
    return tables_.back();
}

JetTable& JetDatabase::Table(const std::string& name)
{
    for (JetTable& table : tables_)
        if (CString(name).CompareNoCase(table.Name().c_str()) == 0)
            return table;
    throw std::invalid_argument("no table " + name);
}

void JetDatabase::AddQuery(JetQuery query)
{
    CheckNewName(query.Name());
    queries_.push_back(std::move(query));
}

void JetDatabase::CheckNewName(const std::string& name) const
{
    CString candidate(name);
    if (candidate.Left(4).CompareNoCase("MSys") == 0)
        throw std::invalid_argument("the name " + name + " is kept for the catalog");
    auto same = [&](const auto& object) { return candidate.CompareNoCase(object.Name().c_str()) == 0; };
    if (std::any_of(tables_.begin(), tables_.end(), same) || std::any_of(queries_.begin(), queries_.end(), same))
        throw std::invalid_argument("the name " + name + " is taken");
}
