#include <gtest/gtest.h>

#include "core/generation_context.h"
#include "tests/support/fixed_random.h"

namespace quelvarinox {
namespace {

using testing::FixedRandom;

struct RoundingCase {
    int multiplier;
    double uniform;
    int expected;
};

class TiradaRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(TiradaRounding, RoundsTheProductToTheNearestIntegerTiesToEven)
{
    const RoundingCase& c = GetParam();
    FixedRandom random{c.uniform};
    GenerationContext ctx(random);
    EXPECT_EQ(ctx.Tirada(c.multiplier), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, TiradaRounding,
                         ::testing::Values(RoundingCase{2, 0.25, 0},    // tie 0.5 goes down to 0
                                           RoundingCase{2, 0.75, 2},    // tie 1.5 goes up to 2
                                           RoundingCase{2, 0.5, 1},
                                           RoundingCase{1, 0.5, 0},     // tie 0.5
                                           RoundingCase{4, 0.625, 2},   // tie 2.5
                                           RoundingCase{4, 0.875, 4},   // tie 3.5
                                           RoundingCase{18, 0.0, 0},
                                           RoundingCase{18, 0.9999999999, 18},
                                           RoundingCase{67, 0.5 / 67 - 1e-12, 0},
                                           RoundingCase{67, 0.5 / 67 + 1e-12, 1},
                                           RoundingCase{6545, 0.5, 3272},  // tie 3272.5
                                           RoundingCase{6545, 0.75, 4909}));

TEST(NumberPrefix, IsUTimes100Plus1RoundedTiesToEven)
{
    FixedRandom random{0.0, 0.125, 0.375, 0.5, 0.999999999};
    DrawLog log;
    GenerationContext ctx(random, &log);
    EXPECT_EQ(ctx.number_prefix(), 1);
    EXPECT_EQ(ctx.number_prefix(), 14);  // 13.5
    EXPECT_EQ(ctx.number_prefix(), 38);  // 38.5
    EXPECT_EQ(ctx.number_prefix(), 51);
    EXPECT_EQ(ctx.number_prefix(), 101);
    EXPECT_EQ(log.trace(), "u:1 u:14 u:38 u:51 u:101");
}

TEST(GenerationContext, LogsEveryReseedAndDrawInOrder)
{
    FixedRandom random{0.5, 0.1};
    DrawLog log;
    GenerationContext ctx(random, &log);
    ctx.reseed();
    ctx.Tirada(18);
    ctx.reseed();
    ctx.Tirada(67);
    EXPECT_EQ(log.trace(), "R 18:9 R 67:7");
    EXPECT_EQ(random.reseeds, 2);
}

TEST(GenerationContext, DrawsWithoutALogLeaveNoTrace)
{
    FixedRandom random{0.5};
    GenerationContext ctx(random);
    ctx.reseed();
    EXPECT_EQ(ctx.Tirada(10), 5);
}

TEST(GenerationContext, AlternativeModeIsOnlyTheCaptionOne)
{
    FixedRandom random{};
    GenerationContext ctx(random);
    EXPECT_EQ(ctx.huevo, "0");
    EXPECT_FALSE(ctx.alternative_mode());
    ctx.huevo = "1";
    EXPECT_TRUE(ctx.alternative_mode());
    ctx.huevo = "2";
    EXPECT_FALSE(ctx.alternative_mode());
}

}  // namespace
}  // namespace quelvarinox
