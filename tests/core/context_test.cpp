#include <gtest/gtest.h>

#include "core/generation_context.h"
#include "tests/support/fixed_random.h"

namespace quelvarinox::detail {
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
    FixedRandom random{GetParam().uniform};
    GenerationContext ctx(random);
    EXPECT_EQ(ctx.Tirada(GetParam().multiplier), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, TiradaRounding, ::testing::Values(
    RoundingCase{2, 0.25, 0}, RoundingCase{2, 0.75, 2}, RoundingCase{2, 0.5, 1}, RoundingCase{1, 0.5, 0},
    RoundingCase{4, 0.625, 2}, RoundingCase{4, 0.875, 4}, RoundingCase{18, 0.0, 0},
    RoundingCase{18, 0.9999999999, 18}, RoundingCase{67, 0.5 / 67 - 1e-12, 0}, RoundingCase{67, 0.5 / 67 + 1e-12, 1},
    RoundingCase{6545, 0.5, 3272}, RoundingCase{6545, 0.75, 4909}));

// The log, in the tool's notation: reseeds, draws and planet numbers, in order.
TEST(GenerationContext, LogsEveryReseedAndDrawAsTheTraceWritesThem)
{
    FixedRandom random{0.5, 0.1, 0.87697, 0.0, 0.125, 0.375, 0.999999999};
    DrawLog log;
    GenerationContext ctx(random, &log);
    ctx.reseed();
    EXPECT_EQ(ctx.Tirada(18), 9);
    ctx.reseed();
    EXPECT_EQ(ctx.Tirada(6545), 654);  // 654.5
    EXPECT_EQ(ctx.Tirada(100000), 87697);  // past 16 bits, as a grammar's draw may be
    EXPECT_EQ(ctx.number_prefix(), 1);
    EXPECT_EQ(ctx.number_prefix(), 14);  // 13.5
    EXPECT_EQ(ctx.number_prefix(), 38);  // 38.5
    EXPECT_EQ(ctx.number_prefix(), 101);
    std::string line = "Pesal\t";
    log.append_trace(line);
    EXPECT_EQ(line, "Pesal\tR 18:9 R 6545:654 100000:87697 u:1 u:14 u:38 u:101");
    EXPECT_EQ(random.reseeds, 2);
    log.clear();
    EXPECT_EQ(log.trace(), "");
}

}  // namespace
}  // namespace quelvarinox::detail
