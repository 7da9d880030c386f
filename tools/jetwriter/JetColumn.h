// A column of a table: its name (CP932), its Jet type and, for text and binary, its size.
#pragma once

#include "tools/jetwriter/JetValue.h"

#include <cstdint>
#include <string>

// The column types the writer makes, by their Jet type codes.
enum class JetColumnType : uint8_t {
    Bool = 0x01,     // Yes/No, kept in the row's null mask; never NULL
    Byte = 0x02,     // 0 to 255
    Short = 0x03,    // 16 bits
    Long = 0x04,     // 32 bits
    Double = 0x07,   // 64-bit IEEE
    DateTime = 0x08, // an OLE date as a double
    Binary = 0x09,   // up to `size` bytes
    Text = 0x0A,     // up to `size` characters (Jet 4) or bytes (Jet 3)
    Ole = 0x0B,      // long bytes, stored like a memo
    Memo = 0x0C,     // long text
};

struct JetColumn {
    std::string name;
    JetColumnType type;
    int size = 0;

    // Fixed-length columns live in the row's fixed area; the others are variable.
    bool IsFixed() const;
    // Bytes a fixed column takes in the row's fixed area (a Yes/No takes none).
    int FixedSize() const;
    bool IsLongValue() const { return type == JetColumnType::Memo || type == JetColumnType::Ole; }
    bool IsTextual() const { return type == JetColumnType::Text || type == JetColumnType::Memo; }

    // Empty if value may be stored in this column, else why not. Lengths of text and bytes are
    // checked when the row is encoded, since they depend on the version.
    std::string Refuses(const JetValue& value) const;
};
