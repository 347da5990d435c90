#include <gtest/gtest.h>

#include <memory>

#include "graph_shapes.h"
#include "rdf/connector.h"
#include "rdf/model.h"
#include "rdf/rdf_list.h"
#include "rdf/vocabulary.h"
#include "test_support.h"

using Redland::Model;
using Redland::Node;
using Redland::Statement;

namespace {

const std::string OWL = Vocabulary::OWL_NS;
const std::string EX = "http://ex.org/onto";
const Node ontologyClass(OWL + "Ontology");
const Node p("http://ex.org/p");
const Node q("http://ex.org/q");

class GraphTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(model.isValid()); }
    // Every triple of the model, as N-Triples terms.
    std::set<std::string> triples() {
        std::set<std::string> out;
        for (const auto& t : testsupport::GraphShapes::triples(model)) out.insert(t.s + " " + t.p + " " + t.o);
        return out;
    }
    Model model;
};

TEST_F(GraphTest, UriIsTheSmallestOntologySubject) {
    EXPECT_EQ(model.getUri(), "");
    model.addTriple(Node("http://ex.org/z"), Vocabulary::rdf_type, ontologyClass);
    model.addTriple(Node("http://ex.org/b"), Vocabulary::rdf_type, ontologyClass);
    model.addTriple(Node::blank(), Vocabulary::rdf_type, ontologyClass);
    EXPECT_EQ(model.getUri(), "http://ex.org/b");
}

TEST_F(GraphTest, NamespaceAndNameFromTheUri) {
    struct Case {
        std::string uri, ns, name;
    };
    const Case cases[] = {
        {"http://ex.org/IFC4#", "http://ex.org/IFC4#", "IFC4"},
        {"http://ex.org/ifc/IFC2X3.owl", "http://ex.org/ifc/IFC2X3.owl#", "IFC2X3"},
        {"http://ex.org/IFC4/", "http://ex.org/IFC4/#", "IFC4"},
        {"http://ex.org/a#b", "http://ex.org/a#b", "ab"},
    };
    for (const Case& c : cases) {
        Model m;
        m.setOntology(c.uri);
        EXPECT_EQ(m.getUri(), c.uri);
        EXPECT_EQ(m.getNamespace(), c.ns) << c.uri;
        EXPECT_EQ(m.getName(), c.name) << c.uri;
    }
}

TEST_F(GraphTest, RefusesMalformedStatementsWithoutChangingTheGraph) {
    const Node lit = Node::literal("x");
    const Statement refused[] = {
        Statement(lit, p, Node("http://ex.org/o")),              // literal subject
        Statement(Node("http://ex.org/s"), Node::blank(), lit),  // blank predicate
        Statement(Node("http://ex.org/s"), lit, lit),            // literal predicate
        Statement(Node(), p, lit),
        Statement(Node("http://ex.org/s"), Node(), lit),
        Statement(Node("http://ex.org/s"), p, Node()),
    };
    for (const Statement& s : refused) {
        EXPECT_FALSE(model.addStatement(s));
        EXPECT_FALSE(model.removeStatement(s));
    }
    EXPECT_FALSE(model.addTriple(Node(""), p, lit));
    EXPECT_EQ(model.countStatements(), 0);
    EXPECT_FALSE(model.isModified());

    EXPECT_TRUE(model.addTriple(Node::blank(), p, lit));
    EXPECT_TRUE(model.isModified());
    EXPECT_EQ(model.countStatements(), 1);
}

TEST_F(GraphTest, AddStatementsStopsAtTheFirstRefusal) {
    const Node s("http://ex.org/s");
    std::vector<Statement> batch{Statement(s, p, Node::literal("1")), Statement(s, Node(), Node::literal("2")),
                                 Statement(s, p, Node::literal("3"))};
    EXPECT_FALSE(model.addStatements(batch));
    EXPECT_EQ(model.countStatements(), 1);
    EXPECT_TRUE(model.addStatements({}));
    EXPECT_TRUE(model.removeStatements({batch[0]}));
    EXPECT_EQ(model.countStatements(), 0);
}

