#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quelvarinox::cli {

// The largest --cantidad accepted, and the largest with --unicos, which has to
// remember every name it gave.
inline constexpr std::uint64_t max_count = 1'000'000'000'000ULL;
inline constexpr std::uint64_t max_unique_count = 10'000'000ULL;

struct Options {
    std::optional<std::string> category;
    std::uint64_t count = 1;
    bool alternative = false;
    std::optional<std::uint64_t> seed;
    bool unique = false;
    bool list = false;
    bool trace = false;
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    Options options;
    // A Spanish message for the user when the command line is wrong; empty otherwise.
    std::string error;
};

ParsedOptions parse_options(int argc, char** argv);

// A whole number between 0 and max, or a Spanish message saying why `text` is not one.
struct WholeNumber {
    std::uint64_t value = 0;
    std::string error;
};
WholeNumber parse_whole_number(std::string_view text, std::uint64_t max, std::string_view what);

}  // namespace quelvarinox::cli
