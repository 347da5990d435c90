#include "owlgen/list_pattern.h"

#include <gtest/gtest.h>

#include <vector>

#include "graph_shapes.h"
#include "owlgen/ontology_iris.h"
#include "rdf/connector_local.h"
#include "rdf/manager.h"
#include "rdf/vocabulary.h"
#include "test_support.h"

using Redland::Node;
using testsupport::GraphShapes;
namespace V = Vocabulary;

namespace {

const std::string schemaUri = "http://example.org/s";
using Lines = std::multiset<std::string>;

class ListPattern : public ::testing::Test {
protected:
    void start(bool ldwg) {
        settings.adoptLdwgDecisions = ldwg;
        graph = manager.createRootGraph(schemaUri, &connector);
        ASSERT_NE(graph, nullptr);
        header = shapes.lines(*graph);
        ctx.reset(new GenerationContext{schema, manager, *graph, *graph, settings, errorCount});
        setUpListVocabulary(*ctx);
    }

    Node cls(const std::string& name) { return GenerationContext::nameIn(*graph, name); }

    // What was written after the graph was created with its header.
    Lines contents() {
        Lines lines = shapes.lines(*graph);
        for (const std::string& line : header) {
            auto found = lines.find(line);
            if (found != lines.end()) lines.erase(found);
        }
        return lines;
    }

    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    ExpressSchema schema;
    ConversionSettings settings;
    int errorCount = 0;
    RdfCpp::Graph* graph = nullptr;
    std::unique_ptr<GenerationContext> ctx;
    Lines header;
    GraphShapes shapes{{{schemaUri + "#", "s"}, {OntologyIris::listVocabularyIri + "#", "list"}}};
};

TEST_F(ListPattern, VocabularyIsDefinedInTheSchemaWithoutLdwg) {
    start(false);
    EXPECT_EQ(schema.classNodes["List"], cls("List"));
    EXPECT_EQ(schema.propertyNodes["hasNext"], cls("hasNext"));
    const Lines expected = {
        "s:List a owl:Class",
        "s:EmptyList a owl:Class",
        "s:isFollowedBy a owl:ObjectProperty",
        "s:isFollowedBy a owl:TransitiveProperty",
        "s:isFollowedBy rdfs:domain s:List",
        "s:isFollowedBy rdfs:range s:List",
        "s:isFollowedBy rdfs:label \"isFollowedBy\"",
        "s:hasNext a owl:ObjectProperty",
        "s:hasNext a owl:FunctionalProperty",
        "s:hasNext rdfs:subPropertyOf s:isFollowedBy",
        "s:hasNext rdfs:domain s:List",
        "s:hasNext rdfs:range s:List",
        "s:hasNext rdfs:label \"hasNext\"",
        "s:hasContents a owl:ObjectProperty",
        "s:hasContents a owl:FunctionalProperty",
        "s:hasContents rdfs:domain s:List",
        "s:hasContents rdfs:label \"hasContents\"",
        "s:List rdfs:subClassOf " + GraphShapes::all("s:isFollowedBy", "s:List"),
        "s:List rdfs:subClassOf " + GraphShapes::all("s:hasNext", "s:List"),
    };
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(schema.propertyNameCount,
              (std::map<std::string, int>{{"hasContents", 1}, {"hasNext", 1}, {"isFollowedBy", 1}}));
}

TEST_F(ListPattern, VocabularyIsBoundToTheListOntologyWithLdwg) {
    schema.propertyNameCount["hasNext"] = 2;
    start(true);
    const std::string list = OntologyIris::listVocabularyIri + "#";
    EXPECT_EQ(schema.classNodes["List"], Node(list + "OWLList"));
    EXPECT_EQ(schema.classNodes["EmptyList"], Node(list + "EmptyList"));
    EXPECT_EQ(schema.propertyNodes["isFollowedBy"], Node(list + "isFollowedBy"));
    EXPECT_EQ(schema.propertyNodes["hasNext"], Node(list + "hasNext"));
    EXPECT_EQ(schema.propertyNodes["hasContents"], Node(list + "hasContents"));
    EXPECT_EQ(contents(), Lines{});
    EXPECT_EQ(schema.propertyNameCount,
              (std::map<std::string, int>{{"hasContents", 1}, {"hasNext", 3}, {"isFollowedBy", 1}}));
}

TEST_F(ListPattern, ListClassWithoutLdwgHasContentsAndNoEmptyList) {
    start(false);
    schema.classNodes["IfcCartesianPoint"] = cls("IfcCartesianPoint");
    const int before = GraphShapes::count(*graph);
    ListClasses first = generateListClass(*ctx, "IfcCartesianPoint", *graph);
    EXPECT_EQ(first.list, cls("IfcCartesianPoint_List"));
    EXPECT_FALSE(first.emptyList.isValid());
    EXPECT_EQ(schema.classNodes.count("IfcCartesianPoint_EmptyList"), 0u);
    const std::string L = "s:IfcCartesianPoint_List";
    EXPECT_EQ(shapes.linesStartingWith(*graph, L + " "),
              (Lines{L + " a owl:Class", L + " rdfs:subClassOf s:List",
                     L + " rdfs:subClassOf " + GraphShapes::all("s:hasNext", L),
                     L + " rdfs:subClassOf " + GraphShapes::all("s:isFollowedBy", L),
                     L + " rdfs:subClassOf " + GraphShapes::all("s:hasContents", "s:IfcCartesianPoint"),
                     L + " rdfs:subClassOf " + GraphShapes::some("s:hasContents", "s:IfcCartesianPoint")}));
    const int afterFirst = GraphShapes::count(*graph);
    EXPECT_EQ(afterFirst - before, 2 + 3 * 4 + 4);

    ListClasses again = generateListClass(*ctx, "IfcCartesianPoint", *graph);
    EXPECT_EQ(again.list, first.list);
    EXPECT_EQ(GraphShapes::count(*graph), afterFirst);

    ListClasses nested = generateListClass(*ctx, "IfcCartesianPoint_List", *graph);
    EXPECT_EQ(nested.list, cls("IfcCartesianPoint_List_List"));
    const std::string LL = "s:IfcCartesianPoint_List_List";
    EXPECT_EQ(shapes.linesStartingWith(*graph, LL + " "),
              (Lines{LL + " a owl:Class", LL + " rdfs:subClassOf s:List",
                     LL + " rdfs:subClassOf " + GraphShapes::all("s:hasNext", LL),
                     LL + " rdfs:subClassOf " + GraphShapes::all("s:isFollowedBy", LL),
                     LL + " rdfs:subClassOf " + GraphShapes::all("s:hasContents", L),
                     LL + " rdfs:subClassOf " + GraphShapes::some("s:hasContents", L)}));
}

TEST_F(ListPattern, ListClassWithLdwgGetsAnEmptyListSubclass) {
    start(true);
    schema.classNodes["IfcCartesianPoint"] = cls("IfcCartesianPoint");
    ListClasses classes = generateListClass(*ctx, "IfcCartesianPoint", *graph);
    EXPECT_EQ(classes.list, cls("IfcCartesianPoint_List"));
    EXPECT_EQ(classes.emptyList, cls("IfcCartesianPoint_EmptyList"));
    EXPECT_EQ(schema.classNodes["IfcCartesianPoint_EmptyList"], classes.emptyList);
    const std::string L = "s:IfcCartesianPoint_List", Z = "s:IfcCartesianPoint_EmptyList";
    EXPECT_EQ(contents(),
              (Lines{L + " a owl:Class", L + " rdfs:subClassOf list:OWLList",
                     L + " rdfs:subClassOf " + GraphShapes::all("list:hasNext", L),
                     L + " rdfs:subClassOf " + GraphShapes::all("list:isFollowedBy", L),
                     L + " rdfs:subClassOf " + GraphShapes::all("list:hasContents", "s:IfcCartesianPoint"),
                     Z + " a owl:Class", Z + " rdfs:subClassOf list:EmptyList", Z + " rdfs:subClassOf " + L}));
}

TEST_F(ListPattern, MemberWithoutClassGetsNoListClass) {
    start(true);
    ListClasses classes = generateListClass(*ctx, "Undeclared", *graph);
    EXPECT_FALSE(classes.list.isValid());
    EXPECT_FALSE(classes.emptyList.isValid());
    EXPECT_EQ(schema.classNodes.count("Undeclared_List"), 0u);
    EXPECT_EQ(contents(), Lines{});
}

// Chains written on a type class T for the member class M: the rows of the LIST and ARRAY bounds table.
struct ChainCase {
    const char* name;
    bool ldwg;
    bool isArray;
    const char* lower;
    const char* upper;
    std::vector<std::string> chains;  // with L, Z and the restriction builders below
};

// "N:hasNext" stands for hasNext in the namespace the vocabulary set-up bound it to.
std::string exactly(int n, const std::string& filler, bool onClass = true) {
    return GraphShapes::restriction({"owl:onProperty N:hasNext",
                                     std::string(onClass ? "owl:onClass " : "owl:onDataRange ") + filler,
                                     "owl:qualifiedCardinality \"" + std::to_string(n) + "\"^^xsd:nonNegativeInteger"});
}
std::string someNext(const std::string& value) { return GraphShapes::some("N:hasNext", value); }
std::string allNext(const std::string& value) { return GraphShapes::all("N:hasNext", value); }
std::string bindNext(std::string text, bool ldwg) {
    const std::string placeholder = "N:hasNext", bound = ldwg ? "list:hasNext" : "s:hasNext";
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at))
        text.replace(at, placeholder.size(), bound);
    return text;
}
const std::string L = "s:M_List", Z = "s:M_EmptyList";

