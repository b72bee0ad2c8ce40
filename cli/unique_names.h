#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quelvarinox::cli {

// Remembers the names given so far in a run of --unicos. A category is taken to
// have run out when this many names in a row were all repeats.
class UniqueNames {
public:
    explicit UniqueNames(std::uint64_t repeats_before_giving_up = 100'000)
        : patience_(repeats_before_giving_up)
    {
    }

    // True for a name not given before, which is then remembered.
    bool admit(std::string_view name)
    {
        if (seen_.emplace(name).second) {
            repeats_in_a_row_ = 0;
            return true;
        }
        ++repeats_in_a_row_;
        return false;
    }
    bool exhausted() const { return repeats_in_a_row_ >= patience_; }
    void forget()
    {
        seen_.clear();
        repeats_in_a_row_ = 0;
    }

private:
    std::uint64_t patience_;
    std::uint64_t repeats_in_a_row_ = 0;
    std::unordered_set<std::string> seen_;
};

}  // namespace quelvarinox::cli
