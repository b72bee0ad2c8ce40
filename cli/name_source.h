#pragma once

#include <memory>
#include <string>

#include "categories/category_table.h"
#include "core/draw_log.h"
#include "core/generation_context.h"
#include "core/random_source.h"

namespace quelvarinox::cli {

// Makes names one generator call at a time, in the chosen mode, and keeps the
// draws of the last call when a trace was asked for.
class NameSource {
public:
    NameSource(std::unique_ptr<RandomSource> random, bool alternative, bool trace)
        : random_(std::move(random)), ctx_(*random_, trace ? &log_ : nullptr)
    {
        ctx_.huevo = alternative ? "1" : "0";
    }

    const std::string& make(const Category& category)
    {
        log_.clear();
        category.generator(ctx_, name_);
        return name_;
    }

    const std::string& name() const { return name_; }
    void append_trace(std::string& out) const { log_.append_trace(out); }

private:
    std::unique_ptr<RandomSource> random_;
    DrawLog log_;
    GenerationContext ctx_;
    std::string name_;
};

}  // namespace quelvarinox::cli
