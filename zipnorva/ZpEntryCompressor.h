// Prepares a file for the archive away from the archive itself: reads it once, decides whether it
// is text, translates its line ends, takes its checksum and deflates it, so that the packer only
// has to write the result. Runs on a worker thread: it touches no state of the packer's.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>
#include <zlib.h>

// One entry as it goes to a worker and comes back.
struct ZpPreparedEntry {
    enum Outcome { kReady, kTooLarge, kCannotRead, kCannotCompress };

    // Given: the file's descriptor open for reading (-1 for a folder; it stays open) and whether
    // its data are deflated or stored as they are.
    int file = -1;
    bool deflate = false;

    // Given back. kTooLarge: the file is to be streamed by the packer; the rest is left unset.
    Outcome outcome = kReady;
    bool isText = false;
    unsigned long crc = 0;           // of the bytes stored, after any translation
    unsigned long long size = 0;     // their count
    std::vector<unsigned char> data; // the entry's data as they go into the archive
};

class ZpEntryCompressor {
public:
    // Files up to this size are read whole into memory; larger ones are streamed by the packer.
    static const size_t kWholeFileLimit = 256 * 1024;

    // level is zlib's (-1 for its default); with crlfToLf, CR LF becomes LF in text files.
    ZpEntryCompressor(int level, bool crlfToLf);
    ~ZpEntryCompressor();
    ZpEntryCompressor(const ZpEntryCompressor&) = delete;
    ZpEntryCompressor& operator=(const ZpEntryCompressor&) = delete;

    // Fills in what entry gives back. The deflated data are those that minizip writes for the
    // same bytes handed over as the streamed reading hands them (raw deflate, its window and
    // memory level, its output buffer of 64 KiB), so that an archive does not depend on which
    // of the two wrote an entry.
    void Prepare(ZpPreparedEntry& entry);

private:
    ZpPreparedEntry::Outcome ReadWhole(int file, size_t& size);
    bool Deflate(const char* data, size_t size, size_t endSize, std::vector<unsigned char>& out);
    bool StartStream();
    void NextOutputStep();

    int level_;
    bool crlfToLf_;
    std::unique_ptr<char[]> input_; // kWholeFileLimit + 1 bytes, to tell a larger file
    std::unique_ptr<char[]> text_;  // the translated bytes
    std::unique_ptr<unsigned char[]> output_;
    size_t outputCapacity_ = 0;
    z_stream stream_ = {};
    bool streamStarted_ = false;
};
