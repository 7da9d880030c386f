// Memo and OLE values of one table. A value is kept in the row itself when short, else in a row of
// a long-value page when it fits one, else as a chain of long-value pages. The row holds a 12-byte
// field: the length (3 bytes), how it is kept (1 byte), a data pointer (4 bytes) and 4 zero bytes.
#pragma once

#include "tools/jetwriter/JetPageFile.h"

#include <cstdint>
#include <string>

class JetLongValueStore {
public:
    // Values up to this many stored bytes stay in the row.
    static constexpr size_t kInlineLimit = 64;

    explicit JetLongValueStore(JetPageFile& file) : file_(file) {}

    // The field a row stores for the stored bytes of a value: the 12-byte header, followed by the
    // bytes themselves when they stay in the row. Pages for longer values are allocated from the
    // file. Throws std::invalid_argument beyond 16 MB, which the length field cannot hold.
    std::string Field(const std::string& stored);

private:
    // Stores bytes as one row of a long-value page, sharing the current page while it has room.
    uint32_t StoreRow(const std::string& bytes);
    // Stores bytes on a chain of new long-value pages, each row led by the pointer to the next.
    uint32_t StoreChain(const std::string& bytes);

    JetPageFile& file_;
    uint32_t currentPage_ = 0; // 0: none yet
};
