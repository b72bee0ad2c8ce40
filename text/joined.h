#pragma once

#include <span>
#include <string>

namespace quelvarinox::detail {

// Items as a Spanish sentence lists them: "a", "a y b", "a, b y c".
std::string joined(std::span<const std::string> items);

}  // namespace quelvarinox::detail
