#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <unordered_set>

#include "categories/category_table.h"
#include "cli/line_format.h"
#include "cli/name_batch.h"
#include "cli/name_condition.h"
#include "cli/name_files.h"
#include "cli/output.h"
#include "cli/progress.h"

namespace quelvarinox::cli {

// What every category of a run shares.
struct RunSettings {
    std::uint64_t count;
    std::uint64_t first_index;
    std::uint64_t seed;
    bool alternative;
    bool traced;
    bool unique;
    unsigned threads;
    std::span<const NameCondition* const> conditions;
    const LineFormat& format;
};

// The tool's loop: names are made in batches, the conditions and the rule of
// no repeats pass them or turn them down, and the ones let through are
// written, noted in the --anotar file and counted.
class NameRun {
public:
    enum class Outcome { done, ran_out, failed };

    NameRun(const RunSettings& settings, Output& out, NameRecorder* recorder, Progress& progress, std::ostream& err)
        : settings_(settings), out_(out), recorder_(recorder), progress_(progress), err_(err)
    {
    }

    // Writes the run's count of names of `category`; a category that runs out
    // or a recorder that fails is reported here.
    Outcome write_names(const detail::Category& category);

private:
    // What the names a category's run turned down lacked: being new, and each
    // condition that turned some down.
    std::string unmet(std::span<const std::uint64_t> rejected, std::uint64_t repeats) const;
    // Says that `category` did not give the name that its grammar refused,
    // after `done` names.
    Outcome refused(const detail::Category& category, std::uint64_t done, const NameBatch::Refused& refused);
        // Says that `category` gave only `done` names, and why.
    Outcome ran_out(const detail::Category& category, std::uint64_t done, std::span<const std::uint64_t> rejected,
                    std::uint64_t repeats, const std::string& reason);

    const RunSettings& settings_;
    Output& out_;
    NameRecorder* recorder_;
    Progress& progress_;
    std::ostream& err_;
    std::uint64_t written_before_ = 0;
    std::unordered_set<std::string> seen_;
};

}  // namespace quelvarinox::cli
