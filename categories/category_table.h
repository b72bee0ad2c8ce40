#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/generation_context.h"
#include "engine/grammar.h"
#include "engine/grammar_engine.h"

namespace quelvarinox::detail {

// One row of the category list: everything the programs know of a category.
struct Category {
    // Shown in the list; also the key of the window's dispatch, compared exactly.
    std::string_view display_text;
    // Names the picture file (see picture_file_name) and is the tool's short name.
    std::string_view picture_key;
    // What makes its names: a program, or a grammar file run by the engine.
    NameGenerator generator;
    const Grammar* grammar;
    // Whether the generator reads the alternative-mode flag huevo.
    bool reads_huevo;
    // The Spanish paragraph of the description view.
    std::string_view description;
};

// Makes one name of `category` in `name`; a grammar's [rechazo] may refuse it
// (see make_grammar_name).
Refusal make_name(const Category& category, GenerationContext& ctx, std::string& name);

// The categories in the order of the list.
std::span<const Category> category_table();

// A category for a grammar read from a user's file: its names come from the
// grammar's own stream, named by its key, as a built-in category's do.
Category category_of_grammar(const Grammar& grammar);

// 1 for the first row of the table, and so on.
std::size_t position_of(const Category& category);

// The row whose display text is exactly `display_text`, or nullptr.
const Category* find_category(std::string_view display_text);

// The row named by `name`, its display text or its picture key, in any letter
// case and with blanks around; nullptr when it names none.
const Category* find_category_by_name(std::string_view name);

// What the window shows for a text that names no category: Alderaan.
const Category& fallback_category();

// "plnt_<key>.jpg".
std::string picture_file_name(const Category& category);

}  // namespace quelvarinox::detail
