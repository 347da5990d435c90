#include "express/rule_expressions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "express/schema.h"
#include "graph_shapes.h"
#include "rdf/connector_local.h"
#include "rdf/manager.h"
#include "rdf/restrictions.h"
#include "rdf/vocabulary.h"
#include "test_support.h"

namespace V = Vocabulary;
using Redland::Node;

namespace {

const std::string ontologyUri = "http://example.org/IFC4";

// Class expressions as GraphShapes writes them, with the schema ontology's names under the prefix "s".
std::string cls(const std::string& name) { return "s:" + name; }
std::string all(const std::string& property, const std::string& filler) {
    return testsupport::GraphShapes::all(cls(property), filler);
}
std::string unionOf(const std::string& a, const std::string& b) {
    return testsupport::GraphShapes::blank({"a owl:Class", "owl:unionOf ( " + cls(a) + " " + cls(b) + " )"});
}

std::string typeRule(const std::string& typeofName) {
    return ": (SIZEOF(IsTypedBy) = 0) OR ('" + typeofName + "' IN TYPEOF(SELF\\IfcObject.IsTypedBy[1].RelatingType)); ";
}

std::string propertySetRule(const std::vector<std::string>& typeofNames) {
    std::string text = ": (EXISTS(SELF\\IfcPropertySetDefinition.DefinesType[1])) AND ( ";
    for (std::size_t i = 0; i < typeofNames.size(); ++i) {
        if (i > 0) text += "OR ";
        text += "('" + typeofNames[i] + "' IN TYPEOF(SELF\\IfcPropertySetDefinition.DefinesType[1])) ";
    }
    return text + "); ";
}

// What the schema ontology states, and may leave out for a case.
struct Variant {
    bool inverses = true;
    bool isTypedByDeclared = true;
    bool definesType = true;
};

// A small IFC-like schema ontology: occurrences typed by type objects through a relation, and property
// sets defining types and, through another relation, occurrences.
class RuleExpressions : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    RdfCpp::Graph* schemaGraph = nullptr;
    RdfCpp::Graph* rulesGraph = nullptr;
    ExpressSchema schema;
    int errorCount = 0;
    std::string output;

    Node named(const std::string& name) const { return Node(ontologyUri + "#" + name); }

    ExpressEntity& entity(const std::string& name, const std::string& supertype = "") {
        ExpressEntity& e = schema.addEntity(name);
        if (!supertype.empty()) e.supertypes.push_back(supertype);
        klass(name, supertype);
        return e;
    }

    void klass(const std::string& name, const std::string& super = "") {
        schema.classNodes[name] = named(name);
        schemaGraph->addTriple(named(name), V::rdf_type, V::owl_Class);
        if (!super.empty()) schemaGraph->addTriple(named(name), V::rdfs_subClassOf, named(super));
    }

    Node property(const std::string& name, const std::string& label, bool declared = true) {
        Node p = named(name);
        if (declared) schemaGraph->addTriple(p, V::rdf_type, V::owl_ObjectProperty);
        schemaGraph->addTriple(p, V::rdfs_label, Node::literal(label));
        return p;
    }

