#include "tools/usage/ToolUsage.h"

#include "platform/core/CException.h"
#include "platform/core/Cp932.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

constexpr int kWrongCall = 2;
constexpr int kFailed = 1;

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
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' && !IsKnown(argv[i], knownOptions)) {
            std::fprintf(stderr, "%s: unknown option %s\n", argv[0], argv[i]);
            return ShowWrongCall(usage);
        }
    }
    return -1;
}

int ShowWrongCall(const char* usage)
{
    std::fputs(usage, stderr);
    return kWrongCall;
}

int RunReportingFailures(const char* program, const std::function<int()>& work)
{
    try {
        return work();
    } catch (CException* e) {
        std::fprintf(stderr, "%s: %s\n", program, cp932::ToUtf8(e->Describe().Bytes()).c_str());
        e->Delete();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
    } catch (...) {
        std::fprintf(stderr, "%s: an unknown failure\n", program);
    }
    return kFailed;
}
