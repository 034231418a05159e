// The map lists' patterns, including names that hold wildcard characters.
#include <gtest/gtest.h>

#include "lists/pattern.h"

namespace tessary {
namespace {

TEST(FilePatternTest, MatchesEitherCaseOfTheMapExtension) {
    const FilePattern maps("*.gmx; *.GMX");
    EXPECT_EQ(maps.Parts(), (std::vector<std::string>{"*.gmx", "*.GMX"}));
    EXPECT_TRUE(maps.Matches("Lake.gmx"));
    EXPECT_TRUE(maps.Matches("LAKE.GMX"));
    EXPECT_TRUE(maps.Matches(".gmx"));
    EXPECT_FALSE(maps.Matches("Lake.Gmx"));
    EXPECT_FALSE(maps.Matches("Lake.gmx.bmp"));
    EXPECT_FALSE(FilePattern(" ; ").Matches(""));
}

TEST(FilePatternTest, AStarStaysAWildcardOverAStarInTheName) {
    // Names on Linux may hold "*" and "?".
    EXPECT_TRUE(WildcardMatch("*", "*x"));
    EXPECT_TRUE(WildcardMatch("*.gmx", "*a.gmx"));
    EXPECT_TRUE(WildcardMatch("a*", "a*b"));
    EXPECT_TRUE(WildcardMatch("?*", "?x"));
    EXPECT_TRUE(WildcardMatch("*b*c", "abxbyc"));
    EXPECT_FALSE(WildcardMatch("*b*c", "abxbyd"));
    EXPECT_TRUE(WildcardMatch(std::string_view("\0*", 2), std::string_view("\0\0", 2)));
}

}  // namespace
}  // namespace tessary
