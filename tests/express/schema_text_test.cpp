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

TEST(SchemaText, CrBeforeLfIsNotPartOfTheLine) {
    EXPECT_EQ(lineTokens("TYPE A = REAL;\r\nEND_TYPE;\r\n"), lineTokens("TYPE A = REAL;\nEND_TYPE;\n"));
    // Only the CR right before the LF goes.
    EXPECT_EQ(lineTokens("A;\r\r\nB\rC\n\r\n"), (std::vector<Tokens>{{"A;\r"}, {"B\rC"}, {}, {}}));
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
