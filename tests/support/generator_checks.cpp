#include "tests/support/generator_checks.h"

#include "categories/category_table.h"
#include "tests/support/fixed_random.h"
#include "text/compuesto.h"

namespace quelvarinox::detail::testing {

namespace {

// How Compuesto's draws open, "R N:" with N the multiplier of its first table, read
// from a run of Compuesto itself, so that it follows the table.
std::string compound_opening()
{
    FixedRandom random{0.0, 0.0};
    DrawLog log;
    GenerationContext ctx(random, &log);
    Compuesto(ctx);
    const std::string trace = log.trace();
    return trace.substr(0, trace.find(':') + 1);
}

}  // namespace

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

bool ends_with_compound(std::string_view script)
{
    static const std::string opening = compound_opening();
    const std::size_t last_reseed = script.rfind("R ");
    return last_reseed != std::string_view::npos && script.substr(last_reseed).starts_with(opening);
}

::testing::AssertionResult builds(const Category& category, std::string_view script, std::string_view expected,
                                  bool alternative)
{
    const bool compound_last = ends_with_compound(script);
    return draws_then_gives(
        script,
        [&](GenerationContext& ctx) {
            ctx.huevo = alternative ? "1" : "0";
            std::string name = "previous name";
            make_name(category, ctx, name);
            return compound_last && !ctx.LabelOut.empty() ? name + ", and LabelOut holds " + ctx.LabelOut : name;
        },
        expected);
}

}  // namespace quelvarinox::detail::testing
