// The Zip64 end records of an archive of many entries.
#pragma once

// Makes an archive that minizip has closed hold its true entry count when it has 0xFFFF entries
// or more: minizip writes the Zip64 end of central directory record and its locator only when
// the central directory starts past 4 GiB, and otherwise leaves only 0xFFFF, the mark that says
// "see the Zip64 record", in the end record. Inserts the two records before the end record,
// version 4.5 made on MS-DOS as minizip writes them. archive: the file's descriptor, open for
// reading and writing (its offset is left alone). True when done or not needed; false when the
// archive does not end as minizip ends one, or cannot be read or written.
bool AddZip64EndRecords(int archive, unsigned long long entries);
