// Checks of the run log "ravuRivo.log" as a file holds it.
#pragma once

#include "tests/support/TestSupport.h"

#include <regex>
#include <string>
#include <vector>

namespace testsupport {

// asctime without its newline: "Sun Dec  6 21:57:16 2026".
inline const char* const timePattern = "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}";

// Each line of the log is the time, then the given text, then CR LF.
inline void ExpectLogLines(const std::string& log, const std::vector<std::string>& tails)
{
    std::string rest = log;
    for (const std::string& tail : tails) {
        size_t end = rest.find("\r\n");
        ASSERT_NE(std::string::npos, end) << "missing line: " << tail;
        std::string line = rest.substr(0, end);
        rest = rest.substr(end + 2);
        ASSERT_GE(line.size(), 24u);
        EXPECT_TRUE(std::regex_match(line.substr(0, 24), std::regex(timePattern))) << line;
        EXPECT_EQ(testsupport::Hex(tail), testsupport::Hex(line.substr(24)));
    }
    EXPECT_EQ("", rest);
}

} // namespace testsupport
