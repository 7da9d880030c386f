// An open file descriptor that closes with its owner, and the one way the library opens a path
// that others may change meanwhile.
#pragma once

#include <string>

class ZpDescriptor {
public:
    ZpDescriptor() = default;
    explicit ZpDescriptor(int fd) : fd_(fd) {}
    ~ZpDescriptor() { Reset(); }
    ZpDescriptor(ZpDescriptor&& other) noexcept : fd_(other.Release()) {}
    ZpDescriptor& operator=(ZpDescriptor&& other) noexcept;
    ZpDescriptor(const ZpDescriptor&) = delete;
    ZpDescriptor& operator=(const ZpDescriptor&) = delete;

    // Opens a Linux path as open(2) with flags does, except that its last name is not followed
    // when it is a symbolic link: the names before it are the caller's and are followed as given.
    // A link that the kernel keeps in /proc (such as /proc/self/fd/7, one of this process's open
    // folders) is followed all the same: nobody can put one there, and it names the very folder
    // held, whatever has become of its name. Not open on failure.
    static ZpDescriptor OpenLastNotFollowed(const std::string& path, int flags);

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Gives the descriptor up to the caller, who closes it.
    int Release();
    // Closes the descriptor held and holds fd instead.
    void Reset(int fd = -1);

private:
    int fd_ = -1;
};

// The folder of a Linux path's last name ("." when it has no folder, "/" at the top) and that
// name, final "/" left out ("." for the top itself).
void SplitLastName(const std::string& path, std::string& folder, std::string& name);
