#pragma once

#include <string>
#include <string_view>

#include "categories/category_table.h"
#include "categories/name_maker.h"

namespace quelvarinox::cli {

// What a line says of one name.
struct NameLine {
    const Category& category;
    std::string_view name;
    const NameMaker& maker;
};

// How a name becomes a line of output.
class LineFormat {
public:
    virtual ~LineFormat() = default;
    // Appends the line of `line`, with its newline, to `out`.
    virtual void append(const NameLine& line, std::string& out) const = 0;
};

// The plain text of the tool: the name, after its category and a tab when the
// run covers every category, and before a tab and its draws when traced.
class TextLines final : public LineFormat {
public:
    TextLines(bool labelled, bool traced) : labelled_(labelled), traced_(traced) {}

    void append(const NameLine& line, std::string& out) const override
    {
        if (labelled_) {
            out += line.category.display_text;
            out += '\t';
        }
        out += line.name;
        if (traced_) {
            out += '\t';
            line.maker.append_trace(out);
        }
        out += '\n';
    }

private:
    bool labelled_;
    bool traced_;
};

}  // namespace quelvarinox::cli
