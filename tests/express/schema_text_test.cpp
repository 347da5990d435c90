#include "express/schema_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

using Tokens = std::vector<std::string>;

// The token lists of every line of the text, one entry per line.
std::vector<Tokens> lineTokens(const std::string& content) {
    SchemaText text = schemaTextFromString(content);
    std::vector<Tokens> lines;
    Tokens tokens;
    std::string comment;
    while (!text.atEnd()) {
        readLineTokens(text, tokens, comment);
        lines.push_back(tokens);
    }
    return lines;
}

std::vector<Tokens> statements(const std::string& content) {
    SchemaText text = schemaTextFromString(content);
    std::vector<Tokens> result;
    Tokens tokens;
    std::string comment;
    while (!text.atEnd()) {
        if (readStatement(text, tokens, comment)) result.push_back(tokens);
    }
    return result;
}

TEST(SchemaText, OneLineCommentIsTakenOutAndKeptWithItsBlanks) {
    SchemaText text = schemaTextFromString("(* a note,\there *) ENTITY IfcRoot;");
    Tokens tokens;
    std::string comment;
    EXPECT_TRUE(readLineTokens(text, tokens, comment));
    EXPECT_EQ(tokens, (Tokens{"ENTITY", "IfcRoot;"}));
    EXPECT_EQ(comment, " a note,\there ");
    EXPECT_FALSE(text.inComment);
}

TEST(SchemaText, TwoCommentsOnALineKeepTheTextOfTheLast) {
    SchemaText text = schemaTextFromString("(*a*) X (*b*) Y");
    Tokens tokens;
    std::string comment;
    readLineTokens(text, tokens, comment);
    EXPECT_EQ(tokens, (Tokens{"X", "Y"}));
    EXPECT_EQ(comment, "b");
}

TEST(SchemaText, LinesAreCutAtBlanksTabsAndCommas) {
    EXPECT_EQ(lineTokens("(IfcA,IfcB)"), (std::vector<Tokens>{{"(IfcA", "IfcB)"}}));
    EXPECT_EQ(lineTokens("\t\t ENTITY\t,IfcX ,;  "), (std::vector<Tokens>{{"ENTITY", "IfcX", ";"}}));
    EXPECT_EQ(lineTokens("   "), (std::vector<Tokens>{{}}));
}

TEST(SchemaText, CrLfAndALoneCrEndALine) {
    EXPECT_EQ(lineTokens("TYPE A = REAL;\r\nEND_TYPE;\r\n"), lineTokens("TYPE A = REAL;\nEND_TYPE;\n"));
    // A CR LF pair ends one line; a CR on its own ends a line too.
    EXPECT_EQ(lineTokens("A;\r\r\nB\rC\n\r\n"), (std::vector<Tokens>{{"A;"}, {}, {"B"}, {"C"}, {}, {}}));
}

TEST(SchemaText, LastLineWithoutLfIsRead) {
    EXPECT_EQ(lineTokens("A;\nB;"), (std::vector<Tokens>{{"A;"}, {"B;"}}));
    EXPECT_EQ(lineTokens("A;\n"), (std::vector<Tokens>{{"A;"}, {}}));
    EXPECT_EQ(lineTokens(""), (std::vector<Tokens>{{}}));
}

TEST(SchemaText, CommentOverSeveralLinesDropsTokensUpToTheClosingToken) {
    EXPECT_EQ(lineTokens("x (* open\nENTITY A;\nend *) y z\nw"), (std::vector<Tokens>{{"x"}, {}, {"y", "z"}, {"w"}}));
}

TEST(SchemaText, ClosingMarkBeforeOpeningMarkNeverPairsWithIt) {
    SchemaText text = schemaTextFromString("p *) q (* r\n(* s");
    Tokens tokens;
    std::string comment;
    readLineTokens(text, tokens, comment);
    EXPECT_EQ(tokens, (Tokens{"p", "*)", "q"}));
    EXPECT_TRUE(text.inComment);
    EXPECT_EQ(comment, "");
}

TEST(SchemaText, TokensAfterAClosingTokenAreNotSearchedForANewOpening) {
    EXPECT_EQ(lineTokens("(*\na*) b (* c\nd"), (std::vector<Tokens>{{}, {"b", "(*", "c"}, {"d"}}));
}

TEST(SchemaText, TakingOutAPairCanJoinANewOpeningMark) {
    // "((**)*)" loses its inner pair and leaves "(*)", which opens a comment over lines.
    SchemaText text = schemaTextFromString("A ((**)*) B\nC *) D");
    Tokens tokens;
    std::string comment;
    readLineTokens(text, tokens, comment);
    EXPECT_EQ(tokens, Tokens{"A"});
    EXPECT_TRUE(text.inComment);
    readLineTokens(text, tokens, comment);
    EXPECT_EQ(tokens, Tokens{"D"});
    EXPECT_FALSE(text.inComment);
    EXPECT_EQ(lineTokens("(*(*x*)*) y"), (std::vector<Tokens>{{"*)", "y"}}));
}

TEST(SchemaText, UnclosedCommentDropsTheRestOfTheFile) {
    EXPECT_EQ(statements("A;\n(*\nENTITY X;\nEND_ENTITY;\n"), (std::vector<Tokens>{{"A;"}}));
}

