#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::cli {

// A name as the filters compare it: lower case, and the accented Latin
// letters written without their accent ("Élan" and "elan" fold alike). Other
// characters stay as they are.
std::string folded(std::string_view text);

}  // namespace quelvarinox::cli
