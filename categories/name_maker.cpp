#include "categories/name_maker.h"

#include <string_view>

namespace quelvarinox::detail {

namespace {

// A category's stream is named by its picture key, which outlives its place in
// the list: FNV-1a over the key's bytes.
std::uint64_t stream_of(std::string_view picture_key)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : picture_key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

}  // namespace

NameMaker::NameMaker(std::uint64_t seed, bool keep_trace)
    : seed_(seed), random_(seed), ctx_(random_, keep_trace ? &log_ : nullptr)
{
}

const std::string& NameMaker::make(const Category& category, std::uint64_t index, bool alternative)
{
    if (&category != last_category_) {
        last_category_ = &category;
        stream_ = stream_of(category.picture_key);
    }
    if (ctx_.alternative_mode() != alternative)
        ctx_.huevo.assign(1, alternative ? '1' : '0');
    log_.clear();
    random_.start_name(stream_, index);
    refusal_ = make_name(category, ctx_, name_);
    return name_;
}

}  // namespace quelvarinox::detail
