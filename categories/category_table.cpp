#include "categories/category_table.h"

#include <array>

#include "grammars/planet_grammars.h"

namespace quelvarinox {

namespace {

constexpr std::array categories{
    Category{1, "Adumar", "adumar", Nombre_adumar, false},
};

}  // namespace

std::span<const Category> category_table() { return categories; }

const Category* find_category(std::string_view display_text)
{
    for (const Category& category : categories)
        if (category.display_text == display_text)
            return &category;
    return nullptr;
}

}  // namespace quelvarinox