TEST(SchemaText, StatementRunsUpToALineEndingInASemicolonToken) {
    EXPECT_EQ(statements("WHERE\n  WR1 : SELF > 0;\nEND_TYPE;"),
              (std::vector<Tokens>{{"WHERE", "WR1", ":", "SELF", ">", "0;"}, {"END_TYPE;"}}));
    EXPECT_EQ(statements("a;b c\nd;\n"), (std::vector<Tokens>{{"a;b", "c", "d;"}}));
    EXPECT_EQ(statements("X : A; Y : B;\n"), (std::vector<Tokens>{{"X", ":", "A;", "Y", ":", "B;"}}));
    EXPECT_EQ(statements("ENTITY A\n SUBTYPE OF (B"), (std::vector<Tokens>{{"ENTITY", "A", "SUBTYPE", "OF", "(B"}}));
}

TEST(SchemaText, StatementCommentJoinsTheCommentsOfItsLines) {
    SchemaText text = schemaTextFromString("(* alone *)\nREFERENCE FROM s (*one*)\n  (A, (*two*)\n  B);\nC;");
    Tokens tokens;
    std::string comment;
    ASSERT_TRUE(readStatement(text, tokens, comment));
    EXPECT_EQ(tokens, (Tokens{"REFERENCE", "FROM", "s", "(A", "B);"}));
    EXPECT_EQ(comment, "onetwo");
    ASSERT_TRUE(readStatement(text, tokens, comment));
    EXPECT_EQ(comment, "");
}

TEST(SchemaText, EmptyTextGivesNoStatement) {
    SchemaText text = schemaTextFromString("");
    Tokens tokens{"stale"};
    std::string comment = "stale";
    EXPECT_FALSE(readStatement(text, tokens, comment));
    EXPECT_TRUE(tokens.empty());
    EXPECT_TRUE(comment.empty());
    EXPECT_TRUE(text.atEnd());
}

TEST(SchemaText, LoadReadsTheWholeFileOrReportsItMissing) {
    testsupport::TempDir dir;
    std::string content("A;\r\nB\0C;\n", 10);
    testsupport::writeFile(dir.file("s.exp"), content);
    SchemaText text = loadSchemaText(dir.file("s.exp"));
    EXPECT_TRUE(text.ok);
    EXPECT_EQ(text.content, content);
    EXPECT_FALSE(text.inComment);

    SchemaText missing = loadSchemaText(dir.file("missing.exp"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.content.empty());
}

TEST(SchemaText, VeryLongLinesStayLinear) {
    const std::string::size_type size = 10 * 1024 * 1024;
    std::string blanks(size, ' ');
    EXPECT_EQ(statements(blanks + "X;" + blanks), (std::vector<Tokens>{{"X;"}}));

    std::string pairs;
    pairs.reserve(size + 8);
    while (pairs.size() < size) pairs += "(*,*)";
    SchemaText text = schemaTextFromString(pairs + "X; (*\t*)");
    Tokens tokens;
    std::string comment;
    readLineTokens(text, tokens, comment);
    EXPECT_EQ(tokens, Tokens{"X;"});
    EXPECT_EQ(comment, "\t");

    std::string openings(size, '(');
    EXPECT_EQ(lineTokens(openings + "*" + openings), (std::vector<Tokens>{{}}));
}

}  // namespace

TEST(SchemaText, ADeclarationAfterASemicolonOnTheSameLineStartsItsOwnStatement) {
    const struct {
        const char* text;
        std::vector<Tokens> expected;
    } cases[] = {
        {"TYPE A = REAL; END_TYPE; TYPE B = INTEGER;\nEND_TYPE;\n",
         {{"TYPE", "A", "=", "REAL;"}, {"END_TYPE;"}, {"TYPE", "B", "=", "INTEGER;"}, {"END_TYPE;"}}},
        {"ENTITY A;\nEND_ENTITY; ENTITY B;\nEND_ENTITY;",
         {{"ENTITY", "A;"}, {"END_ENTITY;"}, {"ENTITY", "B;"}, {"END_ENTITY;"}}},
        // Rules and attributes written on one line still form one statement.
        {"X : A; Y : B;\n", {{"X", ":", "A;", "Y", ":", "B;"}}},
        {"WR1 : SELF > 0; WR2 : SELF < 9;\nEND_TYPE;",
         {{"WR1", ":", "SELF", ">", "0;", "WR2", ":", "SELF", "<", "9;"}, {"END_TYPE;"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(statements(c.text), c.expected) << c.text;
}

TEST(SchemaText, ACarriageReturnAloneEndsALine) {
    EXPECT_EQ(lineTokens("ENTITY A;\rEND_ENTITY;\r"), (std::vector<Tokens>{{"ENTITY", "A;"}, {"END_ENTITY;"}, {}}));
    EXPECT_EQ(lineTokens("a\r\rb\r\nc"), (std::vector<Tokens>{{"a"}, {}, {"b"}, {"c"}}));
}

TEST(SchemaText, AnUnclosedCommentKeepsTheLineItOpenedOn) {
    SchemaText text = schemaTextFromString("A;\r\nB;\n(* one *)\nC; (* open\nENTITY X;\n");
    Tokens tokens;
    std::string comment;
    while (!text.atEnd()) readStatement(text, tokens, comment);
    EXPECT_TRUE(text.inComment);
    EXPECT_EQ(text.commentOpenedOn, 4u);
}
