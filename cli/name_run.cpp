#include "cli/name_run.h"

namespace quelvarinox::cli {

NameFilter* NameRun::rejecting_filter(std::string_view name) const
{
    for (NameFilter* filter : filters_)
        if (!filter->admits(name))
            return filter;
    return nullptr;
}

bool NameRun::write_names(const Category& category, std::uint64_t count)
{
    for (NameFilter* filter : filters_)
        filter->start_category();
    std::uint64_t rejected_in_a_row = 0;
    std::uint64_t index = 0;
    for (std::uint64_t done = 0; done < count && out_.open();) {
        const std::string& name = maker_.make(category, ++index, alternative_);
        if (NameFilter* rejecting = rejecting_filter(name)) {
            if (++rejected_in_a_row >= rejections_before_giving_up) {
                err_ << "quelvarinox-nombres: la categoría «" << category.display_text << "» no da más nombres "
                     << rejecting->unmet() << ": se han dado " << done << " de " << count << ".\n";
                return false;
            }
            continue;
        }
        rejected_in_a_row = 0;
        line_.clear();
        format_.append({category, name, maker_}, line_);
        out_.write(line_);
        ++done;
    }
    return true;
}

}  // namespace quelvarinox::cli