    void buildSchemaOntology(const Variant& variant = Variant()) {
        schemaGraph = manager.createRootGraph(ontologyUri, &connector);
        ASSERT_NE(schemaGraph, nullptr);
        entity("IfcObjectDefinition");
        entity("IfcObject", "IfcObjectDefinition");
        entity("IfcTypeObject", "IfcObjectDefinition");
        entity("IfcRelDefinesByType");
        entity("IfcRelDefinesByProperties");
        entity("IfcPropertySetDefinition");
        for (const char* name : {"IfcWallType", "IfcDoorType", "IfcDoorStyle"}) entity(name, "IfcTypeObject");
        entity("IfcWall", "IfcObject").whereRules["CorrectTypeAssigned"] = typeRule("IFC4.IFCWALLTYPE");
        entity("IfcDoor", "IfcObject").whereRules["CorrectStyleAssigned"] = typeRule("IFC4.IFCDOORTYPE");
        ExpressEntity& lining = entity("IfcDoorLiningProperties", "IfcPropertySetDefinition");
        lining.whereRules["WR31"] = ": NOT(EXISTS(LiningDepth)); ";
        lining.whereRules["WR35"] = propertySetRule({"IFC4.IFCDOORTYPE", "IFC4.IFCDOORSTYLE"});
        entity("IfcDoorPanelProperties", "IfcPropertySetDefinition").whereRules["ApplicableToType"] =
            propertySetRule({"IFC4.IFCDOORSTYLE"});
        entity("IfcSpace", "IfcObject").whereRules["WR1"] = ": SIZEOF(BoundedBy) > 0; ";

        const Node isTypedBy = property("isTypedBy_IfcObject", "IsTypedBy", variant.isTypedByDeclared);
        const Node relatedObjects = property("relatedObjects_IfcRelDefinesByType", "RelatedObjects");
        const Node relatingType = property("relatingType_IfcRelDefinesByType", "RelatingType");
        const Node types = property("types_IfcTypeObject", "Types");
        const Node definesType = property("definesType_IfcPropertySetDefinition", "DefinesType");
        const Node definesOccurrence = property("definesOccurrence_IfcPropertySetDefinition", "DefinesOccurrence");
        const Node relatedDefinitions = property("relatedObjects_IfcRelDefinesByProperties", "RelatedObjects");
        if (variant.inverses) {
            schemaGraph->addTriple(isTypedBy, V::owl_inverseOf, relatedObjects);
            schemaGraph->addTriple(types, V::owl_inverseOf, relatingType);
        }
        // The restrictions the properties phase states, cardinalities included.
        auto all = [&](const char* cls, const Node& p, const char* filler) {
            addRestriction(&manager, -1, V::owl_allValuesFrom, named(cls), p, named(filler), schemaGraph);
        };
        auto exactlyOne = [&](const char* cls, const Node& p, const char* filler) {
            addRestriction(&manager, 1, V::owl_qualifiedCardinality, named(cls), p, named(filler), schemaGraph);
        };
        all("IfcObject", isTypedBy, "IfcRelDefinesByType");
        addRestriction(&manager, 1, V::owl_maxQualifiedCardinality, named("IfcObject"), isTypedBy,
                       named("IfcRelDefinesByType"), schemaGraph);
        all("IfcRelDefinesByType", relatedObjects, "IfcObject");
        all("IfcRelDefinesByType", relatingType, "IfcTypeObject");
        exactlyOne("IfcRelDefinesByType", relatingType, "IfcTypeObject");
        all("IfcTypeObject", types, "IfcRelDefinesByType");
        if (variant.definesType) all("IfcPropertySetDefinition", definesType, "IfcTypeObject");
        all("IfcPropertySetDefinition", definesOccurrence, "IfcRelDefinesByProperties");
        all("IfcRelDefinesByProperties", relatedDefinitions, "IfcObjectDefinition");
    }

    // The rules ontology as the driver makes it: the schema ontology saved, a new root graph importing it.
    void makeRulesOntologyFromSavedSchema() {
        ASSERT_TRUE(manager.save(&connector));
        rulesGraph = manager.createRootGraph(ontologyUri + "_rules", &connector);
        ASSERT_NE(rulesGraph, nullptr);
        ASSERT_NE(manager.importGraph(ontologyUri, rulesGraph, &connector, {}), nullptr);
    }

    // The rules ontology as a second graph beside the schema ontology in memory.
    void makeRulesGraph() {
        RdfCpp::Graph* created = manager._createGraph(ontologyUri + "_rules", &connector);
        ASSERT_NE(created, nullptr);
        rulesGraph = manager._add_model(created->getUri(), &connector, created);
        ASSERT_NE(rulesGraph, nullptr);
    }

    void run() {
        testsupport::OutputCapture captured;
        generateRuleClassExpressions(schema, manager, *rulesGraph, errorCount);
        output = captured.take();
    }

    // The class expressions the rules ontology states on a class.
    std::multiset<std::string> expressions(const std::string& name) {
        const testsupport::GraphShapes shapes({{ontologyUri + "#", "s"}});
        const std::string start = cls(name) + " rdfs:subClassOf ";
        std::multiset<std::string> texts;
        for (const std::string& line : shapes.linesStartingWith(*rulesGraph, start))
            texts.insert(line.substr(start.size()));
        return texts;
    }

    static std::string errorLine(const std::string& name) {
        return " * Error: incomplete generation of Class Expression for " + name + "\n";
    }
};

using Texts = std::multiset<std::string>;

const std::string wallTyped = all("isTypedBy_IfcObject", all("relatingType_IfcRelDefinesByType", cls("IfcWallType")));
const std::string wallTypeInverse =
    all("types_IfcTypeObject", all("relatedObjects_IfcRelDefinesByType", cls("IfcWall")));

TEST_F(RuleExpressions, WritesTypeAssignmentsAndPropertySetsIntoTheSavedSchemasRulesOntology) {
    buildSchemaOntology();
    makeRulesOntologyFromSavedSchema();
    run();

    EXPECT_EQ(output, "");
    EXPECT_EQ(errorCount, 0);
    EXPECT_EQ(expressions("IfcWall"), Texts{wallTyped});
    EXPECT_EQ(expressions("IfcWallType"), Texts{wallTypeInverse});
    EXPECT_EQ(expressions("IfcDoor"),
              Texts{all("isTypedBy_IfcObject", all("relatingType_IfcRelDefinesByType", cls("IfcDoorType")))});
    EXPECT_EQ(expressions("IfcDoorType"),
              Texts{all("types_IfcTypeObject", all("relatedObjects_IfcRelDefinesByType", cls("IfcDoor")))});
    // Two type classes give their union; only the one with a completed type assignment has an occurrence.
    EXPECT_EQ(expressions("IfcDoorLiningProperties"),
              (Texts{all("definesOccurrence_IfcPropertySetDefinition",
                         all("relatedObjects_IfcRelDefinesByProperties", cls("IfcDoor"))),
                     all("definesType_IfcPropertySetDefinition", unionOf("IfcDoorStyle", "IfcDoorType"))}));
    EXPECT_EQ(expressions("IfcDoorPanelProperties"),
              Texts{all("definesType_IfcPropertySetDefinition", cls("IfcDoorStyle"))});
    EXPECT_EQ(expressions("IfcSpace"), Texts{});
    EXPECT_EQ(expressions("IfcObject"), Texts{});
}