TEST_F(GraphTest, StorageWithoutTransactionsStillAdds) {
    EXPECT_FALSE(model.transactionStart());
    EXPECT_FALSE(model.isInTransaction());
    EXPECT_FALSE(model.transactionCommit());
    EXPECT_TRUE(model.addTriple(Node("http://ex.org/s"), p, q));
}

TEST_F(GraphTest, AddListWritesFirstAndRestCells) {
    RdfCpp::RdfList list;
    list.items = {Node("http://ex.org/a"), Node::literal("b"), Node("http://ex.org/c")};
    const Node head = Node::blank();
    ASSERT_TRUE(list.addList(head, &model));
    EXPECT_EQ(model.countStatements(), 6);

    std::vector<Node> items;
    Node cell = head;
    for (int i = 0; i < 3; ++i) {
        Node item, next;
        ASSERT_TRUE(model.get_target(cell, Vocabulary::rdf_first, item));
        ASSERT_TRUE(model.get_target(cell, Vocabulary::rdf_rest, next));
        items.push_back(item);
        cell = next;
    }
    EXPECT_EQ(cell, Vocabulary::rdf_nil);
    EXPECT_EQ(items, list.items);

    RdfCpp::RdfList empty;
    const Node emptyHead = Node::blank();
    EXPECT_TRUE(empty.addList(emptyHead, &model));
    EXPECT_EQ(model.countStatements(), 7);
    EXPECT_TRUE(model.containsStatement(Statement(emptyHead, Vocabulary::rdf_rest, Vocabulary::rdf_nil)));

    EXPECT_FALSE(list.addList(Node("http://ex.org/head"), &model));
    EXPECT_FALSE(list.addList(Node::blank(), nullptr));
    EXPECT_EQ(model.countStatements(), 7);
}

TEST_F(GraphTest, AddListTypesItsCellsAndUsesTheCellsItIsGiven) {
    RdfCpp::RdfList list;
    list.items = {Node("http://ex.org/a"), Node("http://ex.org/b"), Node("http://ex.org/c")};
    list.cellType = Vocabulary::rdf_List;
    const Node head = Node::blank(), given = Node::blank();
    list.cells = {given};
    ASSERT_TRUE(list.addList(head, &model));
    EXPECT_EQ(model.countStatements(), 9);
    EXPECT_TRUE(model.containsStatement(Statement(head, Vocabulary::rdf_rest, given)));
    EXPECT_TRUE(model.containsStatement(Statement(given, Vocabulary::rdf_first, list.items[1])));
    Node last;
    ASSERT_TRUE(model.get_target(given, Vocabulary::rdf_rest, last));
    EXPECT_TRUE(last.isBlank());
    EXPECT_TRUE(model.containsStatement(Statement(last, Vocabulary::rdf_rest, Vocabulary::rdf_nil)));
    for (const Node& cell : {head, given, last})
        EXPECT_TRUE(model.containsStatement(Statement(cell, Vocabulary::rdf_type, Vocabulary::rdf_List)));
}

TEST_F(GraphTest, ImportsAreAddedOnce) {
    EXPECT_FALSE(model.addImport("http://ex.org/other"));  // no URI yet
    ASSERT_TRUE(model.setOntology(EX));
    EXPECT_FALSE(model.addImport(""));
    EXPECT_TRUE(model.addImport("http://ex.org/other"));
    EXPECT_FALSE(model.addImport("http://ex.org/other"));
    EXPECT_TRUE(model.addImport("file:/repo/local.owl"));
    EXPECT_EQ(model.getImports(), (std::set<std::string>{"/repo/local.owl", "http://ex.org/other"}));
    std::vector<Node> imports;
    model.get_targets(Node(EX), Node(OWL + "imports"), imports);
    EXPECT_EQ(imports.size(), 2u);
}

