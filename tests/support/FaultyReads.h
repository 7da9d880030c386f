// Stand-ins for failing media: reads of one file go wrong as a damaged floppy's do, and writes into
// one folder fail as on a full disk. Linking FaultyReads.cpp into a test program puts its read() and
// write() in front of the C library's for the project's code, which reads and writes files through
// them; reads and writes of every other file, and of these while no fault is planted, go through
// unchanged.
#pragma once

#include <string>

namespace faultyreads {

enum class Fault {
    none,
    // All of the file but its last byte reads, then every read fails with EIO.
    failsPartWay,
    // Each read of it first adds as many bytes to its end as it asks for: it never ends.
    grows
};

// From now on reads of the file at linuxPath (known by its device and inode, through any name or
// link) go wrong so; none ends it. The fault holds in children forked later.
void Plant(const std::string& linuxPath, Fault fault);

} // namespace faultyreads

namespace faultywrites {

// From now on writes into files of the folder at folderLinuxPath (by its path: it need not exist yet)
// fail with ENOSPC, as on a disk that fills up, once filesWithRoom files have been written there;
// those go on taking their writes. An empty path ends it. The fault holds in children forked later.
void Plant(const std::string& folderLinuxPath, int filesWithRoom = 0);

} // namespace faultywrites
