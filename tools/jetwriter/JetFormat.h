// The differences between the two Jet file versions that the writer makes, as one table of
// constants per version. Offsets are in bytes from the start of the page or entry they belong to.
#pragma once

#include <cstdint>

enum class JetVersion { Jet3, Jet4 };

struct JetFormat {
    JetVersion version;
    int pageSize;
    uint32_t versionCode; // page 0, offset 0x14

    // Page 0: the length of its masked area from 0x18, and where the collating order is kept.
    int headerMaskLength;
    int sortOrderOffset;
    int sortOrderSize;

    // Data and long-value pages: header size and where the row count is kept.
    int dataHeaderSize;
    int dataRowCountOffset;

    // Table definition: the row count, the table type (the counts and map pointers that follow it
    // are laid out alike in both versions), and the size of the fixed block.
    int tdefRowCountOffset;
    int tdefTableTypeOffset;
    int tdefBlockSize;

    // One column entry of a table definition.
    int columnEntrySize;
    int columnNumberOffset;
    int columnVarIndexOffset;
    int columnNumberAgainOffset;
    int columnSortOrderOffset;
    int columnCodePageOffset; // -1 where the version keeps none
    int columnFlagsOffset;
    int columnFixedOffsetOffset;
    int columnLengthOffset;

    // Size of a name's length field, and of one entry of a row's offset fields.
    int nameLengthSize;
    int rowFieldSize;

    // Bytes of the bitmap of a usage map kept in a row.
    int usageMapBitmapSize;

    // Text is UCS-2 (Jet 4) or CP932 bytes (Jet 3).
    bool unicodeText;

    static const JetFormat& For(JetVersion version);

    // Largest row that a data page holds alone.
    int MaxRowSize() const { return pageSize - dataHeaderSize - 2; }
};

// Collating order and code page of this system's databases: Japanese.
constexpr uint16_t kJetSortOrderJapanese = 0x0411;
constexpr uint16_t kJetCodePageJapanese = 932;
