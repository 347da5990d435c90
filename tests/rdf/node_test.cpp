#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "rdf/redland.h"
#include "rdf/redland_handles.h"

using Redland::Node;
using Redland::Statement;
using Redland::URI;

namespace {

const std::string XSD = "http://www.w3.org/2001/XMLSchema#";

TEST(NodeTest, PrintedFormsFollowNTriplesWithBlankNodesInBrackets) {
    struct Case {
        Node node;
        std::string text;
    };
    const Case cases[] = {
        {Node("http://example.org/a#B"), "<http://example.org/a#B>"},
        {Node::literal("abc"), "\"abc\""},
        {Node::literal("say \"hi\""), "\"say \\\"hi\\\"\""},
        {Node::languageLiteral("Wand", "de"), "\"Wand\"@de"},
        {Node::typedLiteral("12", XSD + "integer"), "\"12\"^^<" + XSD + "integer>"},
        {Node::blank("x7"), "<_:x7>"},
        {Node(), ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.node.toString(), c.text);
}

// Plain IRIs and ids are framed without raptor's writer; the result must be the writer's, character for character.
TEST(NodeTest, PrintedFormAgreesWithRaptorsWriterForEveryCharacter) {
    auto raptorText = [](const Node& node) {
        size_t length = 0;
        librdf_node* made = Redland::newLibrdfNode(node);
        unsigned char* text = raptor_term_to_counted_string(made, &length);
        std::string out(reinterpret_cast<const char*>(text), length);
        raptor_free_memory(text);
        librdf_free_node(made);
        return node.isBlank() ? "<" + out + ">" : out;
    };
    for (int c = 1; c < 256; ++c) {
        const std::string ch(1, static_cast<char>(c));
        for (const std::string& id : {"x" + ch + "1", ch + "x"}) {
            const Node blank = Node::blank(id);
            EXPECT_EQ(blank.toString(), raptorText(blank)) << "character " << c;
        }
        // A byte from 0x80 alone is no UTF-8: raptor's writer stops there (see the next test).
        if (c < 0x80) {
            for (const Node& iri : {Node("http://ex.org/a" + ch + "b"), Node("http://ex.org/\xc3\xa4" + ch)})
                EXPECT_EQ(iri.toString(), raptorText(iri)) << "character " << c;
            for (const Node& literal : {Node::literal("a" + ch + "b"), Node::languageLiteral(ch, "en"),
                                        Node::typedLiteral(ch + "1", XSD + "string")})
                EXPECT_EQ(literal.toString(), raptorText(literal)) << "character " << c;
        }
    }
}

// Text with a NUL, or bytes that are no UTF-8, arrives from parsed files; raptor's writer stops at the NUL or
// gives up, but every such literal must still print as itself, or a graph would take two of them for one.
TEST(NodeTest, LiteralsRaptorCannotWriteStillPrintApart) {
    auto counted = [](const std::string& text) {
        return Redland::adoptNode(librdf_new_node_from_typed_counted_literal(
            Redland::getWorld(), reinterpret_cast<const unsigned char*>(text.data()), text.size(), nullptr, 0,
            nullptr));
    };
    const std::string texts[] = {std::string("a\0b", 3),
                                 std::string("a\0c", 3),
                                 std::string("a", 1),
                                 "\xff",
                                 "\xfe",
                                 "\xc3\xa9",
                                 "\\x",
                                 "\xc3\x29",
                                 "\\u0000"};
    std::set<std::string> printed;
    for (const std::string& text : texts) {
        const Node literal = counted(text);
        ASSERT_TRUE(literal.isLiteral());
        EXPECT_FALSE(literal.toString().empty());
        EXPECT_EQ(literal.getLiteralValue(), text);
        printed.insert(literal.toString());
    }
    EXPECT_EQ(printed.size(), std::size(texts));
    EXPECT_EQ(counted("\xc3\xa9").toString(), "\"\\u00E9\"");
}

TEST(NodeTest, KindsAndAccessors) {
    const Node uri("http://example.org/a#B");
    EXPECT_TRUE(uri.isResource());
    EXPECT_FALSE(uri.isLiteral());
    EXPECT_EQ(uri.getUri().str(), "http://example.org/a#B");
    EXPECT_EQ(uri.getUriString(), "http://example.org/a#B");

    const Node typed = Node::typedLiteral("1.5", XSD + "double");
    EXPECT_TRUE(typed.isLiteral());
    EXPECT_EQ(typed.getLiteralValue(), "1.5");
    EXPECT_EQ(typed.getLiteralDatatype().str(), XSD + "double");
    EXPECT_FALSE(Node::literal("x").getLiteralDatatype().isValid());
    EXPECT_FALSE(typed.getUri().isValid());
    EXPECT_EQ(typed.getUriString(), "");

    const Node blank = Node::blank("n1");
    EXPECT_TRUE(blank.isBlank());
    EXPECT_EQ(blank.getBlankIdentifier(), "n1");
    EXPECT_EQ(blank.getUriString(), "");
}

TEST(NodeTest, NullNodesFromEmptyText) {
    const Node nodes[] = {Node(""), Node(std::string()),         Node(static_cast<const char*>(nullptr)),
                          Node(),   Redland::adoptNode(nullptr), Redland::shareNode(nullptr)};
    for (const Node& n : nodes) {
        EXPECT_FALSE(n.isValid());
        EXPECT_FALSE(n.isResource() || n.isBlank() || n.isLiteral());
        EXPECT_EQ(n, Node());
        EXPECT_TRUE(n < Node("a:b"));
        EXPECT_TRUE(n < Node::literal(""));
        EXPECT_EQ(n.getNamespace(), "");
    }
}

TEST(NodeTest, NamespaceAndLocalName) {
    struct Case {
        Node node;
        std::string ns, local;
    };
    const Case cases[] = {
        {Node("http://ex.org/a/b#C"), "http://ex.org/a/b#", "C"},
        {Node("http://ex.org/a#b#C"), "http://ex.org/a#", "b#C"},  // first "#" wins
        {Node("http://ex.org/a/b/C"), "http://ex.org/a/b/", "C"},  // last "/" otherwise
        {Node("http://ex.org/a/b/"), "http://ex.org/a/b/", ""},
        {Node("urn:isbn:123"), "", "urn:isbn:123"},
        {Node::literal("http://ex.org/a#C"), "", ""},
        {Node::blank("q"), "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.node.getNamespace(), c.ns) << c.node.toString();
        EXPECT_EQ(c.node.getLocalName(), c.local) << c.node.toString();
    }
}

TEST(NodeTest, EqualityAndOrderFollowPrintedForm) {
    std::set<Node> nodes;
    nodes.insert(Node("http://ex.org/b"));
    nodes.insert(Node("http://ex.org/b"));
    nodes.insert(Node::literal("http://ex.org/b"));
    nodes.insert(Node::blank("http://ex.org/b"));
    nodes.insert(Node("http://ex.org/a"));
    nodes.insert(Node::literal("x"));
    nodes.insert(Node::languageLiteral("x", "en"));
    nodes.insert(Node::typedLiteral("x", XSD + "string"));
    ASSERT_EQ(nodes.size(), 7u);
    std::string previous;
    for (const Node& n : nodes) {
        EXPECT_LT(previous, n.toString());
        previous = n.toString();
    }
    EXPECT_EQ(nodes.begin()->toString(), "\"http://ex.org/b\"");  // '"' sorts before '<'
    EXPECT_NE(Node("http://ex.org/b"), Node::blank("http://ex.org/b"));
    // A relative IRI can print like a blank node; they are still two terms.
    EXPECT_EQ(Node("_:x").toString(), Node::blank("x").toString());
    EXPECT_NE(Node("_:x"), Node::blank("x"));
    EXPECT_TRUE(Node::blank("x") < Node("_:x"));
    EXPECT_FALSE(Node("_:x") < Node::blank("x"));
}

// What librdf made of literals it was given is what files have always held.
TEST(NodeTest, LiteralsAreMadeAsLibrdfMadeThem) {
    struct Case {
        Node node;
        std::string printed;
    };
    const std::string BOOLEAN = XSD + "boolean";
    const Case cases[] = {
        {Node::typedLiteral("TRUE", BOOLEAN), "\"true\"^^<" + BOOLEAN + ">"},
        {Node::typedLiteral("1", BOOLEAN), "\"true\"^^<" + BOOLEAN + ">"},
        {Node::typedLiteral("yes", BOOLEAN), "\"false\"^^<" + BOOLEAN + ">"},
        {Node::typedLiteral("x", ""), "\"x\""},
        {Node::languageLiteral("x", "en_GB"), "\"x\"@en-GB"},
        {Node::languageLiteral("x", ""), "\"x\""},
        {Node::make(Node::Kind::Literal, "x", XSD + "string", "en"), "\"x\"@en"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.node.toString(), c.printed);
}

// Parsing and raptor's writers see our terms as librdf nodes: every kind must cross and come back as itself.
TEST(NodeTest, TermsCrossToLibrdfAndBackUnchanged) {
    const Node nodes[] = {Node("http://ex.org/a#b"),
                          Node("http://ex.org/\xc3\xa4 {x}"),
                          Node::blank("b7"),
                          Node::literal(std::string("a\0b", 3)),
                          Node::literal(""),
                          Node::typedLiteral("12", XSD + "integer"),
                          Node::languageLiteral("Wand", "de-CH")};
    for (const Node& node : nodes) {
        librdf_node* made = Redland::newLibrdfNode(node);
        ASSERT_TRUE(made) << node.toString();
        EXPECT_EQ(Redland::adoptNode(made), node) << node.toString();
    }
    EXPECT_EQ(Redland::newLibrdfNode(Node()), nullptr);
}

TEST(NodeTest, CopiesOwnTheirReferences) {
    auto original = std::make_unique<Node>("http://ex.org/x");
    Node copy(*original);
    Node assigned;
    assigned = *original;
    { Node scoped(*original); }
    original.reset();
    EXPECT_EQ(copy.toString(), "<http://ex.org/x>");
    EXPECT_EQ(assigned.getUriString(), "http://ex.org/x");

    Node moved(std::move(copy));
    EXPECT_EQ(moved.toString(), "<http://ex.org/x>");

    assigned = Node();
    EXPECT_FALSE(assigned.isValid());
    EXPECT_EQ(assigned.toString(), "");
    assigned = moved;
    Node& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned.toString(), "<http://ex.org/x>");

    librdf_node* made =
        librdf_new_node_from_uri_string(Redland::getWorld(), reinterpret_cast<const unsigned char*>("http://ex.org/y"));
    Node shared = Redland::shareNode(made);
    Node adopted = Redland::adoptNode(made);  // takes the creator's reference; both release their own
    EXPECT_EQ(shared, adopted);
}

TEST(NodeTest, BlankNodesGetFreshDistinctIds) {
    std::set<Node> blanks;
    for (int i = 0; i < 50; ++i) blanks.insert(Node::blank());
    EXPECT_EQ(blanks.size(), 50u);
    for (const Node& b : blanks) EXPECT_EQ(b.getBlankIdentifier().substr(0, 1), "b");
    EXPECT_TRUE(Node::blank("").isBlank());
}

TEST(StatementTest, HoldsItsOwnCopiesOfTheNodes) {
    std::unique_ptr<Statement> statement;
    {
        Node s("http://ex.org/s"), p("http://ex.org/p");
        statement = std::make_unique<Statement>(s, p, Node::literal("o"));
    }
    Statement copy(*statement);
    statement.reset();
    EXPECT_EQ(copy.subject().toString(), "<http://ex.org/s>");
    EXPECT_EQ(copy.predicate().toString(), "<http://ex.org/p>");
    EXPECT_EQ(copy.object().toString(), "\"o\"");

    Statement partial(Node(), Node("http://ex.org/p"), Node());
    EXPECT_FALSE(partial.subject().isValid());
    EXPECT_FALSE(partial.object().isValid());
    partial = copy;
    EXPECT_EQ(partial.object().toString(), "\"o\"");
}

TEST(UriTest, TextCopiesAndNullUris) {
    EXPECT_FALSE(URI("").isValid());
    EXPECT_FALSE(URI(static_cast<const char*>(nullptr)).isValid());
    EXPECT_EQ(URI("").toString(), nullptr);
    EXPECT_EQ(URI(std::string()).str(), "");

    auto original = std::make_unique<URI>("http://ex.org/o");
    URI copy(*original);
    original.reset();
    EXPECT_STREQ(copy.toString(), "http://ex.org/o");
    URI other("http://ex.org/p");
    copy = other;
    EXPECT_STREQ(copy.toString(), "http://ex.org/p");
}

TEST(VocabularyTest, ConstantsAreTheStandardTerms) {
    EXPECT_EQ(Vocabulary::rdf_type.getUriString(), "http://www.w3.org/1999/02/22-rdf-syntax-ns#type");
    EXPECT_EQ(Vocabulary::rdfs_subClassOf.getUriString(), "http://www.w3.org/2000/01/rdf-schema#subClassOf");
    EXPECT_EQ(Vocabulary::owl_NamedIndividual.getUriString(), "http://www.w3.org/2002/07/owl#NamedIndividual");
    EXPECT_EQ(Vocabulary::owl_maxQualifiedCardinality.getLocalName(), "maxQualifiedCardinality");
    EXPECT_EQ(Vocabulary::rdf_nil.getUriString(), "http://www.w3.org/1999/02/22-rdf-syntax-ns#nil");
    EXPECT_EQ(Vocabulary::xsd_minLength.getUriString(), "http://www.w3.org/2001/XMLSchema#minLength");
    EXPECT_EQ(Vocabulary::rdfs_Datatype.getNamespace(), Vocabulary::RDFS_NS);
}

}  // namespace
