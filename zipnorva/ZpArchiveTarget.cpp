#include "zipnorva/ZpArchiveTarget.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int kTemporaryNameAttempts = 100;
const size_t kRandomLetters = 6;

// Letters for a temporary name that others cannot tell ahead: from the kernel's random source,
// or where that has nothing to give yet, from the clock (the name is created exclusively anyway).
std::string RandomLetters(int attempt)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    unsigned long long mix = static_cast<unsigned long long>(now.tv_nsec) ^ static_cast<unsigned long long>(attempt);
    unsigned char bytes[kRandomLetters];
    for (unsigned char& byte : bytes) {
        mix = mix * 6364136223846793005ull + 1442695040888963407ull;
        byte = static_cast<unsigned char>(mix >> 56);
    }
    getrandom(bytes, sizeof bytes, GRND_NONBLOCK); // all or nothing for so few bytes
    std::string letters;
    for (unsigned char byte : bytes)
        letters += kLetters[byte % (sizeof kLetters - 1)];
    return letters;
}

} // namespace

ZpArchiveTarget::ZpArchiveTarget(const std::string& path)
{
    SplitLastName(path, folderPath_, name_);
    folder_ = ZpDescriptor::OpenLastNotFollowed(folderPath_, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

ZpArchiveTarget::~ZpArchiveTarget()
{
    if (temporary_.IsOpen() && !published_)
        unlinkat(folder_.Get(), temporaryName_.c_str(), 0);
}

bool ZpArchiveTarget::NameTaken() const
{
    struct stat info;
    return fstatat(folder_.Get(), name_.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool ZpArchiveTarget::CreateTemporary()
{
    for (int attempt = 0; attempt < kTemporaryNameAttempts && folder_.IsOpen(); ++attempt) {
        std::string name = name_ + "." + RandomLetters(attempt);
        int fd = openat(folder_.Get(), name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0) {
            fchmod(fd, 0644); // whatever the process's mask: an archive for others to read
            temporary_.Reset(fd);
            temporaryName_ = name;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool ZpArchiveTarget::SyncTemporary() const { return fsync(temporary_.Get()) == 0; }

ZpArchiveTarget::Outcome ZpArchiveTarget::Publish()
{
    int folder = folder_.Get();
    bool renamed = renameat2(folder, temporaryName_.c_str(), folder, name_.c_str(), RENAME_NOREPLACE) == 0;
    if (!renamed && (errno == EINVAL || errno == ENOSYS)) // a file system that cannot refuse to replace
        renamed = !NameTaken() && renameat(folder, temporaryName_.c_str(), folder, name_.c_str()) == 0;
    published_ = renamed;
    if (renamed)
        return kPublished;
    return errno == EEXIST || NameTaken() ? kNameTaken : kFailed;
}

bool ZpArchiveTarget::SyncFolder()
{
    if (fsync(folder_.Get()) == 0)
        return true;
    unlinkat(folder_.Get(), name_.c_str(), 0);
    return false;
}
