#include "tests/gdi/PrivateCups.h"

#include <cups/cups.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <ftw.h>
#include <grp.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

namespace {

const char* const Queues[] = {"zn-first", "zn-second", "zn-closed"};

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Polls until done gives true or ten seconds have passed.
template <class Done> bool WaitUntil(Done done)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void RemoveTree(const std::string& folder)
{
    nftw(
        folder.c_str(), [](const char* path, const struct stat*, int, FTW*) { return ::remove(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

void PointLibcupsAt(const std::string& server)
{
    setenv("CUPS_SERVER", server.c_str(), 1);
    cupsSetServer(server.c_str());
}

} // namespace

PrivateCups& PrivateCups::Start()
{
    static PrivateCups server;
    PointLibcupsAt(server.m_socket);
    return server;
}

void PrivateCups::UseNoServer() { PointLibcupsAt("/nonexistent/zn-no-cups.sock"); }

PrivateCups::PrivateCups()
{
    // The scheduler is told to end when the thread that starts it ends (see Spawn).
    if (gettid() != getpid())
        throw std::logic_error("the private cupsd is started from the main thread");
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/zn-cups-XXXXXX";
    if (!mkdtemp(&pattern[0]))
        throw std::runtime_error("cannot create the CUPS folder");
    m_folder = pattern;
    chmod(m_folder.c_str(), 0755);
    m_socket = m_folder + "/cups.sock";
    WriteConfiguration();
    Spawn();
    if (!WaitForSocket())
        throw std::runtime_error("the private cupsd did not start; see " + m_folder + "/error_log");
}

PrivateCups::~PrivateCups()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        int status;
        if (!WaitUntil([&] { return waitpid(m_pid, &status, WNOHANG) == m_pid; })) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
        }
    }
    RemoveTree(m_folder);
}

void PrivateCups::WriteConfiguration() const
{
    for (const char* folder : {"/spool", "/spool/tmp", "/cache", "/state", "/tmp", "/bin", "/bin/backend"})
        mkdir((m_folder + folder).c_str(), 0755);
    WriteText(m_folder + "/cupsd.conf", "Listen " + m_socket + "\n"
                                        "Browsing Off\nWebInterface No\nDefaultAuthType None\nLogLevel warn\n"
                                        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                        "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n"
                                        "  </Limit>\n</Policy>\n");
    struct group* group = getgrgid(getgid());
    WriteText(m_folder + "/cups-files.conf",
              "ServerRoot " + m_folder + "\nRequestRoot " + m_folder + "/spool\nCacheDir " + m_folder +
                  "/cache\nStateDir " + m_folder + "/state\nTempDir " + m_folder + "/tmp\nAccessLog " + m_folder +
                  "/access_log\nErrorLog " + m_folder + "/error_log\nPageLog " + m_folder + "/page_log\nServerBin " +
                  m_folder + "/bin\nDataDir /usr/share/cups\nSystemGroup " + (group ? group->gr_name : "root") +
                  "\n");
    std::string printers;
    for (const char* queue : Queues) {
        std::string folder = JobFolder(queue);
        mkdir(folder.c_str(), 0777);
        chmod(folder.c_str(), 0777);
        bool first = queue == Queues[0];
        bool closed = std::string(queue) == "zn-closed";
        printers += std::string(first ? "<DefaultPrinter " : "<Printer ") + queue + ">\n" + "Info Queue " + queue +
                    "\nDeviceURI zntest:" + folder + "\nState Idle\nAccepting " + (closed ? "No" : "Yes") +
                    "\nShared No\nErrorPolicy abort-job\n" + (first ? "</DefaultPrinter>\n" : "</Printer>\n");
    }
    WriteText(m_folder + "/printers.conf", printers);
    std::string backend = m_folder + "/bin/backend/zntest";
    WriteText(backend, ReadWhole(ZN_CUPS_BACKEND));
    chmod(backend.c_str(), 0700);
    if (symlink("/usr/lib/cups/daemon", (m_folder + "/bin/daemon").c_str()) != 0)
        throw std::runtime_error("cannot link the scheduler's daemon folder");
}

void PrivateCups::Spawn()
{
    std::string conf = m_folder + "/cupsd.conf", files = m_folder + "/cups-files.conf";
    pid_t parent = getpid();
    m_pid = fork();
    if (m_pid == 0) {
        // The scheduler ends with the test process, also when that is killed and cannot stop it.
        // A test process that ended before this was set sends no signal: the scheduler does not
        // start.
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent)
            _exit(127);
        execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (m_pid < 0)
        throw std::runtime_error("cannot start cupsd");
}

bool PrivateCups::WaitForSocket() const
{
    return WaitUntil([&] {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        m_socket.copy(address.sun_path, sizeof address.sun_path - 1);
        bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(fd);
        return connected;
    });
}

std::string PrivateCups::JobFolder(const std::string& queue) const { return m_folder + "/jobs-" + queue; }

std::vector<int> PrivateCups::Jobs(const std::string& queue) const
{
    std::vector<int> jobs;
    DIR* dir = opendir(JobFolder(queue).c_str());
    for (dirent* entry; dir && (entry = readdir(dir));) {
        std::string name = entry->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".job") == 0)
            jobs.push_back(std::atoi(name.c_str()));
    }
    if (dir)
        closedir(dir);
    std::sort(jobs.begin(), jobs.end());
    return jobs;
}

bool PrivateCups::WaitForJobs(const std::string& queue, size_t count) const
{
    return WaitUntil([&] { return Jobs(queue).size() >= count; });
}

std::string PrivateCups::JobData(const std::string& queue, int job) const
{
    return ReadWhole(JobFolder(queue) + "/" + std::to_string(job) + ".job");
}

std::string PrivateCups::JobInfo(const std::string& queue, int job) const
{
    return ReadWhole(JobFolder(queue) + "/" + std::to_string(job) + ".info");
}

} // namespace testsupport
