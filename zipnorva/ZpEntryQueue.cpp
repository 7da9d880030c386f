#include "zipnorva/ZpEntryQueue.h"

#include <algorithm>
#include <exception>

namespace {

const size_t kEntriesPerWorker = 4;
// Idle workers are woken for this many entries at a time: small files take less time to prepare
// than a wake-up, and the writer prepares an entry itself when it finds it untaken.
const size_t kEntriesPerWakeUp = 4;

size_t WorkerCount() { return std::max(1u, std::thread::hardware_concurrency()); }

} // namespace

ZpEntryQueue::ZpEntryQueue(int level, bool crlfToLf)
    : compressor_(level, crlfToLf), slots_(kEntriesPerWorker * WorkerCount())
{
    try {
        for (size_t i = 0; i < WorkerCount(); ++i)
            workers_.emplace_back(&ZpEntryQueue::Work, this, level, crlfToLf);
    } catch (const std::exception&) { // fewer workers, or none: the writer still prepares every entry
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
    std::lock_guard<std::mutex> lock(mutex_);
    ++queued_;
    if (idleWorkers_ > 0 && queued_ - taken_ >= kEntriesPerWakeUp)
        waiting_.notify_one();
}

ZpPreparedEntry& ZpEntryQueue::Oldest()
{
    Slot& slot = slots_[released_ % slots_.size()];
    std::unique_lock<std::mutex> lock(mutex_);
    if (!slot.prepared && taken_ == released_ && taken_ < queued_) {
        if (idleWorkers_ > 0 && queued_ - taken_ > 1) // fewer than a wake-up's worth wait behind it
            waiting_.notify_one();
        ++taken_;
        lock.unlock();
        Prepare(&compressor_, slot.entry);
        lock.lock();
        slot.prepared = true;
    }
    writerWaiting_ = true;
    prepared_.wait(lock, [&slot] { return slot.prepared; });
    writerWaiting_ = false;
    return slot.entry;
}

void ZpEntryQueue::Release()
{
    std::lock_guard<std::mutex> lock(mutex_);
    slots_[released_ % slots_.size()].prepared = false;
    ++released_;
}

// A compressor that could not be made, or memory that runs out, fails the entry, which the
// packer reports.
void ZpEntryQueue::Prepare(ZpEntryCompressor* compressor, ZpPreparedEntry& entry)
{
    entry.outcome = ZpPreparedEntry::kCannotCompress;
    try {
        if (compressor)
            compressor->Prepare(entry);
    } catch (const std::exception&) {
        entry.outcome = ZpPreparedEntry::kCannotCompress;
    }
}

void ZpEntryQueue::Work(int level, bool crlfToLf)
{
    std::unique_ptr<ZpEntryCompressor> compressor;
    try {
        compressor.reset(new ZpEntryCompressor(level, crlfToLf));
    } catch (const std::exception&) {
    }
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        ++idleWorkers_;
        waiting_.wait(lock, [this] { return stopping_ || taken_ < queued_; });
        --idleWorkers_;
        if (stopping_)
            return;
        Slot& slot = slots_[taken_++ % slots_.size()];
        lock.unlock();
        Prepare(compressor.get(), slot.entry);
        lock.lock();
        slot.prepared = true;
        if (writerWaiting_)
            prepared_.notify_one();
    }
}
