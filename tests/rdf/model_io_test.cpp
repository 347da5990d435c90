#include <gtest/gtest.h>

#include <boost/filesystem.hpp>

#include "rdf/model.h"
#include "rdf/vocabulary.h"
#include "test_support.h"

using Redland::Model;
using Redland::Node;
using Redland::Statement;

namespace {

const std::string OWL = Vocabulary::OWL_NS;
const std::string RDF = Vocabulary::RDF_NS;
const std::string EX = "http://ex.org/onto";
const std::string MARKER = "Serialized using C++ RDF";
const Node p("http://ex.org/onto#p");
const Node q("http://ex.org/onto#q");

const std::string RDFXML =
    "<?xml version=\"1.0\"?>\n"
    "<rdf:RDF xmlns:rdf=\"" +
    RDF + "\" xmlns:owl=\"" + OWL +
    "\" xmlns:ex=\"http://ex.org/onto#\">\n"
    "  <owl:Ontology rdf:about=\"http://ex.org/onto\">\n"
    "    <owl:imports rdf:resource=\"file:/repo/other.owl\"/>\n"
    "  </owl:Ontology>\n"
    "  <owl:Class rdf:about=\"http://ex.org/onto#Wall\"/>\n"
    "</rdf:RDF>\n";

const std::string TURTLE =
    "@prefix owl: <http://www.w3.org/2002/07/owl#> .\n"
    "@prefix ex: <http://ex.org/onto#> .\n"
    "<http://ex.org/onto> a owl:Ontology .\n"
    "ex:Wall a owl:Class ; ex:p [ ex:q \"inner\" ] .\n";

int markerComments(Model& model) {
    std::vector<Node> comments;
    model.get_targets(Node(model.getUri()), Node(std::string(Vocabulary::RDFS_NS) + "comment"), comments);
    int n = 0;
    for (const Node& c : comments) n += c.getLiteralValue().find(MARKER) != std::string::npos;
    return n;
}

TEST(ModelIoTest, LoadsRdfXmlWithItsPrefixes) {
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("onto.owl"), RDFXML);
    Model model;
    ASSERT_TRUE(model.loadFromFile(dir.file("onto.owl")));
    EXPECT_EQ(model.getUri(), EX);
    EXPECT_EQ(model.countStatements(), 3);
    EXPECT_EQ(model.getImports(), std::set<std::string>{"/repo/other.owl"});
    EXPECT_EQ(model.getPrefixes().at("http://ex.org/onto#"), "ex");
    EXPECT_EQ(model.getPrefixes().at(OWL), "owl");
    EXPECT_EQ(model.getNamespaceUris().count("http://ex.org/onto#"), 1u);
    EXPECT_FALSE(model.isModified());
}

TEST(ModelIoTest, FallsBackToTurtle) {
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("onto.ttl"), TURTLE);
    Model model;
    testsupport::startCapture(2);
    testsupport::startCapture();
    ASSERT_TRUE(model.loadFromFile(dir.file("onto.ttl")));
    testsupport::capturedOutput();  // the RDF/XML parser's complaints
    EXPECT_EQ(testsupport::capturedOutput(2), "");
    EXPECT_EQ(model.getUri(), EX);
    EXPECT_EQ(model.countStatements(), 4);
    EXPECT_EQ(model.getPrefixes().at("http://ex.org/onto#"), "ex");
}

TEST(ModelIoTest, FileNamesWithBlanksAndHashesLoad) {
    testsupport::TempDir dir;
    const std::string path = dir.file("my onto #1 100%.owl");
    testsupport::writeFile(path, RDFXML);
    Model model;
    EXPECT_TRUE(model.loadFromFile(path));
    EXPECT_EQ(model.countStatements(), 3);
}

