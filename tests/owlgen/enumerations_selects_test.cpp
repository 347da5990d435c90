#include "owlgen/enumerations_selects.h"

#include <gtest/gtest.h>

#include "graph_probe.h"
#include "test_support.h"

using Redland::Node;
namespace V = Vocabulary;

namespace {

const std::string kUri = "http://example.org/s";
const std::string kVocabularyUri = "http://example.org/express";

Node own(const std::string& name) { return Node(kUri + "#" + name); }
Node vocabulary(const std::string& name) { return Node(kVocabularyUri + "#" + name); }
std::string text(const Node& n) { return n.toString(); }

struct EnumerationsSelectsTest : ::testing::Test {
    ExpressSchema schema;
    probe::NamedModel graph{kUri};
    probe::NamedModel vocabularyGraph{kVocabularyUri};
    int errorCount = 0;

    void SetUp() override { addExpressAnchors(schema, vocabularyGraph); }

    void enumeration(const std::string& name, std::set<std::string> items) {
        schema.addEnumeration(name).items = items;
        for (const std::string& item : items) ++schema.enumerationItemCount[item];
    }
    // Runs the select phase and returns what it printed.
    std::string selects(bool ldwg) {
        testsupport::startCapture();
        generateSelectClasses(schema, graph, ldwg, errorCount);
        return testsupport::capturedOutput();
    }
};

TEST_F(EnumerationsSelectsTest, AnchorsGoToTheVocabularyGraph) {
    EXPECT_EQ(probe::size(vocabularyGraph), 4);
    EXPECT_TRUE(probe::has(vocabularyGraph, vocabulary("ENUMERATION"), V::rdf_type, V::owl_Class));
    EXPECT_TRUE(probe::has(vocabularyGraph, vocabulary("SELECT"), V::rdf_type, V::owl_Class));
    EXPECT_TRUE(probe::has(vocabularyGraph, vocabulary("hasSet"), V::rdf_type, V::owl_ObjectProperty));
    EXPECT_TRUE(probe::has(vocabularyGraph, vocabulary("hasSet"), V::rdfs_label, Node::literal("hasSet")));
    EXPECT_EQ(schema.classNodes.at("ENUMERATION"), vocabulary("ENUMERATION"));
    EXPECT_EQ(schema.classNodes.at("SELECT"), vocabulary("SELECT"));
    EXPECT_EQ(schema.propertyNodes.at("hasSet"), vocabulary("hasSet"));
    EXPECT_EQ(schema.propertyNameCount.at("hasSet"), 1);
    EXPECT_EQ(probe::size(graph), 0);
}

TEST_F(EnumerationsSelectsTest, LdwgItemsAreSharedIndividualsWithoutClosedList) {
    enumeration("E1", {"NOTDEFINED", "USERDEFINED"});
    enumeration("E2", {"NOTDEFINED"});
    enumeration("E0", {});
    generateEnumerations(schema, graph, true);

    for (const char* name : {"E0", "E1", "E2"}) {
        EXPECT_TRUE(probe::has(graph, own(name), V::rdf_type, V::owl_Class)) << name;
        EXPECT_EQ(probe::objects(graph, own(name), V::rdfs_subClassOf), std::vector<Node>{vocabulary("ENUMERATION")});
        EXPECT_EQ(schema.classNodes.at(name), own(name));
    }
    EXPECT_EQ(probe::objects(graph, own("NOTDEFINED"), V::rdf_type),
              (std::vector<Node>{own("E1"), own("E2"), V::owl_NamedIndividual}));
    EXPECT_EQ(probe::objects(graph, own("NOTDEFINED"), V::rdfs_label), std::vector<Node>{Node::literal("NOTDEFINED")});
    EXPECT_TRUE(probe::has(graph, own("USERDEFINED"), V::rdf_type, own("E1")));
    EXPECT_TRUE(probe::pairs(graph, V::owl_equivalentClass).empty());
    // 3 x 2 class triples; NOTDEFINED: 4; USERDEFINED: 3
    EXPECT_EQ(probe::size(graph), 13);
}

TEST_F(EnumerationsSelectsTest, WithoutLdwgEachEnumerationIsItsClosedSet) {
    enumeration("E1", {"X3", "X1", "NOTDEFINED", "X2"});
    enumeration("E2", {"NOTDEFINED"});
    enumeration("E0", {});
    generateEnumerations(schema, graph, false);

    Node closed = probe::object(graph, own("E1"), V::owl_equivalentClass);
    ASSERT_TRUE(closed.isBlank());
    EXPECT_TRUE(probe::has(graph, closed, V::rdf_type, V::owl_Class));
    EXPECT_EQ(
        probe::listItems(graph, probe::object(graph, closed, V::owl_oneOf)),
        (std::vector<std::string>{text(own("NOTDEFINED_of_E1")), text(own("X1")), text(own("X2")), text(own("X3"))}));
    Node closed2 = probe::object(graph, own("E2"), V::owl_equivalentClass);
    EXPECT_EQ(probe::listItems(graph, probe::object(graph, closed2, V::owl_oneOf)),
              (std::vector<std::string>{text(own("NOTDEFINED_of_E2"))}));
    for (const char* shared : {"NOTDEFINED_of_E1", "NOTDEFINED_of_E2"})
        EXPECT_EQ(probe::objects(graph, own(shared), V::rdfs_label), std::vector<Node>{Node::literal("NOTDEFINED")});
    EXPECT_EQ(probe::objects(graph, own("X1"), V::rdf_type), (std::vector<Node>{own("E1"), V::owl_NamedIndividual}));
    EXPECT_FALSE(probe::has(graph, own("NOTDEFINED"), V::rdf_type, V::owl_NamedIndividual));
    // The empty enumeration has its class and subclass triple only.
    EXPECT_EQ(probe::pairs(graph, V::owl_equivalentClass).size(), 2u);
    EXPECT_EQ(probe::objects(graph, own("E0"), V::owl_equivalentClass).size(), 0u);
    // 6 class triples; E1: 2 + 4 items x 3 + oneOf, 4 cells x 2; E2: 2 + 3 + oneOf, 1 cell x 2
    EXPECT_EQ(probe::size(graph), 6 + 23 + 8);
}

TEST_F(EnumerationsSelectsTest, LdwgSelectsAreSuperclassesOfTheirMembers) {
    schema.classNodes["IfcA"] = own("IfcA");
    schema.classNodes["IfcB"] = own("IfcB");
    schema.addSelect("SelA").items = {"SelZ", "IfcA", "IfcMissing"};
    schema.addSelect("SelZ").items = {"IfcB"};
    std::string printed = selects(true);

    EXPECT_EQ(printed, " * Error: NOT found class: IfcMissing for SELECT: SelA\n");
    EXPECT_EQ(errorCount, 1);
    for (const char* name : {"SelA", "SelZ"}) {
        EXPECT_TRUE(probe::has(graph, own(name), V::rdf_type, V::owl_Class)) << name;
        EXPECT_EQ(schema.classNodes.at(name), own(name));
    }
    EXPECT_EQ(probe::pairs(graph, V::rdfs_subClassOf),
              (std::multiset<std::string>{
                  text(own("SelA")) + " " + text(vocabulary("SELECT")),
                  text(own("SelZ")) + " " + text(vocabulary("SELECT")), text(own("SelZ")) + " " + text(own("SelA")),
                  text(own("IfcA")) + " " + text(own("SelA")), text(own("IfcB")) + " " + text(own("SelZ"))}));
    EXPECT_EQ(probe::size(graph), 7);
}

// A union needs two operands in OWL 2 DL: one member found is the select's equal, none leaves it without one
// (an empty union would make the select owl:Nothing).
TEST_F(EnumerationsSelectsTest, WithoutLdwgSelectsAreUnionsOfTheMembersFound) {
    schema.classNodes["IfcA"] = own("IfcA");
    schema.classNodes["IfcB"] = own("IfcB");
    schema.addSelect("SelA").items = {"IfcB", "IfcMissing", "IfcA"};
    schema.addSelect("SelNone").items = {"Gone1", "Gone2"};
    schema.addSelect("SelOne").items = {"IfcB", "Gone3"};
    std::string printed = selects(false);

    EXPECT_EQ(printed,
              " * Error: NOT found class: IfcMissing for SELECT: SelA\n"
              " * Error: NOT found class: Gone1 for SELECT: SelNone\n"
              " * Error: NOT found class: Gone2 for SELECT: SelNone\n"
              " * Error: NOT found class: Gone3 for SELECT: SelOne\n");
    EXPECT_EQ(errorCount, 4);
    Node unionClass = probe::object(graph, own("SelA"), V::owl_equivalentClass);
    ASSERT_TRUE(unionClass.isBlank());
    EXPECT_TRUE(probe::has(graph, unionClass, V::rdf_type, V::owl_Class));
    EXPECT_EQ(probe::listItems(graph, probe::object(graph, unionClass, V::owl_unionOf)),
              (std::vector<std::string>{text(own("IfcA")), text(own("IfcB"))}));

    EXPECT_TRUE(probe::objects(graph, own("SelNone"), V::owl_equivalentClass).empty());
    EXPECT_EQ(probe::objects(graph, own("SelOne"), V::owl_equivalentClass), std::vector<Node>{own("IfcB")});
    EXPECT_EQ(probe::pairs(graph, V::owl_unionOf).size(), 1u);
    // 3 x 2 class triples; SelA: 3 + 4 list triples; SelOne: 1
    EXPECT_EQ(probe::size(graph), 6 + 7 + 1);
}

}  // namespace
