// Test cases kept as UTF-8 text under tests/data: one case a line, fields separated by tabs,
// "#" lines and empty lines skipped; "-" stands for an empty field of a case.
#pragma once

#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/core/Cp932.h"

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace testsupport {

// The cases of a file under tests/data, each a list of its fields as CP932 text.
inline std::vector<std::vector<CString>> ReadTabbedCases(const std::string& relative)
{
    std::ifstream in(DataPath(relative));
    std::vector<std::vector<CString>> cases;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::vector<CString> row;
        for (std::string field; std::getline(fields, field, '\t');)
            row.emplace_back(field == "-" ? std::string() : cp932::FromUtf8(field));
        cases.push_back(row);
    }
    return cases;
}

// The lines of a file under tests/data, each after its first field (the key), by key in the
// file's order, as UTF-8.
inline std::map<std::string, std::vector<std::string>> ReadKeyedLines(const std::string& relative)
{
    std::map<std::string, std::vector<std::string>> lines;
    std::istringstream in(ReadFileBytes(DataPath(relative)));
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines[line.substr(0, line.find('\t'))].push_back(line.substr(line.find('\t') + 1));
    return lines;
}

} // namespace testsupport
