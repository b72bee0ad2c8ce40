#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarinox::cli {

// The largest counts accepted: of names; of names with --unicos, which has to
// remember each one.
inline constexpr std::uint64_t max_count = 1'000'000'000'000ULL;
inline constexpr std::uint64_t max_unique_count = 10'000'000ULL;
// Names are numbered from 1 to this one, as in the library and the web page.
inline constexpr std::uint64_t last_index = std::numeric_limits<std::uint64_t>::max();
inline constexpr std::uint64_t max_letters = 1000;
inline constexpr std::uint64_t max_threads = 256;

enum class Format { text, tsv, csv, json };

// A category asked for: by its name or key, or as a grammar file to read
// ("-" for the standard input).
struct CategoryRequest {
    std::string name;
    bool grammar_file = false;
    bool operator==(const CategoryRequest&) const = default;
};

struct Options {
    // The categories asked for, as written, in order; none means every one.
    std::vector<CategoryRequest> categories;
    // --exportar, --comprobar and --aprender, which do their one thing and no other.
    std::optional<std::string> export_category;
    std::optional<std::string> check_file;
    std::optional<std::string> learn_file;
    // What --aprender names its grammar, and its minimum count (--nombre, --clave, --umbral).
    std::optional<std::string> learned_name;
    std::optional<std::string> learned_key;
    std::optional<std::uint64_t> min_count;
    std::uint64_t count = 1;
    bool alternative = false;
    std::optional<std::uint64_t> seed;
    bool unique = false;
    bool list = false;
    bool trace = false;
    bool help = false;
    bool version = false;
    Format format = Format::text;
    std::optional<std::uint64_t> min_letters;
    std::optional<std::uint64_t> max_letters;
    std::optional<std::string> prefix;
    bool without_offensive = false;
    std::optional<std::string> exclude_file;
    std::optional<std::string> record_file;
    std::uint64_t first_index = 1;
    std::optional<std::uint64_t> threads;
};

struct ParsedOptions {
    Options options;
    // A Spanish message for the user when the command line is wrong; empty otherwise.
    std::string error;
};

ParsedOptions parse_options(int argc, char** argv);

// A whole number between `min` and `max`, written with digits only, or a Spanish
// message saying why `text` is not one; `what` names it ("La cantidad").
struct WholeNumber {
    std::uint64_t value = 0;
    std::string error;
};
WholeNumber parse_whole_number(std::string_view text, std::uint64_t min, std::uint64_t max, std::string_view what);

}  // namespace quelvarinox::cli
