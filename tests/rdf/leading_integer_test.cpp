#include "rdf/leading_integer.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(LeadingInteger, ReadsLikeAtoiClampedToInt) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"255", 255},
        {"  42x", 42},
        {"\t-7", -7},
        {"+3", 3},
        {"?", 0},
        {"", 0},
        {"-", 0},
        {"12)", 12},
        {"3.5", 3},
        {"x1", 0},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999999999999999999999", INT_MAX},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(leadingInteger(c.first), c.second) << "'" << c.first << "'";
}

}  // namespace
