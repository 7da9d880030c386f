// Whole reads and writes on POSIX descriptors, for the platform's own files.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// An open descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes it; false with errno set when the close reports an error of a write.
    bool Close();

private:
    int m_fd;
};

// Opens the file at a Linux path as open does (flags, and mode for a file it makes), but a regular
// file only, and without waiting: a folder gives EISDIR, and a device, a FIFO or a socket gives
// EOPNOTSUPP, never blocking as the open of a FIFO would until its other end is opened. The
// descriptor, or -1 with errno set.
int OpenRegularFile(const std::string& linuxPath, int flags, unsigned mode = 0666);

// Writes every byte (retrying after signals); false with errno set on failure.
bool WriteAll(int fd, const char* data, size_t size);

// Reads a file named by a Linux path whole into bytes; false with errno set on failure.
bool ReadWholeFile(const std::string& linuxPath, std::string& bytes);

// The temporary folder: $TMPDIR, else /tmp.
std::string TempFolderBase();
// A new empty file in the temporary folder, named prefix and six random characters; its path, or
// "" when none can be made.
std::string MakeTempFile(const std::string& prefix);
// Copies every byte of the open source to the open target; false with errno set on failure.
bool CopyBytes(int source, int target);
// Writes the file at a Linux path through a new temporary file beside it, made with mode (less the
// umask) and filled by fill, which takes the path's name only once whole and closed: with replace
// a file there is replaced in one step, without it a name that anything holds fails with EEXIST.
// The temporary file is made and renamed within the path's folder, by names of its own, so it
// meets no limit on the path's length that the path itself does not; its name is random and never
// a link followed, and the folder needs only to be written and entered, not listed. False with
// errno set on failure; what the path named is as it was then, and no temporary file is left.
bool WriteThroughTemporary(const std::string& linuxPath, unsigned mode, bool replace,
                           const std::function<bool(int fd)>& fill);
// The folder part of a Linux path, "." for a bare name.
std::string FolderOf(const std::string& linuxPath);
// Replaces the file at to by a copy of the file at from, readable by its owner only, through a
// temporary file beside it, so that to is either the whole copy or as it was. False with errno set
// on failure.
bool ReplaceWithCopy(const std::string& from, const std::string& to);