TEST_F(GraphTest, HeaderAnnotations) {
    ASSERT_TRUE(model.setOntology(EX));
    EXPECT_FALSE(model.setOntology(""));
    const Node dc(Vocabulary::DC_NS);
    const Node description(std::string(Vocabulary::DC_NS) + "description");
    const Node comment(std::string(Vocabulary::RDFS_NS) + "comment");
    EXPECT_TRUE(
        model.containsStatement(Statement(description, Vocabulary::rdf_type, Node(OWL + "AnnotationProperty"))));

    EXPECT_FALSE(model.addCreator(""));
    EXPECT_TRUE(model.addCreator("Ann"));
    EXPECT_TRUE(model.addCreator("Bob"));
    EXPECT_TRUE(model.setDescription("first"));
    EXPECT_TRUE(model.setDescription("second"));
    EXPECT_TRUE(model.addComment("c1"));
    EXPECT_TRUE(model.addComment("c2"));
    EXPECT_FALSE(model.addComment(""));

    std::vector<Node> values;
    model.get_targets(Node(EX), description, values);
    EXPECT_EQ(values, std::vector<Node>{Node::literal("second")});
    model.get_targets(Node(EX), comment, values);
    EXPECT_EQ(values.size(), 2u);
    model.get_targets(Node(EX), Node(std::string(Vocabulary::DC_NS) + "creator"), values);
    EXPECT_EQ(values.size(), 2u);

    Model bare;
    EXPECT_FALSE(bare.addCreator("nobody"));  // no graph URI to annotate
}

TEST_F(GraphTest, SetUriRenamesOntologyAndItsIndividuals) {
    const std::string oldUri = "http://ex.org/old";
    ASSERT_TRUE(model.setOntology(oldUri));
    model.addImport("http://ex.org/imported");
    const Node mine(oldUri + "#RED"), foreign("http://other.org/x#BLUE");
    for (const Node& individual : {mine, foreign}) {
        model.addTriple(individual, Vocabulary::rdf_type, Vocabulary::owl_NamedIndividual);
        model.addTriple(individual, p, Node::literal("v"));
    }
    const Node pointer = Node::blank();
    model.addTriple(pointer, q, Node(oldUri));
    model.addTriple(pointer, q, mine);

    ASSERT_TRUE(model.setUri("http://ex.org/new"));
    EXPECT_FALSE(model.setUri(""));
    EXPECT_EQ(model.getUri(), "http://ex.org/new");
    EXPECT_EQ(model.getImports(), std::set<std::string>{"http://ex.org/imported"});
    const Node renamed("http://ex.org/new#RED");
    EXPECT_TRUE(model.containsStatement(Statement(renamed, p, Node::literal("v"))));
    EXPECT_TRUE(model.containsStatement(Statement(pointer, q, renamed)));
    EXPECT_TRUE(model.containsStatement(Statement(pointer, q, Node("http://ex.org/new"))));
    EXPECT_TRUE(model.containsStatement(Statement(foreign, p, Node::literal("v"))));
    for (const std::string& t : triples()) EXPECT_EQ(t.find("http://ex.org/old"), std::string::npos) << t;
}

TEST_F(GraphTest, ReplaceNodeHandlesBlankNodesAndSelfLoops) {
    const Node oldNode = Node::blank(), newNode("http://ex.org/n");
    model.addTriple(oldNode, p, oldNode);
    model.addTriple(Node("http://ex.org/s"), q, oldNode);
    ASSERT_TRUE(model.replaceNode(oldNode, newNode));
    EXPECT_EQ(triples(), (std::set<std::string>{"<http://ex.org/n> <http://ex.org/p> <http://ex.org/n>",
                                                "<http://ex.org/s> <http://ex.org/q> <http://ex.org/n>"}));
}

