// Runs a check in a child process that may take little more memory than it has at its start and
// little processor time, so that code which would take all the machine's memory or never end
// fails the test instead: the child dies at its limit, and the test reads how it ended.
#pragma once

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace readertest {

// "true" or "false" as check returned, else how the child ended ("signal 6", "exit 1").
inline std::string RunBounded(const std::function<bool()>& check, long extraMegabytes = 512, long seconds = 60)
{
    // Exit codes apart from those of a sanitizer's report (1).
    enum { returnedTrue = 0, returnedFalse = 20, returnedNothing = 21 };
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        // The data it has mapped already (the sanitizers map much of it) and a little more.
        long dataKilobytes = 0;
        if (FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status))
                if (std::sscanf(line, "VmData: %ld kB", &dataKilobytes) == 1)
                    break;
            std::fclose(status);
        }
        rlimit memory = {};
        memory.rlim_cur = memory.rlim_max = (static_cast<rlim_t>(dataKilobytes) << 10) + (extraMegabytes << 20);
        rlimit cpu = {};
        cpu.rlim_cur = cpu.rlim_max = seconds;
        if (dataKilobytes == 0 || setrlimit(RLIMIT_DATA, &memory) != 0 || setrlimit(RLIMIT_CPU, &cpu) != 0)
            _exit(returnedNothing);
        _exit(check() ? returnedTrue : returnedFalse);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return "not run";
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status));
    if (WEXITSTATUS(status) == returnedTrue)
        return "true";
    return WEXITSTATUS(status) == returnedFalse ? "false" : "exit " + std::to_string(WEXITSTATUS(status));
}

} // namespace readertest
