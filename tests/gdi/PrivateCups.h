// A CUPS scheduler of the test process's own: a fresh temporary folder with its configuration,
// a socket in it and no TCP port, raw queues whose backend (tests/gdi/cups/zntest-backend) copies
// each job into the queue's job folder. The first test that needs it starts it; it stops when the
// process ends, also when the process is killed. libcups is pointed at it (cupsSetServer and
// CUPS_SERVER).
#pragma once

#include <string>
#include <vector>

namespace testsupport {

class PrivateCups {
public:
    // The queues: "zn-first" (the default), "zn-second", and "zn-closed", which accepts no jobs.
    static PrivateCups& Start();
    // A scheduler apart from the process's shared one, stopped with the object. Like that one it
    // is started from the process's main thread, with whose end it ends.
    PrivateCups();
    // Points libcups at a socket where no server listens.
    static void UseNoServer();

    const std::string& Socket() const { return m_socket; }
    int Pid() const { return m_pid; }
    // The job folder of a queue.
    std::string JobFolder(const std::string& queue) const;
    // The ids of the jobs that arrived whole on the queue, in order.
    std::vector<int> Jobs(const std::string& queue) const;
    // Waits (ten seconds at most) until count jobs have arrived on the queue; false at the deadline.
    bool WaitForJobs(const std::string& queue, size_t count) const;
    // The data and the description ("title=...", "copies=...", "options=...", "content-type=...")
    // of a job that arrived.
    std::string JobData(const std::string& queue, int job) const;
    std::string JobInfo(const std::string& queue, int job) const;

    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

private:
    void WriteConfiguration() const;
    void Spawn();
    bool WaitForSocket() const;

    std::string m_folder;
    std::string m_socket;
    int m_pid = -1;
};

} // namespace testsupport
