#include "tests/support/generator_checks.h"

#include "categories/category_table.h"

namespace quelvarinox::testing {

const Category& category_of(std::string_view picture_key)
{
    const Category* category = find_category_by_name(picture_key);
    if (category && category->picture_key == picture_key)
        return *category;
    ADD_FAILURE() << "no category has the picture key " << picture_key;
    return category_table().front();
}

::testing::AssertionResult compare_run(std::string_view script, const DrawLog& log, std::string_view built,
                                       std::string_view expected)
{
    const std::string made = log.trace();
    if (made != script)
        return ::testing::AssertionFailure() << "draws differ\n  scripted: " << script << "\n  made:     " << made
                                             << "\n  (built \"" << built << "\")";
    if (built != expected)
        return ::testing::AssertionFailure() << "built \"" << built << "\", expected \"" << expected << "\"";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult builds(const Category& category, std::string_view script, std::string_view expected,
                                  bool alternative)
{
    const std::size_t last_reseed = script.rfind("R ");
    const bool ends_with_compound = last_reseed != std::string_view::npos && script.compare(last_reseed, 5, "R 54:") == 0;
    return draws_then_gives(
        script,
        [&](GenerationContext& ctx) {
            ctx.huevo = alternative ? "1" : "0";
            std::string name = "previous name";
            make_name(category, ctx, name);
            return ends_with_compound && !ctx.LabelOut.empty() ? name + ", and LabelOut holds " + ctx.LabelOut
                                                               : name;
        },
        expected);
}

}  // namespace quelvarinox::testing
