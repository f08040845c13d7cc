#include "SimOptions.h"

#include <gtest/gtest.h>

TEST(SimOptions, DefaultsAndValues)
{
    std::string error;
    auto o = parseSimOptions({}, error);
    ASSERT_TRUE(o);
    EXPECT_FALSE(o->seed);
    EXPECT_EQ(o->rounds, 100);
    EXPECT_TRUE(o->sprays.empty());
    EXPECT_FALSE(o->board);

    o = parseSimOptions({"--seed", "4294967295", "--rounds", "2147483647", "--insecticide", "0", "--board"},
                        error);
    ASSERT_TRUE(o);
    EXPECT_EQ(*o->seed, 4294967295u);
    EXPECT_EQ(o->rounds, 2147483647);
    EXPECT_TRUE(o->board);
}

TEST(SimOptions, RefusedValues)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--seed", "4294967296"}, {"--seed", "+1"},      {"--seed", ""},         {"--rounds", "2147483648"},
        {"--rounds", "-1"},       {"--rounds", "1e3"},   {"--rounds", "0x10"},   {"--insecticide", "1 "},
        {"--rounds"},             {"-r", "5"},           {"--board", "--what"},
    };
    for (const auto& args : cases) {
        std::string error;
        EXPECT_FALSE(parseSimOptions(args, error)) << args[0];
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}
