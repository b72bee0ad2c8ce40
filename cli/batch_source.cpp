#include "cli/batch_source.h"

#include <algorithm>

#include "cli/options.h"

namespace quelvarinox::cli {

BatchSource::BatchSource(const BatchRecipe& recipe, std::uint64_t seed, std::uint64_t first_index,
                         std::uint64_t batch_size, unsigned threads)
    : recipe_(recipe), first_index_(first_index), batch_size_(batch_size), inline_maker_(seed, recipe.traced)
{
    if (threads < 2)
        return;
    for (unsigned i = 0; i < threads; ++i)
        workers_.push_back(std::make_unique<Worker>(seed, recipe.traced));
    for (unsigned i = 0; i < threads; ++i)
        workers_[i]->thread = std::thread(&BatchSource::work, this, std::ref(*workers_[i]), std::uint64_t{i});
}

BatchSource::~BatchSource()
{
    stopping_ = true;
    for (const auto& worker : workers_) {
        // Taking the lock once makes sure no worker is between its check and its wait.
        { const std::lock_guard lock(worker->mutex); }
        worker->changed.notify_all();
    }
    for (const auto& worker : workers_)
        worker->thread.join();
}

BatchSource::Indexes BatchSource::indexes_of(std::uint64_t batch) const
{
    const std::uint64_t after_first = last_index - first_index_;
    if (batch > after_first / batch_size_)
        return {last_index, 0};
    const std::uint64_t offset = batch * batch_size_;
    return {first_index_ + offset, std::min(batch_size_, after_first - offset + 1)};
}

void BatchSource::work(Worker& worker, std::uint64_t first_batch)
{
    for (std::uint64_t batch = first_batch;; batch += workers_.size()) {
        std::unique_ptr<NameBatch> made;
        {
            std::unique_lock lock(worker.mutex);
            worker.changed.wait(lock, [&] { return stopping_ || worker.done.size() < ahead; });
            if (stopping_)
                return;
            if (!worker.free.empty()) {
                made = std::move(worker.free.back());
                worker.free.pop_back();
            }
        }
        if (!made)
            made = std::make_unique<NameBatch>();
        const Indexes indexes = indexes_of(batch);
        make_batch(worker.maker, recipe_, indexes.first, indexes.count, *made);
        {
            const std::lock_guard lock(worker.mutex);
            worker.done.push_back(std::move(made));
        }
        worker.changed.notify_all();
    }
}

const NameBatch& BatchSource::next()
{
    const std::uint64_t batch = handed_out_++;
    if (workers_.empty()) {
        const Indexes indexes = indexes_of(batch);
        make_batch(inline_maker_, recipe_, indexes.first, indexes.count, inline_batch_);
        return inline_batch_;
    }
    // One lock at a time: the batch handed out last goes back to its maker
    // before the next one is waited for.
    if (current_) {
        Worker& previous = *workers_[(batch - 1) % workers_.size()];
        const std::lock_guard lock(previous.mutex);
        previous.free.push_back(std::move(current_));
    }
    Worker& worker = *workers_[batch % workers_.size()];
    std::unique_lock lock(worker.mutex);
    worker.changed.wait(lock, [&] { return !worker.done.empty(); });
    current_ = std::move(worker.done.front());
    worker.done.pop_front();
    lock.unlock();
    worker.changed.notify_all();
    return *current_;
}

}  // namespace quelvarinox::cli
