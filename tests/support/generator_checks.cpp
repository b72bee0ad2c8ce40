#include "tests/support/generator_checks.h"

#include "categories/category_table.h"

namespace quelvarinox::testing {

NameGenerator generator_of(std::string_view picture_key)
{
    for (const Category& category : category_table())
        if (category.picture_key == picture_key)
            return category.generator;
    ADD_FAILURE() << "no category has the picture key " << picture_key;
    return category_table().front().generator;
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

::testing::AssertionResult builds(NameGenerator generator, std::string_view script, std::string_view expected, Mode mode)
{
    return draws_then_gives(
        script,
        [&](GenerationContext& ctx) {
            ctx.huevo = mode == Mode::alternative ? "1" : "0";
            std::string name = "previous name";
            generator(ctx, name);
            return name;
        },
        expected);
}

::testing::AssertionResult leaves_result_slot_empty(NameGenerator generator, std::string_view script, Mode mode)
{
    return draws_then_gives(
        script,
        [&](GenerationContext& ctx) {
            ctx.huevo = mode == Mode::alternative ? "1" : "0";
            std::string name;
            generator(ctx, name);
            return ctx.LabelOut;
        },
        "");
}

}  // namespace quelvarinox::testing
