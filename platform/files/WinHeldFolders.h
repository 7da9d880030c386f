// The folders that this process holds open (WinFolderHandle), by the Windows path that each was
// opened at, so that the mapping of paths reaches whatever lies below one through its handle.
#pragma once

#include "platform/files/WinPath.h"

#include <string>

namespace heldfolders {

// Holds the folder of fd for the paths below folder; a folder without names (a drive's root) is
// not taken.
void Add(int fd, const WinPathNames& folder);
void Remove(int fd);

// The held folder that path lies in, the one with the most names when several do: the Linux
// path through its handle and how many of path's names it stands for. False when path lies in
// none. Names compare as Windows compares them, ignoring the case of ASCII letters.
bool Find(const WinPathNames& path, std::string& linuxFolder, size_t& count);

// The Linux path that reaches the folder of fd through the descriptor itself, whatever its name.
std::string LinuxPathOf(int fd);

} // namespace heldfolders
