#include "owlgen/datatypes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "graph_shapes.h"
#include "owlgen/enumerations_selects.h"
#include "owlgen/list_pattern.h"
#include "owlgen/ontology_iris.h"
#include "rdf/connector_local.h"
#include "rdf/manager.h"
#include "rdf/model.h"
#include "rdf/vocabulary.h"
#include "test_support.h"

using Redland::Node;
using testsupport::GraphShapes;
namespace V = Vocabulary;

namespace {

const std::string schemaUri = "http://example.org/s";
const std::string vocabularyUri = "http://example.org/v";
const std::string xsd = "http://www.w3.org/2001/XMLSchema#";
using Lines = std::multiset<std::string>;

std::string facetRange(const std::string& datatype, const std::string& facets) {
    return GraphShapes::blank({"a rdfs:Datatype", "owl:onDatatype " + datatype, "owl:withRestrictions " + facets});
}

class Datatypes : public ::testing::Test {
protected:
    // The driver's set-up before the phase: anchors and list vocabulary, then the phase itself.
    void run(bool ldwg) {
        settings.adoptLdwgDecisions = ldwg;
        schemaGraph = manager.createRootGraph(schemaUri, &connector);
        ASSERT_NE(schemaGraph, nullptr);
        if (ldwg) {
            // Stands in for the imported EXPRESS vocabulary ontology.
            vocabulary.addTriple(Node(vocabularyUri), V::rdf_type, Node(std::string(V::OWL_NS) + "Ontology"));
            // The list vocabulary ontology declares hasNext; here the schema graph holds that statement.
            schemaGraph->addTriple(Node(OntologyIris::listVocabularyIri + "#hasNext"), V::rdf_type,
                                   V::owl_ObjectProperty);
        }
        RdfCpp::Graph& vocabularyGraph = ldwg ? static_cast<RdfCpp::Graph&>(vocabulary) : *schemaGraph;
        ctx.reset(new GenerationContext{schema, manager, *schemaGraph, vocabularyGraph, settings, errorCount});
        addExpressAnchors(schema, vocabularyGraph);
        setUpListVocabulary(*ctx);
        generateDatatypes(*ctx);
    }

    ExpressDefinedType& type(const std::string& name, const std::string& underlying) {
        ExpressDefinedType& t = schema.addDefinedType(name);
        t.name = name;
        t.underlyingType = underlying;
        return t;
    }

