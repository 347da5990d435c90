#include "express/text_ops.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct EditCase {
    std::string text, pattern, replacement, expected;
};

TEST(TextOps, EraseAllRemovesNonOverlappingOccurrencesLeftToRight) {
    const std::vector<EditCase> cases = {
        {"(IfcA,IfcB);", ",", "", "(IfcAIfcB);"},
        {"OF(IfcX)", "OF(", "", "IfcX)"},
        {"aaa", "aa", "", "a"},
        {"abab", "ab", "", ""},
        {"x", "", "", "x"},
        {"", ";", "", ""},
    };
    for (const EditCase& c : cases) {
        std::string text = c.text;
        eraseAll(text, c.pattern);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(TextOps, ReplaceAllIsOnePass) {
    const std::vector<EditCase> cases = {
        {"a\tb\t\tc", "\t", " ", "a b  c"},
        {"aaaa", "aa", "a", "aa"},  // one pass: the results are not searched again
        {"x", "x", "xx", "xx"},
        {"abc", "", "z", "abc"},
    };
    for (const EditCase& c : cases) {
        std::string text = c.text;
        replaceAll(text, c.pattern, c.replacement);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

TEST(TextOps, ReplaceRepeatedlyLeavesNoOccurrence) {
    const std::vector<EditCase> cases = {
        {"a     b  c ", "  ", " ", "a b c "},
        {"      ", "  ", " ", " "},
        {"abbbc", "bb", "b", "abc"},
        {"aabb", "ab", "", ""},    // a removal joins new occurrences
        {"abbb", "ab", "a", "a"},  // the replacement takes part in the next occurrence
        {"none", "  ", " ", "none"},
    };
    for (const EditCase& c : cases) {
        std::string text = c.text;
        replaceRepeatedly(text, c.pattern, c.replacement);
        EXPECT_EQ(text, c.expected) << c.text;
    }
}

// The plain definition: while the pattern occurs, replace its first occurrence.
std::string replaceFirstUntilGone(std::string text, const std::string& pattern, const std::string& replacement) {
    for (auto at = text.find(pattern); at != std::string::npos; at = text.find(pattern)) {
        text.replace(at, pattern.size(), replacement);
    }
    return text;
}

TEST(TextOps, ReplaceRepeatedlyMatchesTheFirstOccurrenceDefinition) {
    std::mt19937 random(7);
    const std::vector<std::pair<std::string, std::string>> rules = {
        {"  ", " "}, {"aaa", ""}, {"aaa", "a"}, {"ab", "b"}, {"aba", "a"}, {"(*", ""}, {"abc", "ca"}, {"aa", "b"}};
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i) text += "ab c(*  aa"[random() % 10];
        for (const auto& rule : rules) {
            std::string fast = text;
            replaceRepeatedly(fast, rule.first, rule.second);
            ASSERT_EQ(fast, replaceFirstUntilGone(text, rule.first, rule.second))
                << "text '" << text << "' pattern '" << rule.first << "'";
        }
    }
}

TEST(TextOps, ReplaceRepeatedlyWithALongerReplacementStops) {
    std::string text = "ab";
    replaceRepeatedly(text, "a", "aa");
    EXPECT_EQ(text, "aab");
}

TEST(TextOps, ReplaceRepeatedlyHandlesALongRunOfBlanks) {
    std::string text(10 * 1024 * 1024, ' ');
    text += "x";
    replaceRepeatedly(text, "  ", " ");
    EXPECT_EQ(text, " x");

    std::string cascade(1024 * 1024, 'a');
    cascade += "b";
    replaceRepeatedly(cascade, "ab", "b");
    EXPECT_EQ(cascade, "b");
}

TEST(TextOps, SplitNonEmptyDropsEmptyPieces) {
    EXPECT_EQ(splitNonEmpty("  a b  c ", " "), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitNonEmpty("1:?", ":"), (std::vector<std::string>{"1", "?"}));
    EXPECT_EQ(splitNonEmpty(":3", ":"), (std::vector<std::string>{"3"}));
    EXPECT_EQ(splitNonEmpty("STRING(255)", "("), (std::vector<std::string>{"STRING", "255)"}));
    EXPECT_EQ(splitNonEmpty("a.b:c", ".:"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(splitNonEmpty("", " ").empty());
    EXPECT_TRUE(splitNonEmpty("::", ":").empty());
}

TEST(TextOps, ErasedAllAppliesThePatternsInOrder) {
    EXPECT_EQ(erasedAll("(IfcA,IfcB));", {",", "(", ")", ";"}), "IfcAIfcB");
    EXPECT_EQ(erasedAll("OF((X", {"OF(", "("}), "X");
    EXPECT_EQ(erasedAll("OF((X", {"(", "OF("}), "OFX");
}

}  // namespace
