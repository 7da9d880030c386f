#include "platform/registry/RegHiveFile.h"

#include "platform/files/PosixIo.h"
#include "platform/files/WinDrive.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kFolderVariable[] = "ZN_REGISTRY_DIR";
const char kProgramFolder[] = "zadazez";

// Creates the folder and the folders above it that are missing.
bool MakeFolders(const std::string& folder)
{
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string prefix = folder.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            return true;
    }
}

// Holds an exclusive lock on a lock file until it goes out of scope.
class FileLock {
public:
    explicit FileLock(const std::string& path) : m_fd(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        int rc;
        do
            rc = m_fd >= 0 ? ::flock(m_fd, LOCK_EX) : -1;
        while (rc != 0 && errno == EINTR);
        m_error = rc == 0 ? 0 : errno;
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // 0 when the lock is held, else the errno of the failure.
    int Error() const { return m_error; }

private:
    int m_fd;
    int m_error;
};

LONG StatusOfErrno() { return static_cast<LONG>(Win32ErrorFromErrno(errno)); }

RegHiveFile::UnreadableLinesHandler unreadableLinesHandler = nullptr;

// Tells the handler of a hive with lines that cannot be read, unless it heard of that hive before.
void ReportUnreadableLines(const std::string& hivePath)
{
    static std::set<std::string> reported;
    if (unreadableLinesHandler && reported.insert(hivePath).second)
        unreadableLinesHandler(hivePath);
}

} // namespace

std::string RegHiveFile::Folder()
{
    if (const char* folder = std::getenv(kFolderVariable); folder && *folder)
        return folder;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base = config && *config == '/' ? std::string(config) : HomeFolder() + "/.config";
    return base + "/" + kProgramFolder;
}

void RegHiveFile::SetUnreadableLinesHandler(UnreadableLinesHandler handler) { unreadableLinesHandler = handler; }

LONG RegHiveFile::Load(RegHive& hive) const
{
    std::string text;
    hive = RegHive();
    if (!ReadWholeFile(Path(), text))
        return errno == ENOENT ? ERROR_SUCCESS : StatusOfErrno();
    hive = RegHive::Parse(text);
    if (hive.DamagedLines() > 0)
        ReportUnreadableLines(Path());
    return ERROR_SUCCESS;
}

LONG RegHiveFile::Replace(const RegHive& hive) const
{
    std::string text = hive.Format();
    std::string temporary = Path() + ".tmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return StatusOfErrno();
    bool written = WriteAll(fd, text.data(), text.size()) && ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.c_str(), Path().c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary.c_str());
        return static_cast<LONG>(Win32ErrorFromErrno(error));
    }
    int dir = ::open(Folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir); // makes the rename itself last; a failure here loses nothing
        ::close(dir);
    }
    return ERROR_SUCCESS;
}

LONG RegHiveFile::Update(const std::function<LONG(RegHive& hive, bool& changed)>& change) const
{
    if (!MakeFolders(Folder()))
        return StatusOfErrno();
    FileLock lock(Path() + ".lock");
    if (lock.Error())
        return static_cast<LONG>(Win32ErrorFromErrno(lock.Error()));
    RegHive hive;
    if (LONG status = Load(hive); status != ERROR_SUCCESS)
        return status;
    bool changed = false;
    LONG status = change(hive, changed);
    if (status != ERROR_SUCCESS || !changed)
        return status;
    return Replace(hive);
}
