#include "tests/support/scripted_random.h"

#include <charconv>
#include <stdexcept>
#include <string>

namespace quelvarinox::detail::testing {

namespace {

int number(std::string_view text)
{
    int value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc{} || end != text.data() + text.size())
        throw std::invalid_argument("scripted draw is not a number: " + std::string(text));
    return value;
}

}  // namespace

ScriptedRandom::ScriptedRandom(std::string_view script)
{
    while (!script.empty()) {
        const std::size_t space = script.find(' ');
        const std::string_view token = script.substr(0, space);
        script.remove_prefix(space == std::string_view::npos ? script.size() : space + 1);
        if (token.empty())
            continue;
        if (token == "R") {
            steps_.push_back({true, 0.0});
            continue;
        }
        // A rejected attempt's mark draws nothing.
        if (token.front() == 'X')
            continue;
        const std::size_t colon = token.find(':');
        if (colon == std::string_view::npos)
            throw std::invalid_argument("scripted draw without a colon: " + std::string(token));
        const int value = number(token.substr(colon + 1));
        const std::string_view multiplier = token.substr(0, colon);
        const double uniform = multiplier == "u" ? (value - 1) / 100.0
                                                 : static_cast<double>(value) / number(multiplier);
        steps_.push_back({false, uniform});
    }
}

void ScriptedRandom::reseed()
{
    // A reseed that the script does not expect is consumed by nothing; it still
    // shows in the draw log, where the comparison with the script catches it.
    if (next_ < steps_.size() && steps_[next_].reseed)
        ++next_;
}

double ScriptedRandom::uniform()
{
    while (next_ < steps_.size() && steps_[next_].reseed)
        ++next_;
    if (next_ == steps_.size())
        return 0.0;
    return steps_[next_++].uniform;
}

}  // namespace quelvarinox::detail::testing
