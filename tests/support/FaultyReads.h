// A stand-in for a failing medium: reads of one file go wrong as a damaged floppy's do. Linking
// FaultyReads.cpp into a test program puts its read() in front of the C library's for the project's
// code, which reads files through read(); reads of every other file, and of this one while no fault
// is planted, go through unchanged.
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