TEST(ModelIoTest, UnreadableInputIsRefusedWithOneMessage) {
    testsupport::TempDir dir;
    Model model;
    testsupport::startCapture();
    EXPECT_FALSE(model.loadFromFile(dir.file("missing.owl")));
    EXPECT_FALSE(model.loadFromFile(dir.path()));  // a folder is no file
    EXPECT_EQ(testsupport::capturedOutput(), "");

    const std::string broken = dir.file("broken.owl");
    testsupport::writeFile(broken, "<rdf:RDF xmlns:rdf=\"" + RDF + "\"><rdf:Description rdf:about=\"http://x/a\">");
    testsupport::startCapture(2);
    testsupport::startCapture();
    EXPECT_FALSE(model.loadFromFile(broken));
    EXPECT_FALSE(model.loadFromString("this is { not rdf"));
    const std::string out = testsupport::capturedOutput();
    EXPECT_EQ(testsupport::capturedOutput(2), "");
    EXPECT_NE(out.find("  ERROR - FILE " + broken + " could NOT be loaded!  --  failed parsing the RDF model\n"),
              std::string::npos);
    EXPECT_NE(out.find("  ERROR - could NOT be loaded!  --  failed parsing the RDF model\n"), std::string::npos);
    EXPECT_TRUE(model.isValid());
}

// Each parser tried reads into a model of its own: a document that breaks off after good statements adds
// none of them, however many parsers got that far.
TEST(ModelIoTest, AFailedLoadLeavesTheGraphAsItWas) {
    testsupport::TempDir dir;
    const std::string cutOff = dir.file("cut.nt");
    // Cut off in a string: raptor leaks the terms of a statement cut off elsewhere.
    const std::string text = "<http://x/a> <http://x/p> <http://x/b> .\n<http://x/a> <http://x/p> \"open\n";
    testsupport::writeFile(cutOff, text);
    Model model;
    ASSERT_TRUE(model.addTriple(Node("http://x/kept"), p, q));
    testsupport::startCapture();
    EXPECT_FALSE(model.loadFromFile(cutOff));
    EXPECT_FALSE(model.loadFromString(text));
    testsupport::capturedOutput();
    EXPECT_EQ(model.countStatements(), 1);
}

TEST(ModelIoTest, LoadsFromStringInEitherSyntax) {
    Model xml, turtle;
    ASSERT_TRUE(xml.loadFromString(RDFXML));
    EXPECT_EQ(xml.getUri(), EX);
    EXPECT_EQ(xml.getPrefixes().at("http://ex.org/onto#"), "ex");
    EXPECT_TRUE(xml.getNamespaceUris().empty());
    testsupport::startCapture();
    ASSERT_TRUE(turtle.loadFromString(TURTLE));
    testsupport::capturedOutput();
    EXPECT_EQ(turtle.countStatements(), 4);
}

TEST(ModelIoTest, SerializingTwiceKeepsOneMarkerComment) {
    testsupport::TempDir dir;
    const std::string file = dir.file("deep/er/onto.owl");
    Model model;
    model.setOntology(EX);
    model.addComment("kept");
    const std::map<std::string, std::string> prefixes{{"http://ex.org/onto#", "ex"}, {OWL, "owl"}};
    ASSERT_TRUE(model.serializeToFile(prefixes, file, "rdfxml"));
    ASSERT_TRUE(model.serialize(file, "rdfxml", nullptr));
    EXPECT_EQ(markerComments(model), 1);

    Model reloaded;
    ASSERT_TRUE(reloaded.loadFromFile(file));
    EXPECT_EQ(markerComments(reloaded), 1);
    std::vector<Node> comments;
    reloaded.get_targets(Node(EX), Node(std::string(Vocabulary::RDFS_NS) + "comment"), comments);
    EXPECT_EQ(comments.size(), 2u);
    const std::string text = testsupport::readFile(file);
    EXPECT_NE(text.find(MARKER + " library by "), std::string::npos);
    EXPECT_NE(text.find(" based on Redland API C library. "), std::string::npos);

    ASSERT_TRUE(reloaded.serializeToFile(prefixes, file, "rdfxml"));
    EXPECT_EQ(markerComments(reloaded), 1);
    EXPECT_NE(testsupport::readFile(file).find("xmlns:ex=\"http://ex.org/onto#\""), std::string::npos);

    EXPECT_FALSE(model.serialize("", "rdfxml", nullptr));
    EXPECT_FALSE(model.serializeToFile(prefixes, file, "no-such-serializer"));
}

