#include "owlgen/entity_classes.h"

#include <gtest/gtest.h>

#include "graph_probe.h"

using Redland::Node;
namespace V = Vocabulary;

namespace {

const std::string kUri = "http://example.org/s";

Node own(const std::string& name) { return Node(kUri + "#" + name); }

struct EntityClassesTest : ::testing::Test {
    ExpressSchema schema;
    probe::NamedModel graph{kUri};

    ExpressEntity& entity(const std::string& name, std::vector<std::string> subtypes = {}, bool isAbstract = false) {
        ExpressEntity& e = schema.addEntity(name);
        e.subtypes = std::move(subtypes);
        e.isAbstract = isAbstract;
        return e;
    }
    ExpressAttribute inverse(const std::string& name, const std::string& target, const std::string& forAttribute) {
        ExpressAttribute a;
        a.name = name;
        a.targetType = target;
        a.inverseOf = forAttribute;
        return a;
    }
};

TEST_F(EntityClassesTest, ClassesGetOwnOrImportedIrisAndAreRecorded) {
    entity("IfcB");
    entity("IfcA");
    entity("Ifca");
    entity("IfcExternal").comment = "OTHER_SCHEMA";
    generateClasses(schema, graph, "http://base.org/");

    const Node external("http://base.org/OTHER_SCHEMA#IfcExternal");
    EXPECT_EQ(probe::pairs(graph, V::rdf_type),
              (std::multiset<std::string>{own("IfcA").toString() + " " + V::owl_Class.toString(),
                                          own("IfcB").toString() + " " + V::owl_Class.toString(),
                                          own("Ifca").toString() + " " + V::owl_Class.toString(),
                                          external.toString() + " " + V::owl_Class.toString()}));
    EXPECT_EQ(probe::size(graph), 4);
    std::vector<std::string> recorded;
    for (const auto& entry : schema.classNodes) recorded.push_back(entry.first);
    EXPECT_EQ(recorded, (std::vector<std::string>{"IfcA", "IfcB", "IfcExternal", "Ifca"}));
    EXPECT_EQ(schema.classNodes["IfcExternal"], external);
    EXPECT_EQ(schema.classNodes["Ifca"], own("Ifca"));
}

TEST_F(EntityClassesTest, InverseAttributesAreCountedPerForAttributeAndTarget) {
    entity("IfcA").attributes = {inverse("HasX", "IfcRel", "RelatedObjects")};
    ExpressEntity& b = entity("IfcB");
    ExpressAttribute plain;
    plain.name = "Name";
    plain.targetType = "IfcRel";
    b.attributes = {inverse("HasY", "IfcRel", "RelatedObjects"), inverse("Other", "IfcRel2", "RelatedObjects"), plain};
    generateClasses(schema, graph, "");

    const auto& counts = schema.inverseTargetCount;
    ASSERT_EQ(counts.size(), 1u);
    EXPECT_EQ(counts.at("RelatedObjects"), (std::map<std::string, int>{{"IfcRel", 2}, {"IfcRel2", 1}}));
}

TEST_F(EntityClassesTest, UnknownSupertypesAreSkipped) {
    entity("IfcA");
    entity("IfcChild").supertypes = {"IfcA", "IfcUndeclared", "SomeEnum"};
    entity("IfcOther").supertypes = {"IFCA"};  // names are case-insensitive
    generateClasses(schema, graph, "");
    schema.classNodes["SomeEnum"] = own("SomeEnum");  // classes of later phases count as supertypes too
    generateClassHierarchy(schema, graph);

    EXPECT_EQ(probe::pairs(graph, V::rdfs_subClassOf),
              (std::multiset<std::string>{own("IfcChild").toString() + " " + own("IfcA").toString(),
                                          own("IfcChild").toString() + " " + own("SomeEnum").toString(),
                                          own("IfcOther").toString() + " " + own("IfcA").toString()}));
    EXPECT_FALSE(schema.classNodes.count("IfcUndeclared"));
}

TEST_F(EntityClassesTest, SubtypesArePairwiseDisjointEarlierFirst) {
    entity("IfcA");
    entity("IfcB");
    entity("IfcC");
    entity("IfcThree", {"IfcC", "IfcA", "IfcB"});
    entity("IfcOne", {"IfcA"});
    generateClasses(schema, graph, "");
    const int before = probe::size(graph);
    defineAbstractAndDisjointClasses(schema, graph);

    auto pair = [](const char* a, const char* b) { return own(a).toString() + " " + own(b).toString(); };
    EXPECT_EQ(probe::pairs(graph, V::owl_disjointWith),
              (std::multiset<std::string>{pair("IfcC", "IfcA"), pair("IfcC", "IfcB"), pair("IfcA", "IfcB")}));
    EXPECT_EQ(probe::size(graph), before + 3);
}

TEST_F(EntityClassesTest, AbstractSupertypeIsCoveredByTheUnionOfItsSubtypes) {
    entity("IfcA");
    entity("IfcB");
    entity("IfcRoot", {"IfcA", "IfcB"}, true);
    generateClasses(schema, graph, "");
    const int before = probe::size(graph);
    defineAbstractAndDisjointClasses(schema, graph);

    Node unionClass = probe::object(graph, own("IfcRoot"), V::rdfs_subClassOf);
    ASSERT_TRUE(unionClass.isBlank());
    EXPECT_TRUE(probe::has(graph, unionClass, V::rdf_type, V::owl_Class));
    EXPECT_EQ(probe::listItems(graph, probe::object(graph, unionClass, V::owl_unionOf)),
              (std::vector<std::string>{own("IfcA").toString(), own("IfcB").toString()}));
    EXPECT_TRUE(probe::has(graph, own("IfcA"), V::owl_disjointWith, own("IfcB")));
    // subClassOf, type, unionOf, two cells of two triples, one disjointness
    EXPECT_EQ(probe::size(graph), before + 8);
}

// OWL 2 DL wants two operands in a union: a cover of one class is that class.
TEST_F(EntityClassesTest, SubtypesWithoutClassStayOutOfUnionAndDisjointness) {
    entity("IfcA");
    entity("IfcRoot", {"IfcA", "IfcMissing"}, true);
    entity("IfcLost", {"IfcMissing", "IfcGone"}, true);
    entity("IfcSingle", {"IfcA"}, true);
    generateClasses(schema, graph, "");
    const int before = probe::size(graph);
    defineAbstractAndDisjointClasses(schema, graph);

    EXPECT_EQ(probe::objects(graph, own("IfcRoot"), V::rdfs_subClassOf), std::vector<Node>{own("IfcA")});
    EXPECT_EQ(probe::objects(graph, own("IfcSingle"), V::rdfs_subClassOf), std::vector<Node>{own("IfcA")});
    EXPECT_TRUE(probe::pairs(graph, V::owl_unionOf).empty());
    EXPECT_TRUE(probe::pairs(graph, V::owl_disjointWith).empty());
    EXPECT_TRUE(probe::objects(graph, own("IfcLost"), V::rdfs_subClassOf).empty());
    EXPECT_FALSE(schema.classNodes.count("IfcMissing"));
    EXPECT_EQ(probe::size(graph), before + 2);
}

TEST_F(EntityClassesTest, NoUnionWithoutAbstractOrWithoutSubtypes) {
    entity("IfcA");
    entity("IfcB");
    entity("IfcAbstractLeaf", {}, true);
    entity("IfcConcrete", {"IfcA", "IfcB"}, false);
    generateClasses(schema, graph, "");
    defineAbstractAndDisjointClasses(schema, graph);

    EXPECT_TRUE(probe::pairs(graph, V::rdfs_subClassOf).empty());
    EXPECT_TRUE(probe::pairs(graph, V::owl_unionOf).empty());
    EXPECT_EQ(probe::pairs(graph, V::owl_disjointWith).size(), 1u);
}

}  // namespace