TEST_F(GraphTest, QueriesReturnSortedDistinctNodes) {
    const Node s("http://ex.org/s");
    model.addTriple(s, p, Node::literal("b"));
    model.addTriple(s, p, Node::literal("a"));
    model.addTriple(s, q, Node("http://ex.org/t"));
    model.addTriple(Node("http://ex.org/t"), p, Node("http://ex.org/u"));
    model.addTriple(Node("http://ex.org/t"), p, Node("http://ex.org/v"));

    std::vector<Node> out{Node("stale:x")};
    ASSERT_TRUE(model.get_targets(s, p, out));
    EXPECT_EQ(out, (std::vector<Node>{Node::literal("a"), Node::literal("b")}));
    EXPECT_TRUE(model.get_arcs(s, Node("http://ex.org/t"), out));
    EXPECT_EQ(out, std::vector<Node>{q});
    EXPECT_TRUE(model.get_arcs_out(s, out));
    EXPECT_EQ(out, (std::vector<Node>{p, q}));
    EXPECT_TRUE(model.get_arcs_in(Node("http://ex.org/t"), out));
    EXPECT_EQ(out, std::vector<Node>{q});
    Node source;
    EXPECT_TRUE(model.get_source(p, Node::literal("a"), source));
    EXPECT_EQ(source, s);

    EXPECT_FALSE(model.get_targets(s, Node("http://ex.org/none"), out));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(model.get_targets(Node(), p, out));
    EXPECT_FALSE(model.get_sources(Node(), s, out));
    EXPECT_FALSE(model.get_arcs_in(Node(), out));

    ASSERT_TRUE(model.get_chainedTargets(s, {q, p}, out));
    EXPECT_EQ(out, (std::vector<Node>{Node("http://ex.org/u"), Node("http://ex.org/v")}));
    ASSERT_TRUE(model.get_chainedTargets(s, {}, out));
    EXPECT_EQ(out, std::vector<Node>{s});
    EXPECT_FALSE(model.get_chainedTargets(s, {p, p}, out));

    EXPECT_TRUE(model.containsStatement(Statement(s, p, Node::literal("a"))));
    EXPECT_FALSE(model.containsStatement(Statement(s, p, Node::literal("c"))));
    EXPECT_FALSE(model.containsStatement(Statement(s, p, Node())));
}

