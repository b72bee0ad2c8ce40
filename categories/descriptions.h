#pragma once

#include <string_view>

namespace quelvarinox {

// The Spanish paragraph that the description view shows for a category, found
// by its picture key ("adumar", "varkh", "planeta", ...).
std::string_view category_description(std::string_view picture_key);

}  // namespace quelvarinox
