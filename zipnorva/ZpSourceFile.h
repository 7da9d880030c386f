// One file to pack that is too large to be held in memory, read piece by piece, with CR LF
// translated to LF on request.
#pragma once

#include "zipnorva/ZpCrLfFilter.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class ZpSourceFile {
public:
    explicit ZpSourceFile(const std::string& path);
    ~ZpSourceFile();
    ZpSourceFile(const ZpSourceFile&) = delete;
    ZpSourceFile& operator=(const ZpSourceFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }

    // Reads the whole file and rewinds it. True when every byte is text (ZpCrLfFilter::IsText);
    // false also on a read error, which the next Read reports.
    bool ScanIsText();

    // The next piece of the file into out; its length, 0 only at the end, -1 on a read error.
    // With crlfToLf every CR LF pair becomes LF (ZpCrLfFilter).
    long Read(std::vector<char>& out, bool crlfToLf);

private:
    std::FILE* file_;
    std::unique_ptr<char[]> raw_; // a piece, not cleared: an archive packs thousands of files
    ZpCrLfFilter filter_;
};
