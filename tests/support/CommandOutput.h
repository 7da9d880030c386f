// What a shell command writes to its standard output, and how it ended.
#pragma once

#include <cstdio>
#include <string>

namespace testsupport {

// The command's standard output; its status as pclose gives it into *status when asked.
inline std::string CommandOutput(const std::string& command, int* status = nullptr)
{
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    while (size_t read = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, read);
    int ended = ::pclose(pipe);
    if (status)
        *status = ended;
    return output;
}

} // namespace testsupport
