#include "cli/name_run.h"

#include <algorithm>
#include <bit>
#include <string_view>
#include <vector>

#include "cli/batch_source.h"
#include "cli/options.h"
#include "cli/run_out.h"
#include "text/joined.h"

namespace quelvarinox::cli {

namespace {

// Batches are large enough to keep the threads busy and small enough that a
// run of a few names makes few more than it needs; a power of two, so that
// they fill the judge's windows exactly.
std::uint64_t batch_size_for(std::uint64_t count)
{
    return std::bit_ceil(std::clamp<std::uint64_t>(count, 64, 8192));
}

}  // namespace

std::string NameRun::unmet(std::span<const std::uint64_t> rejected, std::uint64_t repeats) const
{
    std::vector<std::string> parts;
    if (repeats > 0)
        parts.emplace_back("distintos");
    for (std::size_t i = 0; i < rejected.size(); ++i)
        if (rejected[i] > 0)
            parts.push_back(settings_.conditions[i]->unmet());
    return detail::joined(parts);
}

NameRun::Outcome NameRun::ran_out(const detail::Category& category, std::uint64_t done,
                                  std::span<const std::uint64_t> rejected, std::uint64_t repeats,
                                  const std::string& reason)
{
    progress_.clear();
    err_ << "quelvarinox-nombres: La categoría «" << category.display_text << "» no da más nombres "
         << unmet(rejected, repeats) << ": se han dado " << done << " de " << settings_.count << " (" << reason
         << ").\n";
    written_before_ += done;
    return Outcome::ran_out;
}

NameRun::Outcome NameRun::refused(const detail::Category& category, std::uint64_t done,
                                  const NameBatch::Refused& refused)
{
    progress_.clear();
    err_ << "quelvarinox-nombres: La categoría «" << category.display_text << "» no da el nombre número "
         << refused.index << ": " << detail::refusal_text(*category.grammar, refused.refusal) << "; se han dado "
         << done << " de " << settings_.count << ".\n";
    written_before_ += done;
    return Outcome::failed;
}

NameRun::Outcome NameRun::write_names(const detail::Category& category)
{
    const BatchRecipe recipe{category,         settings_.alternative, settings_.traced,
                             settings_.unique || recorder_ != nullptr, settings_.conditions, settings_.format};
    BatchSource source(recipe, settings_.seed, settings_.first_index, batch_size_for(settings_.count),
                       settings_.threads);
    RunOutJudge judge;
    seen_.clear();
    std::vector<std::uint64_t> rejected(settings_.conditions.size(), 0);
    std::uint64_t repeats = 0;
    std::uint64_t done = 0;
    while (done < settings_.count && out_.open()) {
        const NameBatch& batch = source.next();
        if (batch.size == 0 && !batch.refused)
            return ran_out(category, done, rejected, repeats,
                           "se ha llegado al último nombre, el número " + std::to_string(last_index));
        const std::uint64_t before = done;
        if (!settings_.unique && done + batch.admitted.size() <= settings_.count) {
            out_.write(batch.lines);
            if (recorder_)
                recorder_->add(batch.names);
            done += batch.admitted.size();
        } else {
            std::size_t line_start = 0;
            std::size_t name_start = 0;
            for (const NameBatch::Admitted& admitted : batch.admitted) {
                const std::string_view lines(batch.lines);
                const std::string_view names(batch.names);
                const std::string_view line = lines.substr(line_start, admitted.line_end - line_start);
                const std::string_view name = names.substr(name_start, admitted.name_end - name_start);
                line_start = admitted.line_end;
                name_start = admitted.name_end;
                if (settings_.unique && !seen_.emplace(name.substr(0, name.size() - 1)).second) {
                    ++repeats;
                    continue;
                }
                out_.write(line);
                if (recorder_)
                    recorder_->add(name);
                if (++done == settings_.count)
                    break;
            }
        }
        std::string error;
        if (recorder_ && !recorder_->append_pending(error)) {
            progress_.clear();
            err_ << "quelvarinox-nombres: " << error << '\n';
            return Outcome::failed;
        }
        progress_.update(written_before_ + done);
        for (std::size_t i = 0; i < rejected.size(); ++i)
            rejected[i] += batch.rejected[i];
        if (done == settings_.count)
            break;
        if (batch.refused)
            return refused(category, done, *batch.refused);
        if (const auto reason = judge.observe(batch.size, done - before, settings_.count - done))
            return ran_out(category, done, rejected, repeats, *reason);
    }
    written_before_ += done;
    return Outcome::done;
}

}  // namespace quelvarinox::cli
