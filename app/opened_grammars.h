#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "categories/category_table.h"

namespace quelvarinox::app {

// The grammar files opened in the window, each a category of the list for as
// long as the window is open, after the built-in ones.
class OpenedGrammars {
public:
    OpenedGrammars();
    ~OpenedGrammars();
    OpenedGrammars(const OpenedGrammars&) = delete;
    OpenedGrammars& operator=(const OpenedGrammars&) = delete;

    // The grammar read from `path`, listed under its display text; a grammar
    // listed under the same text before gives way to it, as when a file is
    // opened again after an edit. `mistakes` receives, one a line, why a file
    // could not be added; the result is then null.
    const detail::Category* open(const std::string& path, std::string& mistakes);

    // The opened grammar listed as `text`, or null.
    const detail::Category* find(std::string_view text) const;

    // Position in the list of opened grammars, from 0; the count of them for a
    // category that is not one.
    std::size_t index_of(const detail::Category& category) const;
    bool holds(const detail::Category& category) const { return index_of(category) < opened_.size(); }

private:
    struct Opened;
    std::vector<std::unique_ptr<const Opened>> opened_;
};

}  // namespace quelvarinox::app
