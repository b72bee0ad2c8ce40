#include "cli/run_out.h"

namespace quelvarinox::cli {

std::optional<std::string> RunOutJudge::observe(std::uint64_t attempts, std::uint64_t admitted, std::uint64_t owed)
{
    attempts_ += attempts;
    admitted_ += admitted;
    if (attempts_ < window || owed == 0)
        return std::nullopt;
    const std::uint64_t tried = attempts_;
    const std::uint64_t through = admitted_;
    attempts_ = 0;
    admitted_ = 0;
    const std::string last = "de los últimos " + std::to_string(tried) + " intentos ";
    if (through == 0)
        return last + "no pasó ninguno";
    // At this rate the owed names take owed * tried / through more attempts.
    if (owed > patience / tried * through)
        return last + "solo pasaron " + std::to_string(through) + ", y a ese ritmo faltarían unos " +
               std::to_string(owed / through * tried / 1'000'000 + 1) + " millones de intentos";
    return std::nullopt;
}

}  // namespace quelvarinox::cli
