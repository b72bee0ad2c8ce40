#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quelvarinox::cli {

// Tells when the names a category still owes have become too rare to come in
// reasonable time. It looks at windows of attempts: a window in which no name
// got through, or one whose rate of names let through would need more than
// `patience` further attempts to make up what is owed, ends the run. Counting
// attempts rather than seconds, the point where a run gives up is the same on
// every machine and with any number of threads; here a window takes about a
// second, and the patience a few minutes.
class RunOutJudge {
public:
    static constexpr std::uint64_t window = std::uint64_t{1} << 22;
    static constexpr std::uint64_t patience = std::uint64_t{1} << 30;

    // `attempts` names were made, of which `admitted` got through, and `owed`
    // are still wanted. Returns the reason to give up, or nothing.
    std::optional<std::string> observe(std::uint64_t attempts, std::uint64_t admitted, std::uint64_t owed);

private:
    std::uint64_t attempts_ = 0;
    std::uint64_t admitted_ = 0;
};

}  // namespace quelvarinox::cli
