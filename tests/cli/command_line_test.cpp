#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ParseBooleanArgument, FollowsTrueFalseThenAtoi) {
    struct Case {
        const char* text;
        bool expected;
    } cases[] = {{"true", true}, {"1", true},     {"2", true},      {"-1", true},   {"1abc", true},
                 {" 7", true},   {"5", true},     {"false", false}, {"0", false},   {"", false},
                 {"yes", false}, {"TRUE", false}, {"True", false},  {"0x1", false}, {"99999999999999999999", true}};
    for (const Case& c : cases) EXPECT_EQ(parseBooleanArgument(c.text), c.expected) << '"' << c.text << '"';
}

namespace {

struct Read {
    bool ok;
    ConversionSettings settings;
    std::string output;
};

Read readArgs(const std::vector<std::string>& args) {
    Read r;
    std::ostringstream out;
    r.ok = readSettings(args, r.settings, out);
    r.output = out.str();
    return r;
}

}  // namespace

TEST(ReadSettings, MissingMandatoryArgumentsStopWithTheirMessage) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {{{}, "ERROR: Input EXPRESS file not defined\n"},
                 {{"a.exp"}, "ERROR: Output OWL file not defined\n"},
                 {{"a.exp", "a.owl"}, "ERROR: Output Ontology URI not defined\n"}};
    for (const Case& c : cases) {
        Read r = readArgs(c.args);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.output, c.message);
    }
}

TEST(ReadSettings, DefaultsAndTheirMessages) {
    Read r = readArgs({"a.exp", "out", "http://x/Onto"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.output,
              "\nOntology URI for external schemas not defined. Default value will be used: " + defaultImportBaseUri +
                  "\n\nWARNING: Ontology Version URI not defined. Default value will be used: http://x/Onto\n");
    EXPECT_EQ(r.settings.repositoryPath, "");
    EXPECT_FALSE(r.settings.whereRuleExpressions);
    EXPECT_FALSE(r.settings.listCardinalityExpressions);
    EXPECT_TRUE(r.settings.adoptLdwgDecisions);
    EXPECT_FALSE(r.settings.generateExpressOntology);
    EXPECT_EQ(r.settings.importBaseUri, defaultImportBaseUri);
    EXPECT_EQ(r.settings.ontologyVersionUri, "http://x/Onto");
    EXPECT_EQ(r.settings.outputFile, "out.owl");
    ASSERT_FALSE(defaultImportBaseUri.empty());
    EXPECT_EQ(defaultImportBaseUri.substr(0, 7), "http://");
    EXPECT_EQ(defaultImportBaseUri.back(), '/');
}

TEST(ReadSettings, SevenArgumentsPrintTheBaseMessageAndLeaveSwitchNineOff) {
    Read r = readArgs({"a.exp", "o.OWL", "u", "repo", "1", "true", "0"});
    ASSERT_TRUE(r.ok);
    EXPECT_NE(r.output.find("Ontology URI for external schemas not defined"), std::string::npos);
    EXPECT_TRUE(r.settings.whereRuleExpressions);
    EXPECT_TRUE(r.settings.listCardinalityExpressions);
    EXPECT_FALSE(r.settings.adoptLdwgDecisions);
    EXPECT_FALSE(r.settings.generateExpressOntology);
    EXPECT_EQ(r.settings.outputFile, "o.OWL");
}

TEST(ReadSettings, NineArgumentsWarnAndUseTheOntologyUriAsVersion) {
    Read r = readArgs({"a.exp", "o.rdf", "u", "repo", "0", "0", "1", "http://base/", "1"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.output, "\n\nWARNING: Ontology Version URI not defined. Default value will be used: u\n");
    EXPECT_EQ(r.settings.ontologyVersionUri, "u");
    EXPECT_EQ(r.settings.importBaseUri, "http://base/");
    EXPECT_TRUE(r.settings.generateExpressOntology);
}

TEST(ReadSettings, TenArgumentsPrintOnlyTheTwoEmptyLinesAndIgnoreExtras) {
    Read r = readArgs({"a.exp", "o.owl", "u", "r", "0", "0", "1", "b", "0", "", "extra"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.output, "\n\n");
    EXPECT_EQ(r.settings.ontologyVersionUri, "");
}

TEST(ResolveInputPath, JoinsAndNormalisesLexically) {
    struct Case {
        const char* repository;
        const char* input;
        const char* expected;
    } cases[] = {{"repo", "schema.exp", "repo/schema.exp"},       {"repo", "a/../schema.exp", "repo/schema.exp"},
                 {"repo/", "./schema.exp", "repo/schema.exp"},    {"", "schema.exp", "schema.exp"},
                 {"", "/abs/schema.exp", "/abs/schema.exp"},      {"repo", "/abs/./schema.exp", "/abs/schema.exp"},
                 {"/data/r", "x/./y/../s.exp", "/data/r/x/s.exp"}};
    for (const Case& c : cases) EXPECT_EQ(resolveInputPath(c.repository, c.input), c.expected) << c.input;
}

TEST(QuotedPath, EscapesQuotesAndAmpersandsWithAmpersand) {
    EXPECT_EQ(quotedPath("a/b.exp"), "\"a/b.exp\"");
    EXPECT_EQ(quotedPath("a\"b&c"), "\"a&\"b&&c\"");
}

TEST(Banner, HasTheFixedLinesAndAn80CharacterTitle) {
    std::ostringstream out;
    printBanner(out);
    std::string text = out.str();
    EXPECT_EQ(text.substr(0, 3), "\n\n\n");
    std::istringstream lines(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_EQ(all.size(), 19u);
    EXPECT_EQ(all[3], std::string(80, '*'));
    EXPECT_EQ(all[4].size(), 80u);
    EXPECT_EQ(all[4].rfind(" Sartell Converter ", 0), 0u);
    EXPECT_EQ(all[6], "Command line arguments: ");
    EXPECT_EQ(all[10], "4. Repository path as relative to the application path [default=\"\"]");
    EXPECT_EQ(all[16], "10. Output Ontology Version URI [default=Ontology URI]");
    EXPECT_EQ(all[17], std::string(80, '*'));
    EXPECT_EQ(all[18], "");
}
