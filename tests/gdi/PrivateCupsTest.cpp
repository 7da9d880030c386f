// The tests' own scheduler does not outlive a test process that is killed.
#include "tests/gdi/PrivateCups.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Starts a scheduler in a child process, in a folder below parent, and gives the child's and the
// scheduler's ids; the child waits to be killed.
bool StartInChild(const std::string& parent, pid_t& child, pid_t& scheduler)
{
    int report[2];
    if (pipe(report) != 0)
        return false;
    child = fork();
    if (child == 0) {
        close(report[0]);
        setenv("TMPDIR", parent.c_str(), 1);
        testsupport::PrivateCups own;
        int pid = own.Pid();
        if (write(report[1], &pid, sizeof pid) == sizeof pid)
            pause();
        _exit(1);
    }
    close(report[1]);
    int pid = -1;
    bool started = child > 0 && read(report[0], &pid, sizeof pid) == sizeof pid;
    close(report[0]);
    scheduler = pid;
    return started;
}

} // namespace

TEST(PrivateCupsTest, TheSchedulerEndsWithTheProcessThatStartedItWhenThatIsKilled)
{
    testsupport::TempFolder temp;
    pid_t child = -1, scheduler = -1;
    ASSERT_TRUE(StartInChild(temp.Path(), child, scheduler));
    int ended = static_cast<int>(syscall(SYS_pidfd_open, scheduler, 0));
    ASSERT_GE(ended, 0);

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    pollfd end{ended, POLLIN, 0};
    bool gone = poll(&end, 1, 10000) == 1;
    if (!gone)
        kill(scheduler, SIGKILL);
    close(ended);
    EXPECT_TRUE(gone) << "the scheduler " << scheduler << " still runs";
}
