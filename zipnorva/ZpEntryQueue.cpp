#include "zipnorva/ZpEntryQueue.h"

#include <algorithm>
#include <exception>
#include <memory>

namespace {

const size_t kEntriesPerWorker = 4;

size_t WorkerCount() { return std::max(1u, std::thread::hardware_concurrency()); }

} // namespace

ZpEntryQueue::ZpEntryQueue(int level, bool crlfToLf) : slots_(kEntriesPerWorker * WorkerCount())
{
    size_t count = WorkerCount();
    try {
        for (size_t i = 0; i < count; ++i)
            workers_.emplace_back(&ZpEntryQueue::Work, this, level, crlfToLf);
    } catch (const std::exception&) {
        if (workers_.empty())
            throw;
    }
}

ZpEntryQueue::~ZpEntryQueue()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    waiting_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void ZpEntryQueue::Queue()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++queued_;
    }
    waiting_.notify_one();
}

ZpPreparedEntry& ZpEntryQueue::Oldest()
{
    Slot& slot = slots_[released_ % slots_.size()];
    std::unique_lock<std::mutex> lock(mutex_);
    prepared_.wait(lock, [&slot] { return slot.prepared; });
    return slot.entry;
}

void ZpEntryQueue::Release()
{
    std::lock_guard<std::mutex> lock(mutex_);
    slots_[released_ % slots_.size()].prepared = false;
    ++released_;
}

void ZpEntryQueue::Work(int level, bool crlfToLf)
{
    std::unique_ptr<ZpEntryCompressor> compressor;
    try {
        compressor.reset(new ZpEntryCompressor(level, crlfToLf));
    } catch (const std::exception&) { // out of memory: every entry this worker takes fails
    }
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        waiting_.wait(lock, [this] { return stopping_ || taken_ < queued_; });
        if (stopping_)
            return;
        Slot& slot = slots_[taken_++ % slots_.size()];
        lock.unlock();
        slot.entry.outcome = ZpPreparedEntry::kCannotCompress;
        try {
            if (compressor)
                compressor->Prepare(slot.entry);
        } catch (const std::exception&) { // out of memory: the packer reports the entry
            slot.entry.outcome = ZpPreparedEntry::kCannotCompress;
        }
        lock.lock();
        slot.prepared = true;
        prepared_.notify_one();
    }
}