TEST_F(RuleExpressions, MatchesTypeNamesWhateverTheirCase) {
    for (const char* spelling : {"IFC4.IfcWallType", "ifc4.ifcwalltype", "IFC4.IFCWALLTYPE"}) {
        SCOPED_TRACE(spelling);
        schema.clear();
        schema.classNodes.clear();
        errorCount = 0;
        buildSchemaOntology();
        schema.entities["IfcWall"]->whereRules["CorrectTypeAssigned"] = typeRule(spelling);
        makeRulesGraph();
        run();
        EXPECT_EQ(errorCount, 0);
        EXPECT_EQ(expressions("IfcWall"), Texts{wallTyped});
    }
}

TEST_F(RuleExpressions, WithoutStatedInversesWritesOnlyTheForwardExpression) {
    Variant variant;
    variant.inverses = false;
    buildSchemaOntology(variant);
    makeRulesGraph();
    run();
    EXPECT_EQ(output, "");
    EXPECT_EQ(errorCount, 0);
    EXPECT_EQ(expressions("IfcWall"), Texts{wallTyped});
    EXPECT_EQ(expressions("IfcWallType"), Texts{});
}

TEST_F(RuleExpressions, ReportsAndCountsEveryEntityItCannotComplete) {
    buildSchemaOntology();
    entity("IfcUnknownTyped", "IfcObject").whereRules["CorrectTypeAssigned"] = typeRule("IFC4.IFCNOSUCHTYPE");
    entity("IfcNoIn", "IfcObject").whereRules["CorrectTypeAssigned"] = ": SIZEOF(IsTypedBy) = 0; ";
    entity("IfcNotAnObject").whereRules["CorrectTypeAssigned"] = typeRule("IFC4.IFCWALLTYPE");
    entity("IfcNoTypeNamed", "IfcPropertySetDefinition").whereRules["WR1"] = propertySetRule({"IFC4.IFCNOSUCHTYPE"});
    entity("IfcNoWords", "IfcObject").whereRules["CorrectTypeAssigned"] = " ";
    makeRulesGraph();
    run();

    EXPECT_EQ(output, errorLine("IfcNoIn") + errorLine("IfcNotAnObject") + errorLine("IfcUnknownTyped") +
                          errorLine("IfcNoTypeNamed"));
    EXPECT_EQ(errorCount, 4);
    EXPECT_EQ(expressions("IfcWall"), Texts{wallTyped});  // the others are unaffected
    for (const char* name : {"IfcUnknownTyped", "IfcNoIn", "IfcNotAnObject", "IfcNoTypeNamed", "IfcNoWords"})
        EXPECT_EQ(expressions(name), Texts{}) << name;
}

TEST_F(RuleExpressions, AnUndeclaredPropertyFailsTheTypeAssignmentAndItsOccurrences) {
    Variant variant;
    variant.isTypedByDeclared = false;
    buildSchemaOntology(variant);
    makeRulesGraph();
    run();
    EXPECT_EQ(output, errorLine("IfcDoor") + errorLine("IfcWall"));
    EXPECT_EQ(errorCount, 2);
    EXPECT_EQ(expressions("IfcWall"), Texts{});
    // No type assignment completed, so the property set has its type expression only.
    EXPECT_EQ(expressions("IfcDoorLiningProperties"),
              Texts{all("definesType_IfcPropertySetDefinition", unionOf("IfcDoorStyle", "IfcDoorType"))});
}

TEST_F(RuleExpressions, AnOccurrenceExpressionAloneLeavesThePropertySetIncomplete) {
    Variant variant;
    variant.definesType = false;
    buildSchemaOntology(variant);
    makeRulesGraph();
    run();
    EXPECT_EQ(output, errorLine("IfcDoorLiningProperties") + errorLine("IfcDoorPanelProperties"));
    EXPECT_EQ(errorCount, 2);
    EXPECT_EQ(expressions("IfcDoorLiningProperties"),
              Texts{all("definesOccurrence_IfcPropertySetDefinition",
                        all("relatedObjects_IfcRelDefinesByProperties", cls("IfcDoor")))});
}

}  // namespace