TEST_F(GraphTest, TboxWhenClassesOrRestrictionsAreTyped) {
    EXPECT_FALSE(model.isTbox());
    model.addTriple(Node::blank(), Vocabulary::rdf_type, Vocabulary::owl_Restriction);
    EXPECT_TRUE(model.isTbox());
    Model classes;
    classes.addTriple(Node("http://ex.org/C"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    EXPECT_TRUE(classes.isTbox());
}

TEST_F(GraphTest, SparqlQueryRowsAndText) {
    RdfCpp::SparqlQuery query;
    EXPECT_EQ(query.text(), "");
    EXPECT_FALSE(model.query(query, true));
    query.prefixes = {{"ex", "http://ex.org/"}};
    query.select = {"?s", "?o"};
    query.patterns = {"?s ex:p ?o", "FILTER(?o != \"z\")"};
    query.groupBy = {"?s", "?o"};
    EXPECT_EQ(query.text(),
              "PREFIX ex: <http://ex.org/> \nSELECT DISTINCT ?s ?o \nWHERE\n{\n?s ex:p ?o .\nFILTER(?o != \"z\") .\n}\n"
              "GROUP BY ?s ?o ");
    query.groupBy.clear();
    model.addTriple(Node("http://ex.org/a"), p, Node::literal("x"));
    model.addTriple(Node("http://ex.org/b"), p, Node::literal("z"));
    ASSERT_TRUE(model.query(query, true));
    ASSERT_EQ(query.results.size(), 1u);
    EXPECT_EQ(query.results[0].at("s"), Node("http://ex.org/a"));
    EXPECT_EQ(query.results[0].at("o"), Node::literal("x"));
    ASSERT_TRUE(model.query(query, false));
    EXPECT_EQ(query.results.size(), 2u);

    RdfCpp::SparqlQuery distinct;  // rows stay distinct
    distinct.select = {"?p"};
    distinct.patterns = {"?s ?p ?o"};
    ASSERT_TRUE(model.query(distinct, true));
    ASSERT_EQ(distinct.results.size(), 1u);
    EXPECT_EQ(distinct.results[0].at("p"), p);

    RdfCpp::SparqlQuery count;
    count.select = {"(COUNT(*) AS ?num)"};
    count.patterns = {"?s ?p ?o"};
    ASSERT_TRUE(model.query(count, true));
    EXPECT_EQ(count.results.at(0).at("num").getLiteralValue(), "2");

    RdfCpp::SparqlQuery broken;
    broken.select = {"?s"};
    broken.patterns = {"?s ?p"};
    testsupport::startCapture(2);
    EXPECT_FALSE(model.query(broken, true));
    EXPECT_EQ(testsupport::capturedOutput(2), "");
}

TEST_F(GraphTest, ClosedModelRefusesEverything) {
    model.setOntology(EX);
    ASSERT_TRUE(model.close());
    EXPECT_FALSE(model.isValid());
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(model.getUri(), "");
    EXPECT_FALSE(model.addTriple(Node(EX), p, q));
    EXPECT_EQ(model.countStatements(), 0);
    std::string text;
    EXPECT_FALSE(model.serializeToString(text, {}, "rdfxml"));
    EXPECT_FALSE(model.loadFromString("<a> <b> <c> ."));
    EXPECT_TRUE(model.close());
}

// The base-class queries go through the graph's connector.
class RecordingConnector : public RdfCpp::Connector {
public:
    bool _readConfig(const std::string&) override { return false; }
    bool isRemote() const override { return false; }
    std::unique_ptr<RdfCpp::Graph> loadGraph(const std::string&) override { return nullptr; }
    std::unique_ptr<RdfCpp::Graph> createGraph(const std::string&) override { return nullptr; }
    bool _save(RdfCpp::Graph*, const std::vector<RdfCpp::Graph*>&, std::map<std::string, std::string>) override {
        return false;
    }
    bool isSameRepository(const Connector*) const override { return false; }
    bool query(RdfCpp::SparqlQuery& query, RdfCpp::Graph*, bool clearResults) override {
        texts.push_back(query.text());
        if (clearResults) query.results.clear();
        for (const auto& row : rows) query.results.push_back(row);
        return true;
    }
    bool queryGraphs(RdfCpp::SparqlQuery&, std::set<RdfCpp::Graph*>, std::set<RdfCpp::Graph*>, bool) override {
        return false;
    }
    std::vector<std::string> texts;
    std::vector<std::map<std::string, Node>> rows;
};

class RemoteGraph : public RdfCpp::Graph {
public:
    explicit RemoteGraph(RdfCpp::Connector* c) { connector = c; }
    bool isValid() const override { return true; }
    bool addStatement(const Statement&) override { return false; }
    bool addStatements(const std::vector<Statement>&) override { return false; }
    bool removeStatement(const Statement&) override { return false; }
    bool removeStatements(const std::vector<Statement>&) override { return false; }
    bool isInTransaction() const override { return false; }
    bool transactionStart() override { return false; }
    bool transactionCommit() override { return false; }
    bool serializeToString(std::string&, const std::map<std::string, std::string>&, const std::string&) override {
        return false;
    }
    bool loadFromFile(const std::string&) override { return false; }
    bool loadFromString(const std::string&) override { return false; }
};

TEST(GraphBaseTest, QueriesGoThroughTheConnector) {
    RecordingConnector connector;
    connector.rows = {{{"o", Node::literal("b")}}, {{"o", Node::literal("a")}}, {{"o", Node::literal("a")}}};
    RemoteGraph graph(&connector);
    std::vector<Node> out;
    ASSERT_TRUE(graph.get_targets(Node("http://ex.org/s"), p, out));
    EXPECT_EQ(out, (std::vector<Node>{Node::literal("a"), Node::literal("b")}));
    ASSERT_EQ(connector.texts.size(), 1u);
    EXPECT_NE(connector.texts[0].find("<http://ex.org/s> <http://ex.org/p> ?o .\n"), std::string::npos);

    // A blank node cannot be named in SPARQL text: no query at all rather than a pattern that matches anything.
    EXPECT_FALSE(graph.get_targets(Node::blank(), p, out));
    EXPECT_EQ(connector.texts.size(), 1u);

    connector.rows = {{{"num", Node::typedLiteral("42", "http://www.w3.org/2001/XMLSchema#integer")}}};
    EXPECT_EQ(graph.countStatements(), 42);

    RemoteGraph bare(nullptr);
    EXPECT_FALSE(bare.get_sources(p, q, out));
    EXPECT_EQ(bare.countStatements(), 0);
    EXPECT_EQ(bare.getUri(), "");
}

}  // namespace
