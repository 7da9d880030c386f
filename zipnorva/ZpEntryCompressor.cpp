#include "zipnorva/ZpEntryCompressor.h"

#include "zipnorva/ZpCrLfFilter.h"
#include "zipnorva/ZpSourceFile.h"

#include <algorithm>
#include <cstring>
#include <zip.h>

namespace {

const size_t kOutputStep = 64 * 1024; // minizip's output buffer

} // namespace

ZpEntryCompressor::ZpEntryCompressor(int level, bool crlfToLf)
    : level_(level), crlfToLf_(crlfToLf), input_(new char[kWholeFileLimit + 1]), text_(new char[kWholeFileLimit + 1])
{
}

ZpEntryCompressor::~ZpEntryCompressor()
{
    if (streamStarted_)
        deflateEnd(&stream_);
}

void ZpEntryCompressor::Prepare(ZpPreparedEntry& entry)
{
    entry.outcome = ZpPreparedEntry::kReady;
    entry.isText = false;
    entry.crc = crc32(0, nullptr, 0);
    entry.size = 0;
    entry.data.clear();
    if (entry.file < 0)
        return;
    size_t size = 0;
    entry.outcome = ReadWhole(entry.file, size);
    if (entry.outcome != ZpPreparedEntry::kReady)
        return;

    entry.isText = ZpCrLfFilter::IsText(input_.get(), size);
    const char* bytes = input_.get();
    size_t endSize = 0; // a CR held back to the very end, handed over on its own as when streamed
    if (crlfToLf_ && entry.isText) {
        ZpCrLfFilter filter;
        size = filter.Filter(input_.get(), size, text_.get());
        endSize = filter.Finish(text_.get() + size);
        bytes = text_.get();
    }
    entry.size = size + endSize;
    entry.crc = crc32(entry.crc, reinterpret_cast<const Bytef*>(bytes), static_cast<uInt>(entry.size));
    if (!entry.deflate)
        entry.data.assign(bytes, bytes + entry.size);
    else if (!Deflate(bytes, size, endSize, entry.data))
        entry.outcome = ZpPreparedEntry::kCannotCompress;
}

// Reads the file from its start into input_; kTooLarge when it holds more than kWholeFileLimit
// bytes.
ZpPreparedEntry::Outcome ZpEntryCompressor::ReadWhole(int file, size_t& size)
{
    long got = ZpSourceFile::ReadAt(file, input_.get(), kWholeFileLimit + 1, 0);
    if (got < 0)
        return ZpPreparedEntry::kCannotRead;
    size = static_cast<size_t>(got);
    return size > kWholeFileLimit ? ZpPreparedEntry::kTooLarge : ZpPreparedEntry::kReady;
}

// Deflates data, then its last endSize bytes, each as one write of minizip's, into out.
bool ZpEntryCompressor::Deflate(const char* data, size_t size, size_t endSize, std::vector<unsigned char>& out)
{
    if (!StartStream())
        return false;
    NextOutputStep();
    for (size_t piece : {size, endSize}) {
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
        stream_.avail_in = static_cast<uInt>(piece);
        data += piece;
        while (stream_.avail_in > 0) {
            if (stream_.avail_out == 0)
                NextOutputStep();
            if (deflate(&stream_, Z_NO_FLUSH) != Z_OK)
                return false;
        }
    }
    for (int rc = Z_OK; rc != Z_STREAM_END;) {
        if (stream_.avail_out == 0)
            NextOutputStep();
        if ((rc = deflate(&stream_, Z_FINISH)) != Z_OK && rc != Z_STREAM_END)
            return false;
    }
    out.assign(output_.get(), output_.get() + stream_.total_out);
    return true;
}

// A stream as minizip opens one for an entry; kept from entry to entry and reset.
bool ZpEntryCompressor::StartStream()
{
    if (streamStarted_)
        return deflateReset(&stream_) == Z_OK;
    stream_ = {};
    streamStarted_ = deflateInit2(&stream_, level_, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY) == Z_OK;
    return streamStarted_;
}

// Gives deflate the next 64 KiB of output, as minizip does when its buffer is full.
void ZpEntryCompressor::NextOutputStep()
{
    size_t used = stream_.total_out;
    if (used + kOutputStep > outputCapacity_) {
        size_t capacity = std::max(2 * outputCapacity_, used + kOutputStep);
        std::unique_ptr<unsigned char[]> larger(new unsigned char[capacity]);
        if (used > 0)
            std::memcpy(larger.get(), output_.get(), used);
        output_ = std::move(larger);
        outputCapacity_ = capacity;
    }
    stream_.next_out = output_.get() + used;
    stream_.avail_out = kOutputStep;
}
