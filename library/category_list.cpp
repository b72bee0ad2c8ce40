#include "quelvarinox/quelvarinox.hpp"

#include "categories/category_table.h"

namespace quelvarinox {

const std::vector<Category>& categories()
{
    static const std::vector<Category> list = [] {
        std::vector<Category> rows;
        for (const detail::Category& category : detail::category_table())
            rows.push_back({category.display_text, category.picture_key, category.reads_huevo, category.description});
        return rows;
    }();
    return list;
}

}  // namespace quelvarinox
