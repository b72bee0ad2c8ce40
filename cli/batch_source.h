#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/name_batch.h"

namespace quelvarinox::cli {

// The batches of a category's run, handed out in order: batch k holds indexes
// first + k * size onwards, fewer where the last index comes, and past it none,
// an empty batch. With one thread they are made when asked for; with more, each
// thread makes every k-th batch ahead, so what comes out is the same whatever
// the number of threads.
class BatchSource {
public:
    BatchSource(const BatchRecipe& recipe, std::uint64_t seed, std::uint64_t first_index, std::uint64_t batch_size,
                unsigned threads);
    ~BatchSource();
    BatchSource(const BatchSource&) = delete;
    BatchSource& operator=(const BatchSource&) = delete;

    // The next batch, valid until the next call.
    const NameBatch& next();

private:
    struct Worker {
        explicit Worker(std::uint64_t seed, bool traced) : maker(seed, traced) {}
        detail::NameMaker maker;
        std::mutex mutex;
        std::condition_variable changed;
        std::deque<std::unique_ptr<NameBatch>> done;
        std::vector<std::unique_ptr<NameBatch>> free;
        std::thread thread;
    };

    struct Indexes {
        std::uint64_t first;
        std::uint64_t count;
    };
    Indexes indexes_of(std::uint64_t batch) const;

    void work(Worker& worker, std::uint64_t first_batch);

    // Batches a worker may have made and not yet handed over.
    static constexpr std::size_t ahead = 2;

    BatchRecipe recipe_;
    std::uint64_t first_index_;
    std::uint64_t batch_size_;
    std::uint64_t handed_out_ = 0;
    detail::NameMaker inline_maker_;
    NameBatch inline_batch_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::unique_ptr<NameBatch> current_;
    std::atomic<bool> stopping_ = false;
};

}  // namespace quelvarinox::cli
