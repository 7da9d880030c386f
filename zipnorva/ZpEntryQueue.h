// Prepares entries on worker threads, a bounded window of them ahead of the one being written,
// and hands them back in the order in which they were queued. Used from one thread, the writer,
// which prepares an entry itself when no worker has taken it yet.
#pragma once

#include "zipnorva/ZpEntryCompressor.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class ZpEntryQueue {
public:
    // Starts the workers: one per processor, at least one, each with a compressor of its own
    // (when no thread can be started, the writer prepares every entry). At most four entries per
    // worker are queued or prepared and not yet released, so that the memory in flight stays
    // within a few files' worth per worker whatever the archive's size.
    ZpEntryQueue(int level, bool crlfToLf);
    // Stops the workers; an entry being prepared is finished first.
    ~ZpEntryQueue();
    ZpEntryQueue(const ZpEntryQueue&) = delete;
    ZpEntryQueue& operator=(const ZpEntryQueue&) = delete;

    // How many entries can be queued and not yet released.
    size_t Capacity() const { return slots_.size(); }
    bool HasRoom() const { return queued_ - released_ < slots_.size(); }
    // The next entry to queue (only while HasRoom): set its path and deflate, then Queue.
    ZpPreparedEntry& NextToQueue() { return slots_[queued_ % slots_.size()].entry; }
    void Queue();

    // The oldest entry queued and not yet released, once it is prepared; valid until Release.
    ZpPreparedEntry& Oldest();
    void Release();

private:
    struct Slot {
        ZpPreparedEntry entry;
        bool prepared = false;
    };

    static void Prepare(ZpEntryCompressor* compressor, ZpPreparedEntry& entry);
    void Work(int level, bool crlfToLf);

    ZpEntryCompressor compressor_; // the writer's own
    std::vector<Slot> slots_;
    size_t queued_ = 0;   // entries queued so far
    size_t taken_ = 0;    // of those, taken to be prepared (in the order queued)
    size_t released_ = 0; // of those, released
    size_t idleWorkers_ = 0;
    bool writerWaiting_ = false;
    bool stopping_ = false;
    std::mutex mutex_;
    std::condition_variable waiting_;  // workers: entries were queued, or stop
    std::condition_variable prepared_; // the writer: an entry was prepared
    std::vector<std::thread> workers_;
};
