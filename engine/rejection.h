#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarinox::detail {

// What [clases] and [rechazo] may hold. The automaton that reads the patterns
// has at most `states` states, so no file can make it large or slow to build.
namespace rejection_limits {
inline constexpr std::size_t patterns = 64;
inline constexpr std::size_t classes = 64;
inline constexpr std::size_t class_pieces = 64;
inline constexpr std::size_t states = 4096;
}  // namespace rejection_limits

// A class of [clases]: the pieces that {name} stands for in a pattern.
struct PieceClass {
    std::string name;
    std::vector<std::string> pieces;
};

// The patterns of [rechazo], read together by one automaton over the bytes of
// a name: a name is read once, byte by byte, whatever the patterns.
class Rejection {
public:
    // 0 when `name` contains none of the patterns; otherwise the number, from 1,
    // of the pattern whose match ends first in `name`, the lowest such number
    // when several end at the same byte.
    int match(std::string_view name) const
    {
        const std::uint32_t* next = table_.data();
        std::uint32_t state = start_;
        for (const char c : name)
            state = next[state + byte_class_[static_cast<unsigned char>(c)]];
        return static_cast<int>(next[state + end_column_]);
    }

    // The patterns as the file writes them, in its order.
    const std::vector<std::string>& patterns() const { return patterns_; }
    std::size_t states() const { return table_.size() / (end_column_ + 1); }

private:
    friend class RejectionBuilder;

    std::vector<std::string> patterns_;
    // Row s * (end_column_ + 1) is state s: the row of the next state for each
    // byte class, then the pattern matched when the name ends in s (0 for none).
    // A state in which a pattern has matched keeps to itself and answers it.
    std::vector<std::uint32_t> table_;
    std::array<std::uint16_t, 256> byte_class_{};
    std::uint32_t end_column_ = 0;
    std::uint32_t start_ = 0;
};

// What is wrong with pattern `pattern` (from 0), or with the patterns together
// when `pattern` is `every_pattern`.
struct PatternMistake {
    static constexpr std::size_t every_pattern = static_cast<std::size_t>(-1);
    std::size_t pattern;
    std::string message;
};

struct CompiledRejection {
    std::optional<Rejection> rejection;
    std::vector<PatternMistake> mistakes;
};

// Reads the patterns of [rechazo]: literal text, {class} for any piece of that
// class, ^ and $ for the start and the end of the whole name; letter case does
// not count. `written` is every text that the grammar may write into a name: a
// pattern that no succession of them can contain is a mistake (with none, that
// is not judged). A class without
// pieces is the caller's to report; a pattern that uses one is left out, and
// there is then no automaton.
CompiledRejection compile_rejection(std::vector<std::string> patterns, std::span<const PieceClass> classes,
                                    std::span<const std::string> written);

}  // namespace quelvarinox::detail
