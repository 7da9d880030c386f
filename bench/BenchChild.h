// A piece of a benchmark's work run in a forked child process, so that its peak memory
// (ru_maxrss) is the child's own.
#pragma once

#include <functional>

struct ChildRun {
    bool succeeded = false; // the child ended with status 0
    double seconds = 0;
    long peakKilobytes = 0;
};

// Runs work in a child, which ends with status 0 when work gives true and 1 when it gives false or
// throws (the failure is reported on standard error); the child never returns into the caller.
ChildRun RunInChild(const std::function<bool()>& work);
