#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "categories/category_table.h"
#include "cli/options.h"

namespace quelvarinox::cli {

// What a line says of one name.
struct NameLine {
    const detail::Category& category;
    std::string_view name;
    std::uint64_t seed;
    std::uint64_t index;
    // The draws behind the name, when the run is traced.
    std::string_view trace;
};

// How a name becomes a line of output.
class LineFormat {
public:
    virtual ~LineFormat() = default;
    // What goes before the first line: a header row, or nothing.
    virtual std::string header() const { return {}; }
    // Appends the line, with its end, to `out`.
    virtual void append(const NameLine& line, std::string& out) const = 0;
};

// The format of --formato. `labelled` puts each name's category before it in
// plain text, for runs of more than one category; `traced` adds the draws.
std::unique_ptr<LineFormat> make_line_format(Format format, bool labelled, bool traced);

// `text` as a JSON string, quotes included, for text that is valid UTF-8.
void append_json_string(std::string_view text, std::string& out);

}  // namespace quelvarinox::cli
