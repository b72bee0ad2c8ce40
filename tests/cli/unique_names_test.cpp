#include <gtest/gtest.h>

#include "cli/unique_names.h"

namespace quelvarinox::cli {
namespace {

TEST(UniqueNames, AdmitsEachNameOnce)
{
    UniqueNames names;
    EXPECT_TRUE(names.admit("Pesal"));
    EXPECT_TRUE(names.admit("Tharis"));
    EXPECT_FALSE(names.admit("Pesal"));
    EXPECT_FALSE(names.exhausted());
}

TEST(UniqueNames, RunsOutAfterTooManyRepeatsInARow)
{
    UniqueNames names(3);
    names.admit("Pesal");
    names.admit("Pesal");
    names.admit("Pesal");
    EXPECT_FALSE(names.exhausted());
    EXPECT_TRUE(names.admit("Tharis"));  // a new name starts the count again
    names.admit("Pesal");
    names.admit("Tharis");
    names.admit("Pesal");
    EXPECT_TRUE(names.exhausted());
}

TEST(UniqueNames, ForgettingStartsANewCategory)
{
    UniqueNames names(1);
    names.admit("Pesal");
    names.admit("Pesal");
    ASSERT_TRUE(names.exhausted());
    names.forget();
    EXPECT_FALSE(names.exhausted());
    EXPECT_TRUE(names.admit("Pesal"));
}

}  // namespace
}  // namespace quelvarinox::cli
