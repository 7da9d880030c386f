#include "tools/sampledata/ToolUsage.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kWrongCall = 2;

bool IsKnown(const char* argument, std::initializer_list<const char*> knownOptions)
{
    for (const char* option : knownOptions)
        if (std::strcmp(argument, option) == 0)
            return true;
    return false;
}

} // namespace

int CheckToolArguments(int argc, char** argv, const char* usage, std::initializer_list<const char*> knownOptions)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] == '-' && !IsKnown(argv[i], knownOptions))
            return ShowWrongCall(usage);
    return -1;
}

int ShowWrongCall(const char* usage)
{
    std::fputs(usage, stderr);
    return kWrongCall;
}