class ListChains : public ListPattern, public ::testing::WithParamInterface<ChainCase> {};

TEST_P(ListChains, BoundsBecomeHasNextChains) {
    const ChainCase& c = GetParam();
    start(c.ldwg);
    // The list ontology declares hasNext an object property; here the schema graph stands in for it.
    graph->addTriple(schema.propertyNodes["hasNext"], V::rdf_type, V::owl_ObjectProperty);
    schema.classNodes["M"] = cls("M");
    ListClasses classes = generateListClass(*ctx, "M", *graph);
    if (c.isArray)
        addArrayLengthChains(*ctx, cls("T"), c.lower, c.upper, classes);
    else
        addListBoundsChains(*ctx, cls("T"), nullptr, c.lower, c.upper, classes);
    Lines expected;
    for (const std::string& chain : c.chains) expected.insert(bindNext("s:T rdfs:subClassOf " + chain, c.ldwg));
    EXPECT_EQ(shapes.linesStartingWith(*graph, "s:T "), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListChains,
    ::testing::Values(
        ChainCase{"ListZeroOpen", false, false, "0", "", {}}, ChainCase{"ListOneOpen", false, false, "1", "", {}},
        ChainCase{"ListOneOne", false, false, "1", "1", {}},
        ChainCase{"ListTwoTwo", false, false, "2", "2", {someNext(exactly(0, L))}},
        ChainCase{"ListThreeThree", false, false, "3", "3", {someNext(someNext(exactly(0, L)))}},
        ChainCase{"ListTwoOpen", false, false, "2", "", {someNext(L)}},
        ChainCase{"ListTwoFour", false, false, "2", "4", {someNext(L), allNext(allNext(allNext(exactly(0, L))))}},
        ChainCase{"ListThreeFive",
                  false,
                  false,
                  "3",
                  "5",
                  {someNext(someNext(L)), allNext(allNext(allNext(allNext(exactly(0, L)))))}},
        ChainCase{"ArrayOneThree", false, true, "1", "3", {someNext(someNext(exactly(0, L)))}},
        ChainCase{"ArrayOneOne", false, true, "1", "1", {exactly(0, L)}},
        ChainCase{"ArrayReversed", false, true, "3", "1", {exactly(0, L)}},
        ChainCase{"LdwgListZeroOpen", true, false, "0", "", {}},
        ChainCase{"LdwgListOneOpen", true, false, "1", "", {someNext(L)}},
        ChainCase{"LdwgListOneOne", true, false, "1", "1", {someNext(L)}},
        ChainCase{"LdwgListThreeThree",
                  true,
                  false,
                  "3",
                  "3",
                  {someNext(someNext(someNext(L))), allNext(allNext(exactly(1, Z)))}},
        ChainCase{"LdwgListZeroTwo", true, false, "0", "2", {allNext(exactly(1, Z))}},
        ChainCase{"LdwgArrayZeroTwo",
                  true,
                  true,
                  "0",
                  "2",
                  {someNext(someNext(someNext(L))), allNext(allNext(exactly(1, Z)))}},
        ChainCase{"LdwgArrayOneOne", true, true, "1", "1", {someNext(L), exactly(1, Z)}},
        // A bound far beyond any real aggregation is not spelled out link by link.
        ChainCase{"HugeUpperBound", false, false, "2", "99999999999", {someNext(L)}},
        ChainCase{"LdwgHugeBounds", true, false, "99999999999", "99999999999", {}}),
    [](const ::testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

TEST_F(ListPattern, LeadingRestrictionStartsEveryChain) {
    start(false);
    const Node attribute = cls("hasPoints");
    graph->addTriple(attribute, V::rdf_type, V::owl_ObjectProperty);
    schema.classNodes["M"] = cls("M");
    ListClasses classes = generateListClass(*ctx, "M", *graph);
    Restriction leading(V::owl_allValuesFrom, manager.getOntologyProperty(attribute), Node(), -1);
    addListBoundsChains(*ctx, cls("T"), &leading, "2", "3", classes);
    EXPECT_EQ(shapes.linesStartingWith(*graph, "s:T "),
              (Lines{"s:T rdfs:subClassOf " + GraphShapes::all("s:hasPoints", bindNext(someNext(L), false)),
                     "s:T rdfs:subClassOf " +
                         GraphShapes::all("s:hasPoints", bindNext(allNext(allNext(exactly(0, L))), false))}));
}

TEST_F(ListPattern, NoChainWithoutTheListClasses) {
    start(true);
    schema.classNodes["Blank"] = Node();  // an entry without a class
    ListClasses classes = generateListClass(*ctx, "Blank", *graph);
    EXPECT_FALSE(classes.list.isValid());
    addListBoundsChains(*ctx, cls("T"), nullptr, "2", "3", classes);
    addArrayLengthChains(*ctx, cls("T"), "1", "2", classes);
    EXPECT_EQ(contents(), Lines{});
}

TEST_F(ListPattern, EmptyListStepUsesDataRangeWhenHasNextIsUndeclared) {
    start(true);  // nothing the manager holds declares the list vocabulary
    schema.classNodes["M"] = cls("M");
    ListClasses classes = generateListClass(*ctx, "M", *graph);
    addListBoundsChains(*ctx, cls("T"), nullptr, "0", "2", classes);
    EXPECT_EQ(shapes.linesStartingWith(*graph, "s:T "),
              Lines{"s:T rdfs:subClassOf " + bindNext(allNext(exactly(1, Z, false)), true)});
}

}  // namespace
