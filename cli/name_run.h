#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

#include "categories/category_table.h"
#include "cli/line_format.h"
#include "cli/name_filter.h"
#include "categories/name_maker.h"
#include "cli/output.h"

namespace quelvarinox::cli {

// The tool's loop: names are made, passed through the filters, and the ones
// they admit are written and counted.
class NameRun {
public:
    NameRun(NameMaker& maker, bool alternative, std::span<NameFilter* const> filters, const LineFormat& format, Output& out,
            std::ostream& err)
        : maker_(maker), alternative_(alternative), filters_(filters), format_(format), out_(out), err_(err)
    {
    }

    // Writes `count` names of `category`. Returns false, after saying so, when
    // the filters turn down so many names in a row that the category has run out.
    bool write_names(const Category& category, std::uint64_t count);

private:
    // The filter that turns `name` down, or nullptr.
    NameFilter* rejecting_filter(std::string_view name) const;

    static constexpr std::uint64_t rejections_before_giving_up = 100'000;

    NameMaker& maker_;
    bool alternative_;
    std::span<NameFilter* const> filters_;
    const LineFormat& format_;
    Output& out_;
    std::ostream& err_;
    std::string line_;
};

}  // namespace quelvarinox::cli
