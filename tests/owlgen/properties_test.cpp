#include "owlgen/properties.h"

#include <gtest/gtest.h>

#include "graph_probe.h"
#include "graph_shapes.h"
#include "owlgen/entity_classes.h"
#include "owlgen/list_pattern.h"
#include "owlgen/ontology_iris.h"
#include "rdf/connector_local.h"
#include "test_support.h"

using Redland::Node;
namespace V = Vocabulary;

namespace {

const std::string kUri = "http://example.org/s";

Node own(const std::string& name) { return Node(kUri + "#" + name); }

using testsupport::GraphShapes;

// Restrictions as GraphShapes writes them; a property without prefix is one of the schema ontology.
std::string prop(const std::string& p) { return p.find(':') == std::string::npos ? "s:" + p : p; }
std::string all(const std::string& p, const std::string& filler) { return GraphShapes::all(prop(p), filler); }
std::string some(const std::string& p, const std::string& filler) { return GraphShapes::some(prop(p), filler); }
// A qualified cardinality written "=n", ">=n" or "<=n", on class cls.
std::string cardinality(const std::string& bound, const std::string& p, const std::string& cls) {
    const size_t digits = bound.find_first_of("0123456789");
    const std::string kind = bound.substr(0, digits);
    const char* arc = kind == "="    ? "qualifiedCardinality"
                      : kind == ">=" ? "minQualifiedCardinality"
                                     : "maxQualifiedCardinality";
    return GraphShapes::qualified(arc, std::stoi(bound.substr(digits)), prop(p), cls);
}

ExpressAttribute attribute(const std::string& name, const std::string& type, const std::string& minCard = "1",
                           const std::string& maxCard = "1") {
    ExpressAttribute a;
    a.name = name;
    a.targetType = type;
    a.minCard = minCard;
    a.maxCard = maxCard;
    return a;
}

ExpressAttribute list(const std::string& name, const std::string& type,
                      std::vector<std::pair<std::string, std::string>> bounds) {
    ExpressAttribute a = attribute(name, type);
    a.isList = true;
    a.listBounds = std::move(bounds);
    return a;
}

ExpressAttribute inverse(const std::string& name, const std::string& type, const std::string& forAttribute) {
    ExpressAttribute a = attribute(name, type, "0", "");
    a.isSet = true;
    a.inverseOf = forAttribute;
    return a;
}

// A schema ontology held by a graph manager, so that restrictions see the property declarations.
struct PropertiesTest : ::testing::Test {
    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    RdfCpp::Graph* graph = nullptr;
    Redland::Model* model = nullptr;
    ExpressSchema schema;
    ConversionSettings settings;
    int errorCount = 0;

    void SetUp() override {
        graph = manager.createRootGraph(kUri, &connector);
        ASSERT_NE(graph, nullptr);
        model = dynamic_cast<Redland::Model*>(graph);
        ASSERT_NE(model, nullptr);
        schema.classNodes["IfcLabel"] = own("IfcLabel");
        schema.classNodes["REAL"] = own("REAL");
    }

