#include "tools/jetwriter/JetFormat.h"

namespace {

const JetFormat jet3 = {
    JetVersion::Jet3,
    2048, // pageSize
    0,    // versionCode
    126,  // headerMaskLength
    0x3A, // sortOrderOffset
    2,    // sortOrderSize
    10,   // dataHeaderSize
    8,    // dataRowCountOffset
    12,   // tdefRowCountOffset
    20,   // tdefTableTypeOffset
    43,   // tdefBlockSize
    18,   // columnEntrySize
    1,    // columnNumberOffset
    3,    // columnVarIndexOffset
    5,    // columnNumberAgainOffset
    7,    // columnSortOrderOffset
    9,    // columnCodePageOffset
    13,   // columnFlagsOffset
    14,   // columnFixedOffsetOffset
    16,   // columnLengthOffset
    1,    // nameLengthSize
    1,    // rowFieldSize
    128,  // usageMapBitmapSize
    false,
};

const JetFormat jet4 = {
    JetVersion::Jet4,
    4096, // pageSize
    1,    // versionCode
    128,  // headerMaskLength
    0x6E, // sortOrderOffset
    4,    // sortOrderSize
    14,   // dataHeaderSize
    12,   // dataRowCountOffset
    16,   // tdefRowCountOffset
    40,   // tdefTableTypeOffset
    63,   // tdefBlockSize
    25,   // columnEntrySize
    5,    // columnNumberOffset
    7,    // columnVarIndexOffset
    9,    // columnNumberAgainOffset
    11,   // columnSortOrderOffset
    -1,   // columnCodePageOffset
    15,   // columnFlagsOffset
    21,   // columnFixedOffsetOffset
    23,   // columnLengthOffset
    2,    // nameLengthSize
    2,    // rowFieldSize
    64,   // usageMapBitmapSize
    true,
};

} // namespace

const JetFormat& JetFormat::For(JetVersion version)
{
    return version == JetVersion::Jet3 ? jet3 : jet4;
}
