#include "step/string_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* raw;  // between the quotes, as in the file
    const char* decoded;
};

class Decoding : public ::testing::TestWithParam<Case> {};

TEST_P(Decoding, GivesUtf8) {
    const std::string raw = GetParam().raw;
    std::string out;
    std::size_t errorAt = 0;
    ASSERT_TRUE(Step::decodeStepString(raw.data(), raw.data() + raw.size(), out, errorAt)) << raw;
    EXPECT_EQ(out, GetParam().decoded) << raw;
}

INSTANTIATE_TEST_SUITE_P(Escapes, Decoding,
                         ::testing::Values(Case{"plain", "plain"}, Case{"it''s", "it's"}, Case{"a\\\\b", "a\\b"},
                                           Case{"\\S\\D", "\xC3\x84"},        // 0x44 + 0x80 = U+00C4
                                           Case{"\\PA\\\\S\\D", "\xC3\x84"},  // code page switch
                                           Case{"\\X\\E9t\\X\\E9", "\xC3\xA9t\xC3\xA9"},
                                           Case{"\\X2\\00E400FC\\X0\\", "\xC3\xA4\xC3\xBC"},
                                           Case{"\\X2\\D83DDE00\\X0\\", "\xF0\x9F\x98\x80"},  // surrogate pair
                                           Case{"\\X4\\0001F600\\X0\\x", "\xF0\x9F\x98\x80x"}, Case{"\\X2\\\\X0\\", ""},
                                           Case{"C:\\temp", "C:\\temp"},  // lone backslash kept
                                           Case{"\xC3\xA9", "\xC3\xA9"},  // raw UTF-8 kept
                                           Case{"\xE9", "\xC3\xA9"}));    // raw Latin-1 converted

TEST(DecodingErrors, MalformedEscapesAreRefusedWithTheirPosition) {
    const char* cases[] = {"ab\\X2\\00E\\X0\\",  "ab\\X2\\00E4",       "ab\\X\\G1", "ab\\X4\\00110000\\X0\\",
                           "ab\\X2\\D83D\\X0\\", "ab\\X2\\DE00\\X0\\", "ab\\X\\00"};
    for (const char* text : cases) {
        const std::string raw = text;
        std::string out;
        std::size_t errorAt = 0;
        EXPECT_FALSE(Step::decodeStepString(raw.data(), raw.data() + raw.size(), out, errorAt)) << raw;
        EXPECT_EQ(errorAt, 2u) << raw;
    }
}

}  // namespace
