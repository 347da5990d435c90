// The streaming N-Triples and Turtle writers: exact escaping, and output that raptor reads back as the
// statements that went in.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "parsed_triples.h"
#include "rdf/ntriples_writer.h"
#include "rdf/term_escaping.h"
#include "rdf/turtle_writer.h"

using parsedtriples::Triple;
using RdfCpp::Term;

namespace {

const std::string EX = "http://example.org/o#";
const std::string RDF = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
const std::string XSD = "http://www.w3.org/2001/XMLSchema#";

struct TermCase {
    const char* name;
    Term term;
    const char* written;
};

TEST(TermEscaping, WritesEachTermAsTheGrammarSpellsIt) {
    const TermCase cases[] = {
        {"plain iri", Term::iri("http://a/b#c"), "<http://a/b#c>"},
        {"iri forbidden chars", Term::iri("http://a/<b> c\"{|}^`\\"),
         "<http://a/\\u003Cb\\u003E\\u0020c\\u0022\\u007B\\u007C\\u007D\\u005E\\u0060\\u005C>"},
        {"iri control", Term::iri(std::string("http://a/\x01\x7f", 11)), "<http://a/\\u0001\x7f>"},
        {"iri non-ascii kept", Term::iri("http://a/\xC3\xA9"), "<http://a/\xC3\xA9>"},
        {"literal escapes", Term::literal("a\"b\\c\nd\re\tf"), "\"a\\\"b\\\\c\\nd\\re\\tf\""},
        {"literal controls", Term::literal(std::string("\x00\x08\x1f\x7f", 4)), "\"\\u0000\\u0008\\u001F\\u007F\""},
        {"literal non-ascii kept", Term::literal("\xE2\x82\xAC <&>"), "\"\xE2\x82\xAC <&>\""},
        {"language", Term::literal("hi", "", "en-GB"), "\"hi\"@en-GB"},
        {"datatype", Term::literal("1", XSD + "integer"), "\"1\"^^<http://www.w3.org/2001/XMLSchema#integer>"},
        {"empty literal", Term::literal(""), "\"\""},
        {"blank", Term::blank("b12"), "_:b12"},
        {"blank odd label", Term::blank("a.b"), "_:x_612E62"},
        {"blank that looks encoded", Term::blank("x_61"), "_:x_785F3631"},
    };
    for (const TermCase& c : cases) {
        std::string out;
        EXPECT_TRUE(RdfCpp::appendNTriplesTerm(out, c.term)) << c.name;
        EXPECT_EQ(out, c.written) << c.name;
    }
}

TEST(TermEscaping, RecognisesNamesTurtleCanHold) {
    EXPECT_TRUE(RdfCpp::isLocalName("IfcWall"));
    EXPECT_TRUE(RdfCpp::isLocalName("has_Set-1.a"));
    EXPECT_TRUE(RdfCpp::isLocalName("1st"));
    EXPECT_TRUE(RdfCpp::isLocalName(""));
    for (const char* bad : {"a b", "end.", "-x", "a/b", "a#b", "a%20", "\xC3\xA9", "a(b)"})
        EXPECT_FALSE(RdfCpp::isLocalName(bad)) << bad;
    EXPECT_TRUE(RdfCpp::isPrefixName("owl"));
    EXPECT_TRUE(RdfCpp::isPrefixName(""));
    for (const char* bad : {"1a", "_a", "a.", "a b"}) EXPECT_FALSE(RdfCpp::isPrefixName(bad)) << bad;
    EXPECT_TRUE(RdfCpp::isLanguageTag("en"));
    EXPECT_TRUE(RdfCpp::isLanguageTag("de-CH-1901"));
    for (const char* bad : {"", "en-", "-en", "e n", "en--x", "1en"}) EXPECT_FALSE(RdfCpp::isLanguageTag(bad)) << bad;
}

// Statements that exercise grouping and every escape, including IRIs that cannot be abbreviated. (Raptor
// refuses \u escapes of characters IRIs forbid, so an IRI holding a space cannot make the round trip.)
std::vector<Triple> trickyTriples() {
    return {
        {Term::iri(EX + "Wall"), Term::iri(RDF + "type"), Term::iri("http://www.w3.org/2002/07/owl#Class")},
        {Term::iri(EX + "Wall"), Term::iri(RDF + "type"), Term::iri(EX + "Thing")},
        {Term::iri(EX + "Wall"), Term::iri(EX + "label"), Term::literal("say \"hi\"\n\ttab\\", "", "en")},
        {Term::iri(EX + "Wall"), Term::iri(EX + "label"), Term::literal(std::string("ctl\x01\x7f end", 9))},
        {Term::iri(EX + "Wall"), Term::iri(EX + "size"), Term::literal("12", XSD + "integer")},
        {Term::iri(EX + "Wall"), Term::iri(EX + "odd"), Term::literal("x", EX + "dt/with")},
        {Term::iri(EX + "with(paren)"), Term::iri(EX + "p"), Term::iri(EX + "end.")},
        {Term::iri(EX + "a/b"), Term::iri(EX + "p"), Term::iri("http://other.example/\xC3\xA9t\xC3\xA9")},
        {Term::blank("b1"), Term::iri(RDF + "first"), Term::iri(EX + "Wall")},
        {Term::blank("b1"), Term::iri(RDF + "rest"), Term::blank("b2")},
        {Term::blank("b2"), Term::iri(RDF + "first"), Term::literal("\xE2\x82\xAC")},
        {Term::blank("b2"), Term::iri(RDF + "rest"), Term::iri(RDF + "nil")},
        {Term::iri(EX + "Wall"), Term::iri(EX + "list"), Term::blank("b1")},
        {Term::iri(EX), Term::iri(EX + "p"), Term::blank("odd label")},
    };
}

template <typename Writer>
std::string writeAll(const std::vector<Triple>& triples) {
    std::ostringstream out;
    Writer writer(out);
    writer.prefix("rdf", RDF);
    writer.prefix("ex", EX);
    writer.prefix("xsd", XSD);
    writer.prefix("owl", "http://www.w3.org/2002/07/owl#");
    for (const Triple& t : triples) EXPECT_TRUE(writer.triple(t.s, t.p, t.o));
    EXPECT_TRUE(writer.finish());
    return out.str();
}

TEST(TripleWriters, RaptorReadsBackTheSameStatements) {
    const std::vector<Triple> in = trickyTriples();
    const std::vector<std::string> expected = parsedtriples::canonicalLines(in);
    const std::string turtle = writeAll<RdfCpp::TurtleWriter>(in);
    const std::string ntriples = writeAll<RdfCpp::NTriplesWriter>(in);
    for (auto [text, syntax] : {std::pair{turtle, "turtle"}, std::pair{ntriples, "ntriples"}}) {
        parsedtriples::ParseResult parsed = parsedtriples::parse(text, syntax);
        EXPECT_EQ(parsed.errors, 0) << syntax << "\n" << text;
        EXPECT_EQ(parsedtriples::canonicalLines(parsed.triples), expected) << syntax << "\n" << text;
    }
}

TEST(TurtleWriter, GroupsBySubjectAndPredicateAndAbbreviates) {
    const std::string text = writeAll<RdfCpp::TurtleWriter>({
        {Term::iri(EX + "Wall"), Term::iri(RDF + "type"), Term::iri("http://www.w3.org/2002/07/owl#Class")},
        {Term::iri(EX + "Wall"), Term::iri(RDF + "type"), Term::iri(EX + "Thing")},
        {Term::iri(EX + "Wall"), Term::iri(EX + "size"), Term::literal("1", XSD + "integer")},
        {Term::iri(EX + "a b"), Term::iri(EX + "p"), Term::blank("b1")},
    });
    EXPECT_EQ(text,
              "@prefix rdf: <http://www.w3.org/1999/02/22-rdf-syntax-ns#> .\n"
              "@prefix ex: <http://example.org/o#> .\n"
              "@prefix xsd: <http://www.w3.org/2001/XMLSchema#> .\n"
              "@prefix owl: <http://www.w3.org/2002/07/owl#> .\n"
              "\n"
              "ex:Wall a owl:Class ,\n"
              "        ex:Thing ;\n"
              "    ex:size \"1\"^^xsd:integer .\n"
              "\n"
              "<http://example.org/o#a\\u0020b> ex:p _:b1 .\n");
}

TEST(TurtleWriter, IgnoresPrefixesItCannotBindAndPrefersTheLongestNamespace) {
    std::ostringstream out;
    RdfCpp::TurtleWriter writer(out);
    writer.prefix("1bad", EX);
    writer.prefix("ex", "http://example.org/");
    writer.prefix("ex", EX);  // already bound
    writer.prefix("o", EX);
    writer.prefix("none", "");
    EXPECT_TRUE(writer.triple(Term::iri(EX + "A"), Term::iri("http://example.org/p"), Term::iri(EX + "B")));
    EXPECT_TRUE(writer.finish());
    EXPECT_EQ(out.str(),
              "@prefix ex: <http://example.org/> .\n"
              "@prefix o: <http://example.org/o#> .\n"
              "\n"
              "o:A ex:p o:B .\n");
}

template <typename Writer>
void expectRefused(const Term& s, const Term& p, const Term& o) {
    std::ostringstream out;
    Writer writer(out);
    EXPECT_FALSE(writer.triple(s, p, o));
    EXPECT_FALSE(writer.triple(Term::iri(EX + "A"), Term::iri(EX + "p"), Term::iri(EX + "B")));  // stays failed
    EXPECT_FALSE(writer.finish());
    EXPECT_EQ(out.str().find("A"), std::string::npos);
}

TEST(TripleWriters, RefuseStatementsRdfCannotHold) {
    const Term s = Term::iri(EX + "s"), p = Term::iri(EX + "p");
    expectRefused<RdfCpp::NTriplesWriter>(Term::literal("x"), p, s);
    expectRefused<RdfCpp::NTriplesWriter>(s, Term::blank("b"), s);
    expectRefused<RdfCpp::NTriplesWriter>(s, p, Term::literal("x", "", "not a tag"));
    expectRefused<RdfCpp::TurtleWriter>(Term::literal("x"), p, s);
    expectRefused<RdfCpp::TurtleWriter>(s, Term::literal("x"), s);
    expectRefused<RdfCpp::TurtleWriter>(s, p, Term::literal("x", "", "en_GB"));
}

TEST(TripleWriters, ReportAFailedFileWrite) {
    std::FILE* full = std::fopen("/dev/full", "w");
    if (!full) GTEST_SKIP() << "/dev/full is not available";
    std::setvbuf(full, nullptr, _IONBF, 0);
    RdfCpp::NTriplesWriter ntriples(full);
    ntriples.triple(Term::iri(EX + "s"), Term::iri(EX + "p"), Term::literal("x"));
    EXPECT_FALSE(ntriples.finish());
    RdfCpp::TurtleWriter turtle(full);
    turtle.triple(Term::iri(EX + "s"), Term::iri(EX + "p"), Term::literal("x"));
    EXPECT_FALSE(turtle.finish());
    std::fclose(full);
}

}  // namespace