TEST(ModelIoTest, SerializeToStringUsesThePrefixes) {
    Model model;
    model.setOntology(EX);
    model.addTriple(Node("http://ex.org/onto#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    std::string text;
    ASSERT_TRUE(model.serializeToString(text, {{"http://ex.org/onto#", "ex"}, {"", "ignored"}, {OWL, ""}}, "turtle"));
    EXPECT_NE(text.find("@prefix ex: <http://ex.org/onto#>"), std::string::npos);
    EXPECT_NE(text.find("@prefix : <" + OWL + ">"), std::string::npos);
    EXPECT_NE(text.find("ex:Wall"), std::string::npos);
    EXPECT_EQ(text.find(MARKER), std::string::npos);
    EXPECT_FALSE(model.serializeToString(text, {}, "no-such-serializer"));
    EXPECT_TRUE(text.empty());
}

TEST(ModelIoTest, RoundTripKeepsBlankNodeStructure) {
    testsupport::TempDir dir;
    Model model;
    model.setOntology(EX);
    for (int i = 0; i < 3; ++i) {
        const Node b = Node::blank();
        model.addTriple(Node("http://ex.org/onto#C"), p, b);
        model.addTriple(b, q, Node::literal(std::to_string(i)));
    }
    ASSERT_TRUE(model.serializeToFile({}, dir.file("b.owl"), "rdfxml"));
    Model reloaded;
    ASSERT_TRUE(reloaded.loadFromFile(dir.file("b.owl")));
    EXPECT_EQ(reloaded.countStatements(), model.countStatements());
    std::vector<Node> blanks;
    ASSERT_TRUE(reloaded.get_targets(Node("http://ex.org/onto#C"), p, blanks));
    ASSERT_EQ(blanks.size(), 3u);
    for (const Node& b : blanks) {
        std::vector<Node> values;
        EXPECT_TRUE(reloaded.get_targets(b, q, values));
        EXPECT_EQ(values.size(), 1u);
    }
}

// A file saved by an earlier run holds blank node ids such as "b12" that this run's counter also produces;
// loading must not let new blank nodes merge with loaded ones.
TEST(ModelIoTest, LoadedBlankIdsNeverCollideWithNewOnes) {
    const std::string peek = Node::blank().getBlankIdentifier();
    const long next = std::stol(peek.substr(1)) + 1;
    std::string xml = "<rdf:RDF xmlns:rdf=\"" + RDF + "\" xmlns:ex=\"http://ex.org/onto#\">\n";
    for (long id = next; id < next + 3; ++id) {
        const std::string nodeId = "b" + std::to_string(id);
        xml += "<rdf:Description rdf:nodeID=\"" + nodeId + "\"><ex:p>loaded " + nodeId + "</ex:p></rdf:Description>\n";
        xml += "<rdf:Description rdf:nodeID=\"" + nodeId + "\"><ex:q>again " + nodeId + "</ex:q></rdf:Description>\n";
    }
    xml += "</rdf:RDF>\n";
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("saved.owl"), xml);

    Model model;
    ASSERT_TRUE(model.loadFromFile(dir.file("saved.owl")));
    ASSERT_EQ(model.countStatements(), 6);
    for (int i = 0; i < 6; ++i) model.addTriple(Node::blank(), p, Node::literal("new " + std::to_string(i)));
    ASSERT_EQ(model.countStatements(), 12);

    std::vector<Node> subjects;
    ASSERT_TRUE(model.get_sources(p, Node::literal("loaded b" + std::to_string(next)), subjects));
    ASSERT_EQ(subjects.size(), 1u);
    std::vector<Node> values;
    model.get_targets(subjects[0], p, values);
    EXPECT_EQ(values.size(), 1u) << "a new blank node merged with a loaded one";
    model.get_targets(subjects[0], q, values);
    EXPECT_EQ(values, std::vector<Node>{Node::literal("again b" + std::to_string(next))});  // one id, one node

    // Loading the same file again yields nodes of their own.
    ASSERT_TRUE(model.loadFromFile(dir.file("saved.owl")));
    EXPECT_EQ(model.countStatements(), 18);
}

}  // namespace

TEST(ModelIoTest, AFullDiskIsAFailedSerialization) {
    Model model;
    model.setOntology("http://example.org/full");
    for (int i = 0; i < 2000; ++i)
        model.addTriple(Node("http://example.org/full#C" + std::to_string(i)), Vocabulary::rdf_type,
                        Vocabulary::owl_Class);
    // Every write to /dev/full fails with "No space left on device".
    EXPECT_FALSE(model.serializeToFile({}, "/dev/full", "rdfxml"));
}