    Lines schemaLines(const std::string& prefix) { return shapes.linesStartingWith(*schemaGraph, prefix); }
    Lines vocabularyLines(const std::string& prefix) { return shapes.linesStartingWith(vocabulary, prefix); }
    Node s(const std::string& name) { return Node(schemaUri + "#" + name); }
    Node v(const std::string& name) { return Node(vocabularyUri + "#" + name); }

    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    Redland::Model vocabulary;
    ExpressSchema schema;
    ConversionSettings settings;
    int errorCount = 0;
    RdfCpp::Graph* schemaGraph = nullptr;
    std::unique_ptr<GenerationContext> ctx;
    GraphShapes shapes{
        {{schemaUri + "#", "s"}, {vocabularyUri + "#", "v"}, {OntologyIris::listVocabularyIri + "#", "list"}}};
};

TEST_F(Datatypes, WrappersWithoutLdwg) {
    run(false);
    EXPECT_EQ(schema.datatypeNodes["LOGICAL"], Node(xsd + "boolean"));
    EXPECT_EQ(schema.wrapperPropertyNames["LOGICAL"], "hasBoolean");
    EXPECT_EQ(schema.wrapperProperties, (std::map<Node, Node>{{Node(xsd + "hexBinary"), s("hasHexBinary")},
                                                              {Node(xsd + "boolean"), s("hasBoolean")},
                                                              {Node(xsd + "integer"), s("hasInteger")},
                                                              {Node(xsd + "double"), s("hasDouble")},
                                                              {Node(xsd + "string"), s("hasString")}}));
    EXPECT_EQ(
        schemaLines("s:hasDouble "),
        (Lines{"s:hasDouble a owl:DatatypeProperty", "s:hasDouble a owl:FunctionalProperty",
               "s:hasDouble rdfs:label \"hasDouble\"", "s:hasDouble rdfs:range xsd:double",
               "s:hasDouble rdfs:domain " + GraphShapes::blank({"a owl:Class", "owl:unionOf ( s:NUMBER s:REAL )"})}));
    EXPECT_EQ(schemaLines("s:hasBoolean rdfs:domain"),
              Lines{"s:hasBoolean rdfs:domain " +
                    GraphShapes::blank({"a owl:Class", "owl:unionOf ( s:BOOLEAN s:LOGICAL )"})});
    // A domain of one class is that class, not a union of one.
    EXPECT_EQ(schemaLines("s:hasHexBinary rdfs:domain"), Lines{"s:hasHexBinary rdfs:domain s:BINARY"});
    EXPECT_EQ(schemaLines("s:LOGICAL "),
              (Lines{"s:LOGICAL a owl:Class",
                     "s:LOGICAL rdfs:subClassOf " + GraphShapes::all("s:hasBoolean", "xsd:boolean")}));
    EXPECT_EQ(schemaLines("s:REAL "),
              (Lines{"s:REAL a owl:Class", "s:REAL rdfs:subClassOf " + GraphShapes::all("s:hasDouble", "xsd:double")}));
    EXPECT_EQ(schema.classNodes.count("LogicalEnum"), 0u);
    EXPECT_EQ(schema.propertyNodes.count("hasLogical"), 0u);
    EXPECT_EQ(schema.classNodes.count("REAL_List"), 0u);
    EXPECT_EQ(errorCount, 0);
}

TEST_F(Datatypes, LogicalIsAnEnumerationWithLdwg) {
    run(true);
    EXPECT_FALSE(schema.datatypeNodes.at("LOGICAL").isValid());
    EXPECT_EQ(schema.wrapperPropertyNames["LOGICAL"], "hasLogical");
    EXPECT_EQ(schema.propertyNodes["hasLogical"], v("hasLogical"));
    EXPECT_EQ(schema.wrapperProperties.size(), 5u);
    for (const char* name : {"LOGICAL", "LOGICAL_List", "LOGICAL_EmptyList", "LOGICAL_List_List", "REAL_List_List"})
        EXPECT_EQ(schema.classNodes[name], v(name)) << name;
    EXPECT_EQ(vocabularyLines("v:LOGICAL rdfs:subClassOf"),
              Lines{"v:LOGICAL rdfs:subClassOf " + GraphShapes::all("v:hasLogical", "v:LogicalEnum")});
    EXPECT_EQ(vocabularyLines("v:hasLogical "),
              (Lines{"v:hasLogical a owl:ObjectProperty", "v:hasLogical a owl:FunctionalProperty",
                     "v:hasLogical rdfs:label \"hasLogical\"", "v:hasLogical rdfs:domain v:LOGICAL",
                     "v:hasLogical rdfs:range v:LogicalEnum"}));
    EXPECT_EQ(vocabularyLines("v:LogicalEnum "),
              (Lines{"v:LogicalEnum a owl:Class", "v:LogicalEnum rdfs:subClassOf v:ENUMERATION"}));
    for (const std::string value : {"FALSE", "TRUE", "UNKNOWN"})
        EXPECT_EQ(vocabularyLines("v:" + value + " "),
                  (Lines{"v:" + value + " a owl:NamedIndividual", "v:" + value + " a v:LogicalEnum",
                         "v:" + value + " rdfs:label \"" + value + "\""}));
    EXPECT_EQ(vocabularyLines("v:hasBoolean rdfs:domain"), Lines{"v:hasBoolean rdfs:domain v:BOOLEAN"});
    EXPECT_EQ(vocabularyLines("v:INTEGER_List_List rdfs:subClassOf " +
                              GraphShapes::all("list:hasContents", "v:INTEGER_List")),
              Lines{"v:INTEGER_List_List rdfs:subClassOf " + GraphShapes::all("list:hasContents", "v:INTEGER_List")});
    EXPECT_EQ(vocabularyLines("v:INTEGER_EmptyList "),
              (Lines{"v:INTEGER_EmptyList a owl:Class", "v:INTEGER_EmptyList rdfs:subClassOf list:EmptyList",
                     "v:INTEGER_EmptyList rdfs:subClassOf v:INTEGER_List"}));
    // Nothing of the phase lands in the schema graph when no type is defined.
    EXPECT_EQ(schemaLines("s:"), Lines{});
}

TEST_F(Datatypes, RangeTypesResolveWhateverTheKeyOrder) {
    settings.whereRuleExpressions = true;
    type("IfcLengthMeasure", "REAL");
    ExpressDefinedType& positive = type("IfcPositiveLengthMeasure", "IfcLengthMeasure");
    positive.minValue = "0";
    type("Z_Length", "REAL");
    ExpressDefinedType& early = type("A_Positive", "Z_Length");  // sorts before the type it is defined on
    early.minValue = "0";
    // Twelve levels defined in reverse key order need twelve passes; the last two never resolve.
    for (int level = 0; level < 12; ++level)
        type("Deep" + std::to_string(10 + level), level == 11 ? "REAL" : "Deep" + std::to_string(11 + level));
    run(false);

    const std::string facet = facetRange("xsd:double", "( [ xsd:minExclusive \"0\"^^xsd:double ] )");
    EXPECT_EQ(schemaLines("s:IfcPositiveLengthMeasure "),
              (Lines{"s:IfcPositiveLengthMeasure a owl:Class",
                     "s:IfcPositiveLengthMeasure rdfs:subClassOf s:IfcLengthMeasure",
                     "s:IfcPositiveLengthMeasure rdfs:subClassOf " + GraphShapes::all("s:hasDouble", facet)}));
    EXPECT_EQ(schemaLines("s:A_Positive "),
              (Lines{"s:A_Positive a owl:Class", "s:A_Positive rdfs:subClassOf s:Z_Length",
                     "s:A_Positive rdfs:subClassOf " + GraphShapes::all("s:hasDouble", facet)}));
    EXPECT_EQ(schemaLines("s:IfcLengthMeasure "),
              (Lines{"s:IfcLengthMeasure a owl:Class", "s:IfcLengthMeasure rdfs:subClassOf s:REAL"}));
    for (const char* name : {"IfcLengthMeasure", "IfcPositiveLengthMeasure", "A_Positive", "Z_Length"}) {
        EXPECT_EQ(schema.classNodes[name], s(name)) << name;
        EXPECT_EQ(schema.datatypeNodes[name], Node(xsd + "double")) << name;
    }
    EXPECT_EQ(schema.classNodes.count("Deep12"), 1u);
    EXPECT_EQ(schema.classNodes.count("Deep11"), 0u);
    EXPECT_EQ(schema.datatypeNodes.count("Deep10"), 0u);
}

TEST_F(Datatypes, RangeIsPlainSubclassWithoutRuleExpressions) {
    ExpressDefinedType& positive = type("IfcPositiveLengthMeasure", "REAL");
    positive.minValue = "0";
    run(false);
    EXPECT_EQ(schemaLines("s:IfcPositiveLengthMeasure "),
              (Lines{"s:IfcPositiveLengthMeasure a owl:Class", "s:IfcPositiveLengthMeasure rdfs:subClassOf s:REAL"}));
}

TEST_F(Datatypes, ValueSetsBoundsAndAggregatesWithRuleExpressions) {
    settings.whereRuleExpressions = true;
    settings.listCardinalityExpressions = true;
    ExpressDefinedType& kind = type("IfcKind", "STRING");
    kind.hasInRule = true;
    kind.allowedValues = {"B", "A"};
    ExpressDefinedType& ratio = type("IfcRatio", "REAL");  // both bounds and a LIST flag: a range type
    ratio.isList = true;
    ratio.aggMin = "2";
    ratio.aggMax = "2";
    ratio.minValue = "0";
    ratio.minInclusive = true;
    ratio.maxValue = "1";
    ExpressDefinedType& label = type("IfcLabel", "STRING");
    label.width = 255;
    run(false);

    std::string cells = GraphShapes::blank(
        {"a rdf:List", "rdf:first \"A\"^^xsd:string",
         "rdf:rest " + GraphShapes::blank({"a rdf:List", "rdf:first \"B\"^^xsd:string", "rdf:rest rdf:nil"})});
    EXPECT_EQ(
        schemaLines("s:IfcKind "),
        (Lines{"s:IfcKind a owl:Class", "s:IfcKind rdfs:subClassOf s:STRING",
               "s:IfcKind rdfs:subClassOf " +
                   GraphShapes::all("s:hasString", GraphShapes::blank({"a rdfs:Datatype", "owl:oneOf " + cells}))}));
    EXPECT_EQ(schemaLines("s:IfcRatio "),
              (Lines{"s:IfcRatio a owl:Class", "s:IfcRatio rdfs:subClassOf s:REAL",
                     "s:IfcRatio rdfs:subClassOf " +
                         GraphShapes::all("s:hasDouble", facetRange("xsd:double",
                                                                    "( [ xsd:minInclusive \"0\"^^xsd:double ] "
                                                                    "[ xsd:maxExclusive \"1\"^^xsd:double ] )"))}));
    EXPECT_EQ(schema.classNodes.count("REAL_List"), 0u);
    EXPECT_EQ(schemaLines("s:IfcLabel "), (Lines{"s:IfcLabel a owl:Class", "s:IfcLabel rdfs:subClassOf s:STRING"}));
    EXPECT_EQ(schema.datatypeNodes["IfcLabel"], Node(xsd + "string"));
}

TEST_F(Datatypes, RulesOnTypesWithoutDatatypeWriteNoRestriction) {
    settings.whereRuleExpressions = true;
    schema.classNodes["IfcRoot"] = s("IfcRoot");  // an entity class of the class phase
    ExpressDefinedType& onEntity = type("IfcBounded", "IfcRoot");
    onEntity.maxValue = "3";
    ExpressDefinedType& onLogical = type("IfcChoice", "LOGICAL");
    onLogical.hasInRule = true;
    onLogical.allowedValues = {"TRUE"};
    run(true);
    EXPECT_EQ(schemaLines("s:IfcBounded "),
              (Lines{"s:IfcBounded a owl:Class", "s:IfcBounded rdfs:subClassOf s:IfcRoot"}));
    EXPECT_EQ(schemaLines("s:IfcChoice "), (Lines{"s:IfcChoice a owl:Class", "s:IfcChoice rdfs:subClassOf v:LOGICAL"}));
    EXPECT_FALSE(schema.datatypeNodes.at("IfcBounded").isValid());
    EXPECT_FALSE(schema.datatypeNodes.at("IfcChoice").isValid());
}

TEST_F(Datatypes, SetTypesGetHasSetCardinalities) {
    struct Case {
        const char* name;
        const char* lower;
        const char* upper;
        std::vector<std::string> bounds;
    };
    const std::vector<Case> cases = {
        {"ExactlyTwo", "2", "2", {GraphShapes::qualified("qualifiedCardinality", 2, "s:hasSet", "s:IfcPoint")}},
        {"AtLeastOne", "1", "", {GraphShapes::qualified("minQualifiedCardinality", 1, "s:hasSet", "s:IfcPoint")}},
        {"Unbounded", "0", "", {}},
        {"OneToThree",
         "1",
         "3",
         {GraphShapes::qualified("minQualifiedCardinality", 1, "s:hasSet", "s:IfcPoint"),
          GraphShapes::qualified("maxQualifiedCardinality", 3, "s:hasSet", "s:IfcPoint")}},
    };
    schema.classNodes["IfcPoint"] = s("IfcPoint");
    for (const Case& c : cases) {
        ExpressDefinedType& t = type(c.name, "IfcPoint");
        t.isSet = true;
        t.aggMin = c.lower;
        t.aggMax = c.upper;
    }
    run(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string n = std::string("s:") + c.name;
        Lines expected{n + " a owl:Class", n + " rdfs:subClassOf " + GraphShapes::all("s:hasSet", "s:IfcPoint")};
        for (const std::string& bound : c.bounds) expected.insert(n + " rdfs:subClassOf " + bound);
        EXPECT_EQ(schemaLines(n + " "), expected);
        EXPECT_EQ(schema.datatypeNodes.count(c.name), 0u);
    }
}

TEST_F(Datatypes, ListTypeWithLdwgReusesTheVocabularyListClass) {
    settings.listCardinalityExpressions = true;
    ExpressDefinedType& t = type("T", "INTEGER");
    t.isList = true;
    t.aggMin = "3";
    t.aggMax = "3";
    run(true);
    const std::string L = "v:INTEGER_List";
    const std::string exactlyOneEmpty =
        GraphShapes::qualified("qualifiedCardinality", 1, "list:hasNext", "v:INTEGER_EmptyList");
    EXPECT_EQ(schemaLines("s:T "),
              (Lines{"s:T a owl:Class", "s:T rdfs:subClassOf " + L,
                     "s:T rdfs:subClassOf " +
                         GraphShapes::some("list:hasNext",
                                           GraphShapes::some("list:hasNext", GraphShapes::some("list:hasNext", L))),
                     "s:T rdfs:subClassOf " +
                         GraphShapes::all("list:hasNext", GraphShapes::all("list:hasNext", exactlyOneEmpty))}));
    EXPECT_EQ(schema.datatypeNodes.count("T"), 0u);
}

TEST_F(Datatypes, ArrayTypeWithoutLdwgMakesItsListClassInTheSchema) {
    settings.listCardinalityExpressions = true;
    ExpressDefinedType& t = type("IfcTriple", "REAL");
    t.isArray = true;
    t.aggMin = "1";
    t.aggMax = "3";
    run(false);
    EXPECT_EQ(schema.classNodes["REAL_List"], s("REAL_List"));
    const std::string zero = GraphShapes::qualified("qualifiedCardinality", 0, "s:hasNext", "s:REAL_List");
    EXPECT_EQ(
        schemaLines("s:IfcTriple "),
        (Lines{"s:IfcTriple a owl:Class", "s:IfcTriple rdfs:subClassOf s:REAL_List",
               "s:IfcTriple rdfs:subClassOf " + GraphShapes::some("s:hasNext", GraphShapes::some("s:hasNext", zero))}));
}

TEST_F(Datatypes, TypesOnEnumerationsSelectsOrUnknownNamesStayUnresolved) {
    schema.addEnumeration("IfcSomeEnum").name = "IfcSomeEnum";
    schema.addSelect("IfcSomeSelect").name = "IfcSomeSelect";
    type("OnEnumeration", "IfcSomeEnum");
    type("OnSelect", "IfcSomeSelect");
    type("OnNothing", "Undeclared");
    type("OnUnresolved", "OnEnumeration");
    run(false);
    for (const char* name : {"OnEnumeration", "OnSelect", "OnNothing", "OnUnresolved"}) {
        EXPECT_EQ(schema.classNodes.count(name), 0u) << name;
        EXPECT_EQ(schema.datatypeNodes.count(name), 0u) << name;
        EXPECT_EQ(schemaLines(std::string("s:") + name + " "), Lines{}) << name;
    }
}

}  // namespace
