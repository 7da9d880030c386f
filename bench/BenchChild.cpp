#include "bench/BenchChild.h"

#include "tools/usage/ToolUsage.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

ChildRun RunInChild(const std::function<bool()>& work)
{
    std::fflush(nullptr); // what the parent has buffered is written once, by the parent
    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        int status = RunReportingFailures(program_invocation_short_name, [&] { return work() ? 0 : 1; });
        std::fflush(nullptr);
        _exit(status);
    }
    ChildRun run;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return run;
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}
