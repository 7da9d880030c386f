#include "platform/files/WinHeldFolders.h"

#include <algorithm>
#include <mutex>

namespace heldfolders {

namespace {

struct HeldFolder {
    int fd;
    WinPathNames folder;
};

std::mutex guard;
std::vector<HeldFolder> held; // a few at a time: the folders of one export's current path

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

bool LiesIn(const WinPathNames& path, const WinPathNames& folder)
{
    return path.root == folder.root && path.names.size() >= folder.names.size() &&
           std::equal(folder.names.begin(), folder.names.end(), path.names.begin(), SameName);
}

} // namespace

void Add(int fd, const WinPathNames& folder)
{
    if (folder.names.empty())
        return;
    std::lock_guard<std::mutex> lock(guard);
    held.push_back({fd, folder});
}

void Remove(int fd)
{
    std::lock_guard<std::mutex> lock(guard);
    held.erase(std::remove_if(held.begin(), held.end(), [fd](const HeldFolder& h) { return h.fd == fd; }), held.end());
}

bool Find(const WinPathNames& path, std::string& linuxFolder, size_t& count)
{
    std::lock_guard<std::mutex> lock(guard);
    const HeldFolder* best = nullptr;
    for (const HeldFolder& h : held)
        if (LiesIn(path, h.folder) && (!best || h.folder.names.size() > best->folder.names.size()))
            best = &h;
    if (!best)
        return false;
    linuxFolder = LinuxPathOf(best->fd);
    count = best->folder.names.size();
    return true;
}

std::string LinuxPathOf(int fd)
{
    // The kernel resolves a process's descriptor link to the very folder that it holds.
    return "/proc/self/fd/" + std::to_string(fd);
}

} // namespace heldfolders
