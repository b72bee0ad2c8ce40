#pragma once

#include <span>
#include <string_view>

#include "core/generation_context.h"

namespace quelvarinox {

// One entry of the category list. The display text is also the key of the
// window's dispatch; the picture key names the file dibujos/plnt_<key>.jpg.
struct Category {
    int position;
    std::string_view display_text;
    std::string_view picture_key;
    Generator generator;
    bool reads_huevo;
};

// The categories in the order of the list, 1 to 35.
std::span<const Category> category_table();

// The entry whose display text is exactly `display_text`, or nullptr.
const Category* find_category(std::string_view display_text);

}  // namespace quelvarinox
