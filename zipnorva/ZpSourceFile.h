// One file to pack that is too large to be held in memory, read piece by piece through its open
// descriptor, with CR LF translated to LF on request.
#pragma once

#include "zipnorva/ZpCrLfFilter.h"

#include <cstddef>
#include <memory>
#include <vector>

class ZpSourceFile {
public:
    // Reads file from its start; the descriptor stays the caller's, open.
    explicit ZpSourceFile(int file);

    // Reads size bytes of a file from offset into out, fewer only at its end, retrying after
    // signals: their count, or -1 on a read error. The descriptor's own offset is left alone.
    static long ReadAt(int file, char* out, size_t size, unsigned long long offset);

    // Reads the whole file, leaving Read where it was. True when every byte is text
    // (ZpCrLfFilter::IsText); false also on a read error, which the next Read reports.
    bool ScanIsText();

    // The next piece of the file into out; its length, 0 only at the end, -1 on a read error.
    // With crlfToLf every CR LF pair becomes LF (ZpCrLfFilter).
    long Read(std::vector<char>& out, bool crlfToLf);

private:
    int file_;
    unsigned long long offset_ = 0;
    std::unique_ptr<char[]> raw_; // a piece, not cleared: an archive packs thousands of files
    ZpCrLfFilter filter_;
};
