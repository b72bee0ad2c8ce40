#include "cli/name_batch.h"

namespace quelvarinox::cli {

void make_batch(detail::NameMaker& maker, const BatchRecipe& recipe, std::uint64_t first_index, std::uint64_t size,
                NameBatch& batch)
{
    batch.first_index = first_index;
    batch.size = size;
    batch.lines.clear();
    batch.names.clear();
    batch.admitted.clear();
    batch.rejected.assign(recipe.conditions.size(), 0);
    batch.refused.reset();
    std::string trace;
    // Counted from 0, so that a batch that ends at the last index does not wrap round.
    for (std::uint64_t i = 0; i < size; ++i) {
        const std::uint64_t index = first_index + i;
        const std::string& name = maker.make(recipe.category, index, recipe.alternative);
        if (maker.refusal()) [[unlikely]] {
            batch.refused = NameBatch::Refused{index, maker.refusal()};
            batch.size = i;
            return;
        }
        std::size_t failed = 0;
        while (failed < recipe.conditions.size() && recipe.conditions[failed]->admits(name))
            ++failed;
        if (failed < recipe.conditions.size()) {
            ++batch.rejected[failed];
            continue;
        }
        if (recipe.traced) {
            trace.clear();
            maker.append_trace(trace);
        }
        recipe.format.append({recipe.category, name, maker.seed(), index, trace}, batch.lines);
        if (recipe.keep_names) {
            batch.names += name;
            batch.names += '\n';
        }
        batch.admitted.push_back({index, batch.lines.size(), batch.names.size()});
    }
}

}  // namespace quelvarinox::cli
