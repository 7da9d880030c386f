// Expected lines kept as UTF-8 text under tests/data: each line a key, a tab and the rest; "#"
// lines and empty lines skipped.
#pragma once

#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

// The rest of each line of a file under tests/data, by key, in the file's order.
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
