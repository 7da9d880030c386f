// Runs a check in a child process that may take little more memory than it has at its start,
// write no larger file and take little time, so that code which would take all the machine's
// memory or disk, never end or wait for ever (on a FIFO, say) fails the test instead: the child
// dies at its limit, and the test reads what the check gave or how the child ended.
#pragma once

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace readertest {

// The text that check gives, else how the child ended ("signal 6", "exit 1"). The child has
// extraMegabytes of memory and of a file's size, and seconds of processor time and of waiting.
inline std::string RunBoundedText(const std::function<std::string()>& check, long extraMegabytes = 512,
                                  long seconds = 60)
{
    // Exit codes apart from those of a sanitizer's report (1).
    enum { returned = 0, returnedNothing = 21 };
    int pipeEnds[2];
    std::fflush(nullptr);
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return "not run";
    pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
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
        rlimit file = {};
        file.rlim_cur = file.rlim_max = static_cast<rlim_t>(extraMegabytes) << 20;
        rlimit cpu = {};
        cpu.rlim_cur = cpu.rlim_max = seconds;
        std::signal(SIGXFSZ, SIG_DFL);
        if (dataKilobytes == 0 || setrlimit(RLIMIT_DATA, &memory) != 0 || setrlimit(RLIMIT_FSIZE, &file) != 0 ||
            setrlimit(RLIMIT_CPU, &cpu) != 0)
            _exit(returnedNothing);
        alarm(static_cast<unsigned>(seconds));
        const std::string text = check();
        bool written = write(pipeEnds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        _exit(written ? returned : returnedNothing);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) != 0;)
        if (n > 0)
            text.append(buffer, static_cast<size_t>(n));
        else if (errno != EINTR)
            break;
    close(pipeEnds[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return "not run";
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status));
    return WEXITSTATUS(status) == returned ? text : "exit " + std::to_string(WEXITSTATUS(status));
}

// "true" or "false" as check returned, else how the child ended.
inline std::string RunBounded(const std::function<bool()>& check, long extraMegabytes = 512, long seconds = 60)
{
    return RunBoundedText([&] { return std::string(check() ? "true" : "false"); }, extraMegabytes, seconds);
}

} // namespace readertest
