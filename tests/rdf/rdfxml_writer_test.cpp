// Our RDF/XML writer against raptor's "rdfxml" serializer: the same bytes for the same graph, and a refusal
// where raptor would drop characters or statements.
#include "rdf/rdfxml_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "rdf/model.h"
#include "rdf/statement.h"

using Redland::Node;

namespace {

const std::string EX = "http://ex.org/o#";
const std::string XSD = "http://www.w3.org/2001/XMLSchema#";
const std::string RDF = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
const std::string OWL = "http://www.w3.org/2002/07/owl#";

struct Triple {
    Node s, p, o;
};

struct GraphCase {
    const char* name;
    std::vector<Triple> triples;
    std::map<std::string, std::string> prefixes;  // namespace -> prefix
};

std::string ours(Redland::Model& model, const std::map<std::string, std::string>& prefixes, bool& ok) {
    std::ostringstream out;
    RdfCpp::RdfXmlWriter writer(out);
    ok = model.writeStatements(writer, prefixes) && writer.finish();
    return out.str();
}

void fill(Redland::Model& model, const std::vector<Triple>& triples) {
    for (const Triple& t : triples) ASSERT_TRUE(model.addStatement(Redland::Statement(t.s, t.p, t.o)));
}

const std::map<std::string, std::string> usual = {{EX, "ex"}, {OWL, "owl"}, {RDF, "rdf"}, {XSD, "xsd"}};

TEST(RdfXmlWriter, WritesWhatRaptorWrites) {
    const Node a(EX + "A"), p(EX + "p");
    const GraphCase cases[] = {
        {"one of each object kind",
         {{a, Node(RDF + "type"), Node(OWL + "Class")},
          {a, p, Node::blank("n1")},
          {Node::blank("n1"), Node(RDF + "first"), Node::literal("x")},
          {a, p, Node::typedLiteral("5", XSD + "integer")},
          {a, p, Node::languageLiteral("hello", "en")}},
         usual},
        {"content escapes", {{a, p, Node::literal("a&b<c>d\"e]]>f'g\th\ni\rj")}, {a, p, Node::literal("")}}, usual},
        {"non-ascii", {{a, p, Node::literal("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80")}}, usual},
        {"iris needing escapes in attributes",
         {{Node(EX + "A&B\"C<D>E F\tG"), p, Node(EX + "x&y\"z<w>")},
          {a, p, Node::typedLiteral("v", EX + "dt&\"<>")},
          {a, p, Node(std::string("http://ex.org/\xC3\xA9"))}},
         usual},
        {"xml literal", {{a, p, Node::typedLiteral("<b>bold</b>", RDF + "XMLLiteral")}}, usual},
        {"predicate outside the declared namespaces",
         {{a, Node("http://other.example/ns/q"), a}, {a, Node("http://other.example/1x"), a}},
         usual},
        {"predicate local names", {{a, Node(EX + "p.x-y_z9"), a}, {a, Node(EX + "_u"), a}}, usual},
        {"no prefixes", {{a, p, a}}, {}},
        {"default namespace and prefix order",
         {{a, p, a}, {a, Node("http://z.example/r"), a}},
         {{"http://z.example/", ""}, {EX, "zz"}, {OWL, "aa"}}},
        {"rdf prefix bound elsewhere and namespace bound twice",
         {{a, p, a}},
         {{"http://ex.org/o#", "rdf"}, {"http://ex.org/p#", "ex"}, {"http://ex.org/q#", "ex"}}},
        {"blank subject and object labels", {{Node::blank("r1&2"), p, Node::blank("n-3")}}, usual},
    };
    for (const GraphCase& c : cases) {
        Redland::Model model;
        fill(model, c.triples);
        std::string reference;
        ASSERT_TRUE(model.serializeToString(reference, c.prefixes, "rdfxml")) << c.name;
        bool ok = false;
        EXPECT_EQ(ours(model, c.prefixes, ok), reference) << c.name;
        EXPECT_TRUE(ok) << c.name;
    }
}

TEST(RdfXmlWriter, RefusesWhatXmlCannotHold) {
    const Node a(EX + "A"), p(EX + "p");
    const GraphCase cases[] = {
        {"control character in a literal", {{a, p, Node::literal(std::string("a\x01z", 3))}}, usual},
        {"broken UTF-8", {{a, p, Node::literal("a\xC3z")}}, usual},
        {"predicate without a local name", {{a, Node("http://ex.org/o/"), a}}, usual},
        {"control character in an IRI", {{Node(EX + "A\x02"), p, a}}, usual},
    };
    for (const GraphCase& c : cases) {
        Redland::Model model;
        fill(model, c.triples);
        bool ok = true;
        const std::string text = ours(model, c.prefixes, ok);
        EXPECT_FALSE(ok) << c.name;
        EXPECT_EQ(text.find("<rdf:Description"), std::string::npos) << c.name;
    }
}

}  // namespace
