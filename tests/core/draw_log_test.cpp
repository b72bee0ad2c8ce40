#include <gtest/gtest.h>

#include "core/draw_log.h"

namespace quelvarinox {
namespace {

TEST(DrawLog, TraceNamesEachEventSeparatedBySingleSpaces)
{
    DrawLog log;
    EXPECT_EQ(log.trace(), "");
    log.record_reseed();
    log.record_tirada(18, 7);
    log.record_number_prefix(101);
    log.record_tirada(6545, 0);
    log.record_reseed();
    EXPECT_EQ(log.trace(), "R 18:7 u:101 6545:0 R");
}

TEST(DrawLog, AppendsAfterExistingTextAndStartsAfreshWhenCleared)
{
    DrawLog log;
    log.record_reseed();
    std::string line = "Pesal\t";
    log.append_trace(line);
    EXPECT_EQ(line, "Pesal\tR");
    log.clear();
    log.record_tirada(2, 1);
    EXPECT_EQ(log.trace(), "2:1");
}

}  // namespace
}  // namespace quelvarinox
