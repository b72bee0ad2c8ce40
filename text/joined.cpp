#include "text/joined.h"

namespace quelvarinox::detail {

std::string joined(std::span<const std::string> items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " y " : ", ";
        text += items[i];
    }
    return text;
}

}  // namespace quelvarinox::detail
