#pragma once

#include <cstdint>
#include <string>

#include "categories/category_table.h"
#include "core/draw_log.h"
#include "core/generation_context.h"
#include "core/random_source.h"

namespace quelvarinox::detail {

// The names of a reproducible run: name `index` of a category, counted from 1,
// depends only on the run's seed, the category and the index. The tool, the
// library and its bindings all make their names here, so one seed gives the
// same names through each of them.
class NameMaker {
public:
    // With `keep_trace`, the draws of the last name are kept for its trace.
    explicit NameMaker(std::uint64_t seed, bool keep_trace = false);
    NameMaker(const NameMaker&) = delete;
    NameMaker& operator=(const NameMaker&) = delete;

    std::uint64_t seed() const { return seed_; }

    // The name, valid until the next call.
    const std::string& make(const Category& category, std::uint64_t index, bool alternative);

    // Whether the grammar's [rechazo] refused the last name: then it was not
    // given, and the string holds its last rejected attempt.
    const Refusal& refusal() const { return refusal_; }

    // The draws behind the last name, in the tool's notation ("R 18:3 ...").
    void append_trace(std::string& out) const { log_.append_trace(out); }
    // The same draws, one by one, for a maker that keeps them.
    const DrawLog& draws() const { return log_; }

private:
    std::uint64_t seed_;
    SeededRandom random_;
    DrawLog log_;
    GenerationContext ctx_;
    std::string name_;
    Refusal refusal_;
    const Category* last_category_ = nullptr;
    std::uint64_t stream_{};
};

}  // namespace quelvarinox::detail
