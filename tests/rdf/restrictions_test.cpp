#include "rdf/restrictions.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "graph_shapes.h"
#include "rdf/connector_local.h"
#include "rdf/manager.h"
#include "rdf/model.h"
#include "rdf/ontology_property.h"
#include "rdf/vocabulary.h"
#include "test_support.h"

using Redland::Node;
using testsupport::GraphShapes;
namespace V = Vocabulary;

namespace {

const std::string ns = "http://example.org/t#";
const std::string xsd = "http://www.w3.org/2001/XMLSchema#";

// Declarations live in a graph the manager holds; restrictions are written to a graph of their own so
// that its statements are exactly what the writer produced.
class RestrictionWriting : public ::testing::Test {
protected:
    void SetUp() override {
        declarations = manager.createRootGraph("http://example.org/t", &connector);
        ASSERT_NE(declarations, nullptr);
        declarations->addTriple(q, V::rdf_type, V::owl_ObjectProperty);
        declarations->addTriple(d, V::rdf_type, V::owl_DatatypeProperty);
    }

    std::multiset<std::string> written() { return shapes.lines(out); }

    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    RdfCpp::Graph* declarations = nullptr;
    Redland::Model out;
    GraphShapes shapes{{{ns, "t"}}};
    const Node C{ns + "C"}, D{ns + "D"}, E{ns + "E"};
    const Node q{ns + "q"}, d{ns + "d"}, u{ns + "u"};
    const Node xsdDouble{xsd + "double"}, xsdString{xsd + "string"};
};

TEST_F(RestrictionWriting, OneSomeValuesFromStepIsFourTriples) {
    EXPECT_TRUE(addRestriction(&manager, -1, V::owl_someValuesFrom, C, q, D, &out));
    EXPECT_EQ(GraphShapes::count(out), 4);
    EXPECT_EQ(written(),
              (std::multiset<std::string>{"t:C rdfs:subClassOf " +
                                          GraphShapes::restriction({"owl:onProperty t:q", "owl:someValuesFrom t:D"})}));
}

TEST_F(RestrictionWriting, QualifiedCardinalityZeroIsWrittenAndNegativeMeansNone) {
    addRestriction(&manager, 0, V::owl_qualifiedCardinality, C, q, D, &out);
    addRestriction(&manager, -1, V::owl_qualifiedCardinality, E, q, D, &out);
    EXPECT_EQ(written(), (std::multiset<std::string>{
                             "t:C rdfs:subClassOf " +
                                 GraphShapes::restriction({"owl:onProperty t:q", "owl:onClass t:D",
                                                           "owl:qualifiedCardinality \"0\"^^xsd:nonNegativeInteger"}),
                             "t:E rdfs:subClassOf " + GraphShapes::restriction({"owl:onProperty t:q"})}));
    EXPECT_EQ(GraphShapes::count(out), 5 + 3);
}

TEST_F(RestrictionWriting, UndeclaredPropertyIsWrittenAsDataProperty) {
    addRestriction(&manager, 2, V::owl_maxQualifiedCardinality, C, u, xsdString, &out);
    EXPECT_EQ(written(), (std::multiset<std::string>{
                             "t:C rdfs:subClassOf " +
                             GraphShapes::restriction({"owl:onProperty t:u", "owl:onDataRange xsd:string",
                                                       "owl:maxQualifiedCardinality \"2\"^^xsd:nonNegativeInteger"})}));
}

TEST_F(RestrictionWriting, FacetsOnDataProperties) {
    struct Case {
        const char* name;
        DataRangeFacets facets;
        std::string withRestrictions;
    };
    DataRangeFacets minOnly, both, maxOnly, lengthOnly, boundsBeatLength;
    minOnly.minValue = "0";
    minOnly.minInclusive = true;
    both.minValue = "-1.5";
    both.maxValue = "10";
    both.maxInclusive = true;
    maxOnly.maxValue = "100";
    lengthOnly.length = "8";
    boundsBeatLength.length = "8";
    boundsBeatLength.minValue = "1";
    const std::vector<Case> cases = {
        {"min only", minOnly, "( [ xsd:minInclusive \"0\"^^xsd:double ] )"},
        {"both bounds, lower first", both,
         "( [ xsd:minExclusive \"-1.5\"^^xsd:double ] [ xsd:maxInclusive \"10\"^^xsd:double ] )"},
        {"max only", maxOnly, "( [ xsd:maxExclusive \"100\"^^xsd:double ] )"},
        {"length only", lengthOnly, "( [ xsd:length \"8\"^^xsd:integer ] )"},
        {"a bound hides the length", boundsBeatLength, "( [ xsd:minExclusive \"1\"^^xsd:double ] )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Redland::Model graph;
        addRestriction(&manager, -1, V::owl_allValuesFrom, C, d, xsdDouble, &graph, c.facets);
        std::string range = GraphShapes::blank(
            {"a rdfs:Datatype", "owl:onDatatype xsd:double", "owl:withRestrictions " + c.withRestrictions});
        EXPECT_EQ(shapes.lines(graph),
                  (std::multiset<std::string>{
                      "t:C rdfs:subClassOf " +
                      GraphShapes::restriction({"owl:onProperty t:d", "owl:allValuesFrom " + range})}));
    }
}

TEST_F(RestrictionWriting, ValueSetBecomesEnumeratedDatatypeWithTypedCells) {
    DataRangeFacets facets;
    facets.oneOf.insert(Node::typedLiteral("B", xsd + "string"));
    facets.oneOf.insert(Node::typedLiteral("A", xsd + "string"));
    addRestriction(&manager, -1, V::owl_allValuesFrom, C, d, xsdString, &out, facets);
    std::string cells = GraphShapes::blank(
        {"a rdf:List", "rdf:first \"A\"^^xsd:string",
         "rdf:rest " + GraphShapes::blank({"a rdf:List", "rdf:first \"B\"^^xsd:string", "rdf:rest rdf:nil"})});
    std::string range = GraphShapes::blank({"a rdfs:Datatype", "owl:oneOf " + cells});
    EXPECT_EQ(
        written(),
        (std::multiset<std::string>{"t:C rdfs:subClassOf " +
                                    GraphShapes::restriction({"owl:onProperty t:d", "owl:allValuesFrom " + range})}));
}

TEST_F(RestrictionWriting, BoundsWinOverValueSetAndObjectPropertiesIgnoreFacets) {
    DataRangeFacets facets;
    facets.oneOf.insert(Node::literal("A"));
    facets.maxValue = "5";
    addRestriction(&manager, -1, V::owl_allValuesFrom, C, d, xsdDouble, &out, facets);
    addRestriction(&manager, -1, V::owl_allValuesFrom, E, q, D, &out, facets);
    std::string range = GraphShapes::blank({"a rdfs:Datatype", "owl:onDatatype xsd:double",
                                            "owl:withRestrictions ( [ xsd:maxExclusive \"5\"^^xsd:double ] )"});
    EXPECT_EQ(
        written(),
        (std::multiset<std::string>{
            "t:C rdfs:subClassOf " + GraphShapes::restriction({"owl:onProperty t:d", "owl:allValuesFrom " + range}),
            "t:E rdfs:subClassOf " + GraphShapes::restriction({"owl:onProperty t:q", "owl:allValuesFrom t:D"})}));
}

TEST_F(RestrictionWriting, SeveralOrNoFillersMakeAUnion) {
    Restriction objectStep(V::owl_allValuesFrom, manager.getOntologyProperty(q), D, -1);
    objectStep.addFiller(E);
    objectStep.addFiller(D);  // already there
    objectStep.addFiller(Node());
    Restriction dataStep(V::owl_minQualifiedCardinality, manager.getOntologyProperty(u), xsdDouble, 1);
    dataStep.addFiller(xsdString);
    Restriction emptyStep(V::owl_someValuesFrom, manager.getOntologyProperty(q), Node(), -1);
    ASSERT_EQ(objectStep.fillers, (std::vector<Node>{D, E}));

    ClassRestrictions onC(C), onD(D), onE(E);
    onC.restrictions.push_back(&objectStep);
    onD.restrictions.push_back(&dataStep);
    onE.restrictions.push_back(&emptyStep);
    ASSERT_TRUE(onC.write(&out) && onD.write(&out) && onE.write(&out));
    EXPECT_EQ(written(),
              (std::multiset<std::string>{
                  "t:C rdfs:subClassOf " +
                      GraphShapes::restriction(
                          {"owl:onProperty t:q",
                           "owl:allValuesFrom " + GraphShapes::blank({"a owl:Class", "owl:unionOf ( t:D t:E )"})}),
                  "t:D rdfs:subClassOf " +
                      GraphShapes::restriction(
                          {"owl:onProperty t:u", "owl:minQualifiedCardinality \"1\"^^xsd:nonNegativeInteger",
                           "owl:onDataRange " +
                               GraphShapes::blank({"a rdfs:Datatype", "owl:unionOf ( xsd:double xsd:string )"})}),
                  "t:E rdfs:subClassOf " +
                      GraphShapes::restriction(
                          {"owl:onProperty t:q",
                           "owl:someValuesFrom " + GraphShapes::blank({"a owl:Class", "owl:unionOf ( )"})})}));
}

TEST_F(RestrictionWriting, ChainsNestFromTheOutermostStep) {
    Restriction outer(V::owl_someValuesFrom, manager.getOntologyProperty(u), Node(), -1);
    Restriction inner(V::owl_allValuesFrom, manager.getOntologyProperty(q), D, -1);
    ClassRestrictions chain(C);
    chain.restrictions = {&outer, &inner};
    ASSERT_TRUE(chain.write(&out));
    EXPECT_EQ(
        written(),
        (std::multiset<std::string>{
            "t:C rdfs:subClassOf " +
            GraphShapes::restriction(
                {"owl:onProperty t:u",
                 "owl:someValuesFrom " + GraphShapes::restriction({"owl:onProperty t:q", "owl:allValuesFrom t:D"})})}));
}

TEST_F(RestrictionWriting, OuterCardinalityStepsPointOnlyThroughObjectProperties) {
    Restriction dataOuter(V::owl_minQualifiedCardinality, manager.getOntologyProperty(d), Node(), 2);
    Restriction objectOuter(V::owl_minQualifiedCardinality, manager.getOntologyProperty(q), Node(), 2);
    Restriction inner(V::owl_allValuesFrom, manager.getOntologyProperty(q), D, -1);
    ClassRestrictions onData(C), onObject(E);
    onData.restrictions = {&dataOuter, &inner};
    onObject.restrictions = {&objectOuter, &inner};
    onData.write(&out);
    onObject.write(&out);
    const std::string innerText = GraphShapes::restriction({"owl:onProperty t:q", "owl:allValuesFrom t:D"});
    const std::string two = "owl:minQualifiedCardinality \"2\"^^xsd:nonNegativeInteger";
    EXPECT_EQ(written(), (std::multiset<std::string>{
                             "t:C rdfs:subClassOf " + GraphShapes::restriction({"owl:onProperty t:d", two}),
                             "t:E rdfs:subClassOf " +
                                 GraphShapes::restriction({"owl:onProperty t:q", two, "owl:onClass " + innerText}),
                             // the data step's inner restriction is written but left unreferenced
                             innerText}));
}

TEST_F(RestrictionWriting, RefusedChainsWriteNothing) {
    Restriction step(V::owl_someValuesFrom, manager.getOntologyProperty(q), D, -1);
    ClassRestrictions chain(C), unnamed{Node()}, empty(C), withNull(C);
    chain.restrictions.push_back(&step);
    unnamed.restrictions.push_back(&step);
    withNull.restrictions = {&step, nullptr};
    EXPECT_FALSE(chain.write(nullptr));
    EXPECT_FALSE(unnamed.write(&out));
    EXPECT_FALSE(withNull.write(&out));
    EXPECT_TRUE(empty.write(&out));
    EXPECT_FALSE(addRestriction(nullptr, -1, V::owl_someValuesFrom, C, q, D, &out));
    EXPECT_EQ(GraphShapes::count(out), 0);
}

TEST_F(RestrictionWriting, StepAccessors) {
    Restriction first(V::owl_someValuesFrom, manager.getOntologyProperty(q), Node(), -1);
    Restriction last(V::owl_allValuesFrom, manager.getOntologyProperty(d), xsdDouble, -1);
    ClassRestrictions chain(C);
    chain.restrictions = {&first, &last};
    EXPECT_EQ(chain.getStepProperty(0), manager.getOntologyProperty(q));
    EXPECT_EQ(chain.getStepFiller(0), Node());
    EXPECT_EQ(chain.getStepFiller(1), xsdDouble);
    EXPECT_EQ(chain.getStepFiller(2), Node());
    EXPECT_EQ(chain.getStepFiller(-1), Node());
    RdfCpp::OntologyProperty* outside = chain.getStepProperty(5);
    ASSERT_NE(outside, nullptr);
    EXPECT_FALSE(outside->isValid());
    EXPECT_FALSE(outside->isObjectProperty);
    EXPECT_EQ(chain.getStepProperty(-1), outside);
}

TEST(DataRangeFacetsTest, EqualOnlyWhenEveryFieldIs) {
    DataRangeFacets a, b;
    EXPECT_EQ(a, b);
    b.maxInclusive = true;
    EXPECT_NE(a, b);
    b = a;
    b.oneOf.insert(Node::literal("x"));
    EXPECT_NE(a, b);
    a.oneOf.insert(Node::literal("x"));
    EXPECT_EQ(a, b);
    a.length = "3";
    EXPECT_NE(a, b);
}

TEST_F(RestrictionWriting, PropertyDescriptionReadsTheManagersGraphs) {
    const Node p{ns + "p"}, inv{ns + "inv"}, inv2{ns + "inv2"}, eq{ns + "eq"}, sub{ns + "sub"};
    RdfCpp::Graph& g = *declarations;
    g.addTriple(p, V::rdf_type, V::owl_ObjectProperty);
    g.addTriple(p, V::rdf_type, V::owl_FunctionalProperty);
    g.addTriple(p, V::rdf_type, V::owl_TransitiveProperty);
    g.addTriple(p, V::rdf_type, V::owl_IrreflexiveProperty);
    g.addTriple(p, V::rdfs_label, Node::literal("has part"));
    g.addTriple(p, V::owl_inverseOf, inv);
    g.addTriple(inv2, V::owl_inverseOf, p);
    g.addTriple(eq, V::owl_equivalentProperty, p);
    g.addTriple(sub, V::rdfs_subPropertyOf, p);
    g.addTriple(d, V::rdf_type, V::owl_FunctionalProperty);
    g.addTriple(d, V::rdf_type, V::owl_SymmetricProperty);  // ignored on a data property

    RdfCpp::OntologyProperty* description = manager.getOntologyProperty(p);
    ASSERT_NE(description, nullptr);
    EXPECT_TRUE(description->isObjectProperty);
    EXPECT_FALSE(description->isDatatypeProperty);
    EXPECT_TRUE(description->isFunctional && description->isTransitive && description->isIrreflexive);
    EXPECT_FALSE(description->isSymmetric || description->isAsymmetric || description->isReflexive ||
                 description->isInverseFunctional);
    EXPECT_EQ(description->label, "has part");
    EXPECT_EQ(description->inverseProperties, (std::set<Node>{inv, inv2}));
    EXPECT_EQ(description->equivalentProperties, std::set<Node>{eq});
    EXPECT_EQ(description->subProperties, std::set<Node>{sub});
    std::vector<RdfCpp::OntologyProperty*> inverses = description->getInverseProperties();
    // In node order: "<...#inv2>" sorts before "<...#inv>".
    EXPECT_EQ(inverses, (std::vector<RdfCpp::OntologyProperty*>{manager.getOntologyProperty(inv2),
                                                                manager.getOntologyProperty(inv)}));
    EXPECT_EQ(description->getInverseProperties(), inverses);

    RdfCpp::OntologyProperty* data = manager.getOntologyProperty(d);
    EXPECT_TRUE(data->isDatatypeProperty && data->isFunctional);
    EXPECT_FALSE(data->isObjectProperty || data->isSymmetric);
    EXPECT_EQ(data->label, "d");
    RdfCpp::OntologyProperty* unknown = manager.getOntologyProperty(u);
    EXPECT_FALSE(unknown->isObjectProperty || unknown->isDatatypeProperty);
}

}  // namespace