    // The list vocabulary, the entity classes and the properties, as the driver runs them; returns the output.
    std::string run() {
        GenerationContext context{schema, manager, *graph, *graph, settings, errorCount};
        testsupport::startCapture();
        setUpListVocabulary(context);
        generateClasses(schema, *graph, "");
        generateProperties(context);
        return testsupport::capturedOutput();
    }
    std::vector<Node> objects(const std::string& subject, const Node& arc) {
        return probe::objects(*model, own(subject), arc);
    }
    // What entity is stated rdfs:subClassOf, written out.
    std::multiset<std::string> restrictions(const std::string& entity) {
        const GraphShapes shapes({{kUri + "#", "s"}, {OntologyIris::listVocabularyIri + "#", "list"}});
        const std::string start = "s:" + entity + " rdfs:subClassOf ";
        std::multiset<std::string> out;
        for (const std::string& line : shapes.linesStartingWith(*model, start)) out.insert(line.substr(start.size()));
        return out;
    }
};

TEST(PropertyIriName, FollowsTheNamingRuleOfEachMode) {
    ExpressSchema schema;
    schema.propertyNameCount = {{"Name", 2}, {"Tag", 1}, {"GlobalId", 3}};
    struct Case {
        bool ldwg;
        const char* attribute;
        const char* entity;
        const char* expected;
    } cases[] = {
        {true, "GlobalId", "IfcRoot", "globalId_IfcRoot"},
        {true, "Tag", "IfcA", "tag_IfcA"},
        {true, "x", "IfcA", "x_IfcA"},
        {true, "", "IfcA", "_IfcA"},
        {false, "Name", "IfcRoot", "Name_of_IfcRoot"},
        {false, "Tag", "IfcA", "Tag"},
        {false, "Unknown", "IfcA", "Unknown"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(propertyIriName(schema, c.ldwg, c.attribute, c.entity), c.expected) << c.attribute << " " << c.ldwg;
    EXPECT_EQ(schema.propertyNameCount.size(), 3u);
}

TEST_F(PropertiesTest, MandatoryAttributeGetsItsFullDescription) {
    schema.addEntity("IfcRoot").attributes = {attribute("GlobalId", "IfcLabel")};
    GenerationContext context{schema, manager, *graph, *graph, settings, errorCount};
    testsupport::startCapture();
    setUpListVocabulary(context);
    generateClasses(schema, *graph, "");
    const int before = probe::size(*model);
    generateProperties(context);
    EXPECT_EQ(testsupport::capturedOutput(), "");

    const std::string p = "globalId_IfcRoot";
    EXPECT_EQ(objects(p, V::rdfs_label), std::vector<Node>{Node::literal("GlobalId")});
    EXPECT_EQ(objects(p, V::rdf_type), (std::vector<Node>{V::owl_FunctionalProperty, V::owl_ObjectProperty}));
    EXPECT_EQ(objects(p, V::rdfs_domain), std::vector<Node>{own("IfcRoot")});
    EXPECT_EQ(objects(p, V::rdfs_range), std::vector<Node>{own("IfcLabel")});
    EXPECT_EQ(restrictions("IfcRoot"),
              (std::multiset<std::string>{all(p, "s:IfcLabel"), cardinality("=1", p, "s:IfcLabel")}));
    // five property triples, four for the universal and five for the cardinality restriction
    EXPECT_EQ(probe::size(*model) - before, 14);
    EXPECT_EQ(errorCount, 0);
}

TEST_F(PropertiesTest, BoundsBecomeQualifiedCardinalities) {
    struct Case {
        const char* min;
        const char* max;
        bool functional;
        std::vector<std::string> cardinalities;  // beside the universal restriction
    } cases[] = {
        {"1", "1", true, {"=1"}},   {"0", "1", true, {"<=1"}}, {"1", "", false, {">=1"}},
        {"2", "2", false, {"=2"}},  {"0", "", false, {}},      {"2", "5", false, {">=2", "<=5"}},
        {"0", "3", false, {"<=3"}}, {"", "", false, {}},  // unbounded on both sides: not "exactly 0"
        {"?", "?", false, {}},
    };
    int i = 0;
    for (const Case& c : cases)
        schema.addEntity("E" + std::to_string(i++)).attributes = {attribute("V", "IfcLabel", c.min, c.max)};
    run();

    i = 0;
    for (const Case& c : cases) {
        const std::string entity = "E" + std::to_string(i++);
        const std::string p = "v_" + entity;
        std::multiset<std::string> expected{all(p, "s:IfcLabel")};
        for (const std::string& bound : c.cardinalities) expected.insert(cardinality(bound, p, "s:IfcLabel"));
        EXPECT_EQ(restrictions(entity), expected) << c.min << ":" << c.max;
        bool functional = probe::has(*model, own(p), V::rdf_type, V::owl_FunctionalProperty);
        EXPECT_EQ(functional, c.functional) << c.min << ":" << c.max;
    }
}

TEST_F(PropertiesTest, WithoutLdwgSharedAttributeNamesAreQualifiedByEntity) {
    settings.adoptLdwgDecisions = false;
    schema.propertyNameCount = {{"Name", 2}, {"Tag", 1}};
    schema.addEntity("IfcA").attributes = {attribute("Name", "IfcLabel"), attribute("Tag", "IfcLabel")};
    schema.addEntity("IfcB").attributes = {attribute("Name", "IfcLabel")};
    run();

    for (const char* p : {"Name_of_IfcA", "Name_of_IfcB"})
        EXPECT_EQ(objects(p, V::rdfs_label), std::vector<Node>{Node::literal("Name")}) << p;
    EXPECT_EQ(objects("Tag", V::rdfs_domain), std::vector<Node>{own("IfcA")});
    EXPECT_EQ(objects("Name_of_IfcB", V::rdfs_domain), std::vector<Node>{own("IfcB")});
    EXPECT_TRUE(objects("Name", V::rdfs_label).empty());
}

TEST_F(PropertiesTest, InverseAttributesPointAtTheForwardProperty) {
    schema.addEntity("IfcObjectDefinition").attributes = {
        inverse("IsDecomposedBy", "IfcRelDecomposes", "RelatingObject")};
    schema.addEntity("IfcRelDecomposes").attributes = {attribute("RelatingObject", "IfcObjectDefinition")};
    // Two inverses of one FOR attribute, an inverse of a LIST attribute and an inverse that is a LIST get none.
    schema.addEntity("IfcA").attributes = {inverse("HasX", "IfcRel", "RelatedObjects")};
    schema.addEntity("IfcB").attributes = {inverse("HasY", "IfcRel", "RelatedObjects")};
    schema.addEntity("IfcRel").attributes = {attribute("RelatedObjects", "IfcA", "1", "")};
    schema.addEntity("IfcC").attributes = {inverse("InItems", "IfcRelL", "Items")};
    schema.addEntity("IfcRelL").attributes = {list("Items", "IfcC", {{"1", ""}})};
    ExpressAttribute listInverse = inverse("Ordered", "IfcRelDecomposes", "Other");
    listInverse.isList = true;
    listInverse.listBounds = {{"0", ""}};
    schema.addEntity("IfcD").attributes = {listInverse};
    EXPECT_EQ(run(), "");

    const std::string p = "isDecomposedBy_IfcObjectDefinition";
    EXPECT_EQ(objects(p, V::owl_inverseOf), std::vector<Node>{own("relatingObject_IfcRelDecomposes")});
    EXPECT_EQ(objects(p, V::rdf_type), std::vector<Node>{V::owl_ObjectProperty});
    EXPECT_EQ(objects(p, V::rdfs_range), std::vector<Node>{own("IfcRelDecomposes")});
    EXPECT_EQ(objects(p, V::rdfs_label), std::vector<Node>{Node::literal("IsDecomposedBy")});
    for (const char* skipped : {"hasX_IfcA", "hasY_IfcB", "inItems_IfcC", "ordered_IfcD"}) {
        std::set<Node> arcs;
        model->get_arcs_out(own(skipped), arcs);
        EXPECT_TRUE(arcs.empty()) << skipped;
    }
    EXPECT_FALSE(objects("items_IfcRelL", V::rdfs_label).empty());
    EXPECT_EQ(errorCount, 0);
}

// EXPRESS names are case-insensitive: IFC2x3 writes FOR Assigneditems for the attribute AssignedItems.
TEST_F(PropertiesTest, NamesDifferingInCaseResolveToTheirDeclarations) {
    schema.addEntity("IfcLayerAssignment").attributes = {attribute("AssignedItems", "IfcItem", "1", ""),
                                                         attribute("Name", "ifclabel"),
                                                         list("Values", "real", {{"1", ""}})};
    schema.addEntity("IfcItem").attributes = {inverse("LayerAssignments", "IFCLAYERASSIGNMENT", "Assigneditems")};
    // Spellings of one FOR attribute count together: two inverses of it get no property.
    schema.addEntity("IfcRel").attributes = {attribute("RelatedObjects", "IfcA", "1", "")};
    schema.addEntity("IfcA").attributes = {inverse("HasX", "IfcRel", "RelatedObjects")};
    schema.addEntity("IfcB").attributes = {inverse("HasY", "ifcRel", "RELATEDOBJECTS")};
    EXPECT_EQ(run(), "");

    EXPECT_EQ(objects("layerAssignments_IfcItem", V::owl_inverseOf),
              std::vector<Node>{own("assignedItems_IfcLayerAssignment")});
    EXPECT_EQ(objects("layerAssignments_IfcItem", V::rdfs_range), std::vector<Node>{own("IfcLayerAssignment")});
    EXPECT_EQ(objects("name_IfcLayerAssignment", V::rdfs_range), std::vector<Node>{own("IfcLabel")});
    EXPECT_EQ(objects("values_IfcLayerAssignment", V::rdfs_range), std::vector<Node>{own("REAL_List")});
    EXPECT_EQ(schema.classNodes.count("real_List"), 0u);
    for (const char* skipped : {"hasX_IfcA", "hasY_IfcB"}) {
        std::set<Node> arcs;
        model->get_arcs_out(own(skipped), arcs);
        EXPECT_TRUE(arcs.empty()) << skipped;
    }
    EXPECT_EQ(errorCount, 0);
}

TEST_F(PropertiesTest, UnresolvedTypeIsReportedAndLeavesOnlyTheLabel) {
    ExpressAttribute broken = inverse("Broken", "IfcNowhere", "Back");
    broken.maxCard = "1";
    schema.addEntity("IfcA").attributes = {attribute("Lost", "IfcNowhere"), broken, attribute("Fine", "IfcLabel")};
    EXPECT_EQ(run(),
              " * Error: incomplete generation for IfcA (Lost, IfcNowhere)\n"
              " * Error: incomplete generation for IfcA (Broken, IfcNowhere)\n");
    EXPECT_EQ(errorCount, 2);

    std::set<Node> arcs;
    model->get_arcs_out(own("lost_IfcA"), arcs);
    EXPECT_EQ(arcs, (std::set<Node>{V::rdf_type, V::rdfs_label}));
    EXPECT_EQ(objects("lost_IfcA", V::rdf_type), std::vector<Node>{V::owl_FunctionalProperty});
    EXPECT_EQ(objects("broken_IfcA", V::owl_inverseOf), std::vector<Node>{own("back_IfcNowhere")});
    EXPECT_TRUE(objects("broken_IfcA", V::rdfs_domain).empty());
    EXPECT_EQ(restrictions("IfcA").size(), 2u);  // only those of Fine
}

TEST_F(PropertiesTest, LdwgListAttributesPointAtListClassesWithBoundsChains) {
    settings.listCardinalityExpressions = true;
    schema.classNodes["IfcCartesianPoint"] = own("IfcCartesianPoint");
    ExpressAttribute optional = list("Optional", "REAL", {{"0", ""}});
    optional.isOptional = true;
    optional.minCard = "0";
    schema.addEntity("IfcA").attributes = {list("Coordinates", "REAL", {{"2", ""}})};
    schema.addEntity("IfcB").attributes = {optional};
    schema.addEntity("IfcC").attributes = {list("Nested", "IfcCartesianPoint", {{"2", ""}, {"3", ""}})};
    schema.addEntity("IfcD").attributes = {list("Unrecorded", "REAL", {})};
    EXPECT_EQ(run(), "");
    EXPECT_EQ(errorCount, 0);

    const std::string real = "s:REAL_List";
    EXPECT_EQ(objects("coordinates_IfcA", V::rdfs_range), std::vector<Node>{own("REAL_List")});
    EXPECT_EQ(restrictions("IfcA"),
              (std::multiset<std::string>{all("coordinates_IfcA", real), cardinality("=1", "coordinates_IfcA", real),
                                          all("coordinates_IfcA", some("list:hasNext", some("list:hasNext", real)))}));
    EXPECT_EQ(restrictions("IfcB"),
              (std::multiset<std::string>{all("optional_IfcB", real), cardinality("<=1", "optional_IfcB", real)}));
    EXPECT_TRUE(schema.classNodes.count("REAL_EmptyList"));

    const std::string nested = "s:IfcCartesianPoint_List_List";
    EXPECT_EQ(objects("nested_IfcC", V::rdfs_range), std::vector<Node>{own("IfcCartesianPoint_List_List")});
    EXPECT_TRUE(schema.classNodes.count("IfcCartesianPoint_List"));
    EXPECT_EQ(restrictions("IfcC"),
              (std::multiset<std::string>{all("nested_IfcC", nested), cardinality("=1", "nested_IfcC", nested),
                                          all("nested_IfcC", some("list:hasNext", some("list:hasNext", nested)))}));
    // No level recorded: one list of unknown bounds, so no chain.
    EXPECT_EQ(objects("unrecorded_IfcD", V::rdfs_range), std::vector<Node>{own("REAL_List")});
    EXPECT_EQ(restrictions("IfcD").size(), 2u);
}

TEST_F(PropertiesTest, ArrayBoundsAreChainedLikeListBounds) {
    settings.adoptLdwgDecisions = false;
    settings.listCardinalityExpressions = true;
    ExpressAttribute array = list("Pair", "REAL", {{"2", "2"}});
    array.isList = false;
    array.isArray = true;
    ExpressAttribute upTo3 = list("UpTo3", "REAL", {{"1", "3"}});
    upTo3.isOptional = true;
    schema.addEntity("IfcA").attributes = {array};
    schema.addEntity("IfcB").attributes = {upTo3};
    run();

    // hasNext is declared in the schema ontology here, so the innermost step names its class.
    const std::string real = "s:REAL_List";
    EXPECT_EQ(restrictions("IfcA"),
              (std::multiset<std::string>{all("Pair", real), cardinality("=1", "Pair", real),
                                          all("Pair", some("hasNext", cardinality("=0", "hasNext", real)))}));
    EXPECT_EQ(
        restrictions("IfcB"),
        (std::multiset<std::string>{all("UpTo3", real), cardinality("<=1", "UpTo3", real),
                                    all("UpTo3", all("hasNext", all("hasNext", cardinality("=0", "hasNext", real))))}));
}

TEST_F(PropertiesTest, NoBoundsChainsWithoutTheSwitch) {
    schema.addEntity("IfcA").attributes = {list("Coordinates", "REAL", {{"2", "3"}})};
    run();
    EXPECT_EQ(restrictions("IfcA").size(), 2u);
}

}  // namespace
