// Whole conversions of the official IFC schemas: completeness in every combination of switches 5, 6 and 7,
// then exact axioms of the ontologies written for the published IRIs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <sstream>
#include <tuple>

#include "e2e_support.h"
#include "loaded_ontology.h"

using e2e::Conversion;
using e2e::LoadedOntology;

namespace {

const char* const expressNs = "https://w3id.org/express#";
const char* const listNs = "https://w3id.org/list#";

struct SharedSchema {
    const char* file;
    const char* id;       // test names
    const char* uriName;  // last path element of the ontology URI: no "ifc" or "IFC", so no rules ontology
};

const SharedSchema sharedSchemas[] = {{"IFC2X3_TC1.exp", "IFC2X3", "Schema2x3"},
                                      {"IFC4_ADD2_TC1.exp", "IFC4", "Schema4"}};

void PrintTo(const SharedSchema& schema, std::ostream* out) { *out << schema.id; }

const char* flag(bool on) { return on ? "1" : "0"; }

std::vector<std::string> errorLines(const Conversion& c) {
    std::vector<std::string> lines;
    for (const std::string& line : c.lines())
        if (line.compare(0, 8, " * Error") == 0) lines.push_back(line);
    return lines;
}

bool reportsErrors(const Conversion& c, size_t count) {
    const std::vector<std::string> lines = c.lines();
    return std::find(lines.begin(), lines.end(), "- N.Errors: " + std::to_string(count)) != lines.end();
}

// What a run must write, as reviewed lists: the local names of the named classes of the schema ontology
// ("schema-class") and of the EXPRESS vocabulary ontology ("vocabulary-class"), of the schema ontology's
// object properties ("object-property"), and the " * Error" lines in the order printed ("error"), one per
// line after the kind. After an intended change of the output, regenerate them with
//     SARTELL_UPDATE_GOLDEN=1 build/test_e2e_ifc_schemas_e2e_test
// and review the difference before committing.
struct ExpectedNames {
    std::map<std::string, std::set<std::string>> names;  // kind -> local names
    std::vector<std::string> errors;
};

std::string expectationsFile(const std::string& schemaId, bool ldwg) {
    return testsupport::fixturePath("e2e/ifc/" + schemaId + (ldwg ? "_ldwg" : "_no_ldwg") + ".txt");
}

bool updating() {
    const char* update = std::getenv("SARTELL_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

ExpectedNames readExpectations(const std::string& path) {
    ExpectedNames expected;
    std::istringstream in(testsupport::readFile(path));
    std::string line;
    while (std::getline(in, line)) {
        const size_t blank = line.find(' ');
        if (blank == std::string::npos) continue;
        const std::string kind = line.substr(0, blank), value = line.substr(blank + 1);
        if (kind == "error")
            expected.errors.push_back(value);
        else
            expected.names[kind].insert(value);
    }
    return expected;
}

void writeExpectations(const std::string& path, const ExpectedNames& actual) {
    std::ostringstream out;
    for (const auto& [kind, names] : actual.names)
        for (const std::string& name : names) out << kind << " " << name << "\n";
    for (const std::string& error : actual.errors) out << "error " << error << "\n";
    testsupport::writeFile(path, out.str());
}

// The local names in namespace ns of the named subjects typed `type`; others keep their full IRI.
std::set<std::string> localNames(LoadedOntology& ontology, const Redland::Node& type, const std::string& ns) {
    std::set<std::string> names;
    for (const std::string& iri : ontology.namedInstances(type))
        names.insert(iri.compare(0, ns.size(), ns) == 0 ? iri.substr(ns.size()) : iri);
    return names;
}

// The actual names are exactly the expected ones.
void expectExactly(const std::set<std::string>& actual, const std::set<std::string>& expected,
                   const std::string& what) {
    std::vector<std::string> missing, unexpected;
    std::set_difference(expected.begin(), expected.end(), actual.begin(), actual.end(), std::back_inserter(missing));
    std::set_difference(actual.begin(), actual.end(), expected.begin(), expected.end(), std::back_inserter(unexpected));
    auto firstOf = [](const std::vector<std::string>& names) {
        std::ostringstream text;
        for (size_t i = 0; i < names.size() && i < 10; ++i) text << "\n  " << names[i];
        return text.str();
    };
    EXPECT_EQ(actual.size(), expected.size()) << what;
    EXPECT_TRUE(missing.empty()) << what << ": " << missing.size() << " missing, e.g." << firstOf(missing);
    EXPECT_TRUE(unexpected.empty()) << what << ": " << unexpected.size() << " unexpected, e.g." << firstOf(unexpected);
}

class IfcSchemaConversion : public ::testing::TestWithParam<std::tuple<SharedSchema, int>> {};

}  // namespace

// Each run writes exactly the reviewed names: one named class per entity, enumeration, select and resolved
// defined type, the wrapper, anchor and list classes; one object property per attribute except the inverse
// attributes that stand for a shared or ordered FOR attribute. Switches 5 and 6 add axioms, not names, so
// one list serves the four runs of each mode. For both official schemas the error list is empty: every
// defined type is built on a simple type or on another defined type, every select member is declared, and
// every attribute type resolves.
TEST_P(IfcSchemaConversion, WritesEveryDeclarationAndOnlyTheExpectedErrors) {
    const SharedSchema& shared = std::get<0>(GetParam());
    const int switches = std::get<1>(GetParam());
    const bool rules = switches & 1, lists = switches & 2, ldwg = switches & 4;
    const std::string path = testsupport::sharedSchemaPath(shared.file);
    SKIP_WITHOUT_SHARED(path);

    Conversion c;
    const std::string uri = std::string("http://example.org/onto/") + shared.uriName;
    e2e::convert(c, path, uri, {flag(rules), flag(lists), flag(ldwg), "", flag(ldwg)});
    ASSERT_EQ(c.run.status, 0);
    EXPECT_EQ(c.run.errors, "");

    const std::string schemaFile = std::string(shared.uriName) + ".owl";
    std::vector<std::string> files = {shared.file, "catalog-v001.xml", schemaFile};
    if (ldwg) files.insert(files.end(), {"express.owl", "list.owl"});
    std::sort(files.begin(), files.end());
    ASSERT_EQ(e2e::listFiles(c.repository.path()), files);
    for (const std::string& name : files) {
        if (name.size() > 4 && name.substr(name.size() - 4) == ".owl") {
            EXPECT_TRUE(e2e::rapperParses(c.file(name))) << name;
        }
    }

    ExpectedNames actual;
    actual.errors = errorLines(c);
    LoadedOntology ontology({});
    ASSERT_TRUE(ontology.load(c.file(schemaFile)));
    actual.names["schema-class"] = localNames(ontology, Vocabulary::owl_Class, uri + "#");
    actual.names["object-property"] = localNames(ontology, Vocabulary::owl_ObjectProperty, uri + "#");
    if (ldwg) {
        LoadedOntology vocabulary({});
        ASSERT_TRUE(vocabulary.load(c.file("express.owl")));
        actual.names["vocabulary-class"] = localNames(vocabulary, Vocabulary::owl_Class, expressNs);
    }
    const std::string expectations = expectationsFile(shared.id, ldwg);
    if (updating()) {
        writeExpectations(expectations, actual);
        return;
    }

    const ExpectedNames expected = readExpectations(expectations);
    ASSERT_FALSE(expected.names.empty()) << "no expectations in " << expectations;
    EXPECT_EQ(actual.errors, expected.errors);
    EXPECT_TRUE(reportsErrors(c, expected.errors.size())) << c.run.output;
    for (const char* kind : {"schema-class", "object-property", "vocabulary-class"}) {
        auto found = expected.names.find(kind);
        expectExactly(actual.names[kind], found == expected.names.end() ? std::set<std::string>() : found->second,
                      kind);
    }
}

INSTANTIATE_TEST_SUITE_P(AllSwitchCombinations, IfcSchemaConversion,
                         ::testing::Combine(::testing::ValuesIn(sharedSchemas), ::testing::Range(0, 8)),
                         [](const ::testing::TestParamInfo<IfcSchemaConversion::ParamType>& info) {
                             const int s = std::get<1>(info.param);
                             return std::string(std::get<0>(info.param).id) + "_S5_" + flag(s & 1) + "_S6_" +
                                    flag(s & 2) + "_S7_" + flag(s & 4);
                         });

namespace {

// One abstract supertype with its SUPERTYPE OF list, in source order.
struct Covering {
    const char* supertype;
    std::vector<std::string> subtypes;
};

struct PublishedSchema {
    const char* file;
    const char* id;
    const char* iri;
    std::vector<Covering> coverings;
    std::vector<std::string> wallTypeItems;  // IfcWallTypeEnum
    const char* positiveLengthMinimum;       // IfcPositiveLengthMeasure's WHERE rule SELF > x, as written
    const char* decomposingRelation;         // target of IfcObjectDefinition.IsDecomposedBy
    bool typeAssignmentRules;                // entities have CorrectTypeAssigned rules
    std::vector<std::string> ruleErrors;     // entities the rules ontology cannot complete
};

void PrintTo(const PublishedSchema& schema, std::ostream* out) { *out << schema.id; }

const PublishedSchema publishedSchemas[] = {
    {"IFC2X3_TC1.exp",
     "IFC2X3",
     "https://standards.buildingsmart.org/IFC/DEV/IFC2x3/TC1/OWL",
     {{"IfcRoot", {"IfcObjectDefinition", "IfcPropertyDefinition", "IfcRelationship"}},
      {"IfcObjectDefinition", {"IfcObject", "IfcTypeObject"}}},
     {"ELEMENTEDWALL", "NOTDEFINED", "PLUMBINGWALL", "POLYGONAL", "SHEAR", "STANDARD", "USERDEFINED"},
     "0",
     "IfcRelDecomposes",
     // No CorrectTypeAssigned rule, and the DefinesType tests are written without the parentheses the
     // property set pattern looks for: an empty rules ontology, without errors.
     false,
     {}},
    {"IFC4_ADD2_TC1.exp",
     "IFC4",
     "https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL",
     {{"IfcRoot", {"IfcObjectDefinition", "IfcPropertyDefinition", "IfcRelationship"}},
      {"IfcObjectDefinition", {"IfcContext", "IfcObject", "IfcTypeObject"}}},
     {"ELEMENTEDWALL", "MOVABLE", "NOTDEFINED", "PARAPET", "PARTITIONING", "PLUMBINGWALL", "POLYGONAL", "SHEAR",
      "SOLIDWALL", "STANDARD", "USERDEFINED"},
     "0.",
     "IfcRelAggregates",
     true,
     // IfcEvent's CorrectTypeAssigned tests EventTriggerType and names no type; IfcTransformer's names
     // 'IFC4.IFCTRANFORMERTYPE', a misspelling that matches no class.
     {"IfcEvent", "IfcTransformer"}},
};

std::string restriction(const std::string& property, const std::vector<std::string>& pairs) {
    std::vector<std::string> all = pairs;
    all.push_back("a owl:Restriction");
    all.push_back("owl:onProperty " + property);
    return LoadedOntology::blank(all);
}

std::string exactlyOne(const std::string& property, const std::string& cls) {
    return restriction(property, {"owl:onClass " + cls, "owl:qualifiedCardinality \"1\"^^xsd:nonNegativeInteger"});
}

void expectGlobalIdProperty(LoadedOntology& o) {
    const std::string p = "ifc:globalId_IfcRoot";
    EXPECT_EQ(o.objects(p, "rdf:type"), (std::set<std::string>{"owl:FunctionalProperty", "owl:ObjectProperty"}));
    EXPECT_EQ(o.objects(p, "rdfs:domain"), std::set<std::string>{"ifc:IfcRoot"});
    EXPECT_EQ(o.objects(p, "rdfs:range"), std::set<std::string>{"ifc:IfcGloballyUniqueId"});
    EXPECT_EQ(o.objects(p, "rdfs:label"), std::set<std::string>{"\"GlobalId\""});
    EXPECT_EQ(o.restrictionsOn("ifc:IfcRoot", p),
              (std::set<std::string>{restriction(p, {"owl:allValuesFrom ifc:IfcGloballyUniqueId"}),
                                     exactlyOne(p, "ifc:IfcGloballyUniqueId")}));
}

void expectCoverings(LoadedOntology& o, const std::vector<Covering>& coverings) {
    for (const Covering& covering : coverings) {
        std::string members;
        for (const std::string& subtype : covering.subtypes) members += " ifc:" + subtype;
        const std::string unionClass = LoadedOntology::blank({"a owl:Class", "owl:unionOf (" + members + " )"});
        const std::string supertype = std::string("ifc:") + covering.supertype;
        EXPECT_EQ(o.objects(supertype, "rdfs:subClassOf").count(unionClass), 1u) << supertype << " " << unionClass;
        for (size_t i = 0; i < covering.subtypes.size(); ++i) {
            std::set<std::string> later;
            for (size_t j = i + 1; j < covering.subtypes.size(); ++j) later.insert("ifc:" + covering.subtypes[j]);
            EXPECT_EQ(o.objects("ifc:" + covering.subtypes[i], "owl:disjointWith"), later) << covering.subtypes[i];
        }
    }
}

void expectWallTypeIndividuals(LoadedOntology& o, const std::vector<std::string>& items) {
    EXPECT_EQ(o.objects("ifc:IfcWallTypeEnum", "rdfs:subClassOf"), std::set<std::string>{"expr:ENUMERATION"});
    std::set<std::string> individuals;
    for (const std::string& item : items) {
        individuals.insert("ifc:" + item);
        std::set<std::string> types = o.objects("ifc:" + item, "rdf:type");
        EXPECT_EQ(types.count("owl:NamedIndividual"), 1u) << item;
        EXPECT_EQ(types.count("ifc:IfcWallTypeEnum"), 1u) << item;
        EXPECT_EQ(o.objects("ifc:" + item, "rdfs:label"), std::set<std::string>{"\"" + item + "\""});
    }
    EXPECT_EQ(o.subjects("rdf:type", "ifc:IfcWallTypeEnum"), individuals);
}

void expectActorSelectMembers(LoadedOntology& o) {
    EXPECT_EQ(o.objects("ifc:IfcActorSelect", "rdfs:subClassOf"), std::set<std::string>{"expr:SELECT"});
    EXPECT_EQ(o.subjects("rdfs:subClassOf", "ifc:IfcActorSelect"),
              (std::set<std::string>{"ifc:IfcOrganization", "ifc:IfcPerson", "ifc:IfcPersonAndOrganization"}));
}

// Coordinates : LIST [1:3] OF IfcLengthMeasure, with the LDWG list pattern and switch 6: at least one
// cell (∃hasNext from the first cell reaches a list, the empty list included), and the third hasNext at
// the latest reaches the empty list.
void expectCoordinatesList(LoadedOntology& o) {
    const std::string p = "ifc:coordinates_IfcCartesianPoint", list = "ifc:IfcLengthMeasure_List";
    // One list per point: the property is functional like any single-valued attribute.
    EXPECT_EQ(o.objects(p, "rdf:type"), (std::set<std::string>{"owl:FunctionalProperty", "owl:ObjectProperty"}));
    EXPECT_EQ(o.objects(p, "rdfs:domain"), std::set<std::string>{"ifc:IfcCartesianPoint"});
    EXPECT_EQ(o.objects(p, "rdfs:range"), std::set<std::string>{list});
    auto next = [](const std::vector<std::string>& pairs) { return restriction("list:hasNext", pairs); };
    const std::string lastCell =
        next({"owl:onClass ifc:IfcLengthMeasure_EmptyList", "owl:qualifiedCardinality \"1\"^^xsd:nonNegativeInteger"});
    EXPECT_EQ(o.restrictionsOn("ifc:IfcCartesianPoint", p),
              (std::set<std::string>{
                  restriction(p, {"owl:allValuesFrom " + list}),
                  exactlyOne(p, list),
                  restriction(p, {"owl:allValuesFrom " + next({"owl:someValuesFrom " + list})}),
                  restriction(p, {"owl:allValuesFrom " +
                                  next({"owl:allValuesFrom " + next({"owl:allValuesFrom " + lastCell})})}),
              }));
    EXPECT_EQ(o.objects(list, "rdfs:subClassOf"),
              (std::set<std::string>{"list:OWLList", restriction("list:hasNext", {"owl:allValuesFrom " + list}),
                                     restriction("list:isFollowedBy", {"owl:allValuesFrom " + list}),
                                     restriction("list:hasContents", {"owl:allValuesFrom ifc:IfcLengthMeasure"})}));
    EXPECT_EQ(o.objects("ifc:IfcLengthMeasure_EmptyList", "rdfs:subClassOf"),
              (std::set<std::string>{"list:EmptyList", list}));
}

void expectPositiveLengthFacet(LoadedOntology& o, const std::string& minimum) {
    const std::string range =
        LoadedOntology::blank({"a rdfs:Datatype", "owl:onDatatype xsd:double",
                               "owl:withRestrictions ( " +
                                   LoadedOntology::blank({"xsd:minExclusive \"" + minimum + "\"^^xsd:double"}) + " )"});
    std::set<std::string> supers = o.objects("ifc:IfcPositiveLengthMeasure", "rdfs:subClassOf");
    EXPECT_EQ(supers.count("ifc:IfcLengthMeasure"), 1u);
    EXPECT_EQ(o.restrictionsOn("ifc:IfcPositiveLengthMeasure", "expr:hasDouble"),
              std::set<std::string>{restriction("expr:hasDouble", {"owl:allValuesFrom " + range})});
}

void expectDecompositionInverse(LoadedOntology& o, const std::string& relation) {
    const std::string p = "ifc:isDecomposedBy_IfcObjectDefinition";
    EXPECT_EQ(o.objects(p, "owl:inverseOf"), std::set<std::string>{"ifc:relatingObject_" + relation});
    EXPECT_EQ(o.objects(p, "rdf:type"), std::set<std::string>{"owl:ObjectProperty"});
    EXPECT_EQ(o.objects(p, "rdfs:range"), std::set<std::string>{"ifc:" + relation});
    EXPECT_EQ(o.objects(p, "rdfs:label"), std::set<std::string>{"\"IsDecomposedBy\""});
    // SET [0:?]: no cardinality.
    EXPECT_EQ(o.restrictionsOn("ifc:IfcObjectDefinition", p),
              std::set<std::string>{restriction(p, {"owl:allValuesFrom ifc:" + relation})});
    EXPECT_EQ(o.objects("ifc:relatingObject_" + relation, "rdf:type"),
              (std::set<std::string>{"owl:FunctionalProperty", "owl:ObjectProperty"}));
    // UsingCurves is the inverse of the LIST attribute IfcCompositeCurve.Segments: no property at all.
    std::set<Redland::Node> arcs;
    o.graph().get_arcs_out(o.iri("ifc:usingCurves_IfcCompositeCurveSegment"), arcs);
    EXPECT_TRUE(arcs.empty());
}

class PublishedIfcOntology : public ::testing::TestWithParam<PublishedSchema> {};

}  // namespace

TEST_P(PublishedIfcOntology, StatesTheExactAxiomsOfItsDeclarations) {
    const PublishedSchema& published = GetParam();
    const std::string path = testsupport::sharedSchemaPath(published.file);
    SKIP_WITHOUT_SHARED(path);

    Conversion c;
    e2e::convert(c, path, published.iri, {"1", "1", "1", "", "1"});
    ASSERT_EQ(c.run.status, 0);
    std::vector<std::string> errors = readExpectations(expectationsFile(published.id, true)).errors;
    for (const std::string& entity : published.ruleErrors)
        errors.push_back(" * Error: incomplete generation of Class Expression for " + entity);
    EXPECT_EQ(errorLines(c), errors);
    EXPECT_TRUE(reportsErrors(c, errors.size())) << c.run.output;

    const std::string ns = std::string(published.iri) + "#";
    EXPECT_NE(testsupport::readFile(c.file("OWL.owl")).find("xmlns:ifc=\"" + ns + "\""), std::string::npos);
    LoadedOntology ontology({{"ifc", ns}, {"expr", expressNs}, {"list", listNs}});
    ASSERT_TRUE(ontology.load(c.file("OWL.owl")));
    {
        SCOPED_TRACE("GlobalId");
        expectGlobalIdProperty(ontology);
    }
    {
        SCOPED_TRACE("covering unions");
        expectCoverings(ontology, published.coverings);
    }
    {
        SCOPED_TRACE("IfcWallTypeEnum");
        expectWallTypeIndividuals(ontology, published.wallTypeItems);
    }
    {
        SCOPED_TRACE("IfcActorSelect");
        expectActorSelectMembers(ontology);
    }
    {
        SCOPED_TRACE("IfcCartesianPoint.Coordinates");
        expectCoordinatesList(ontology);
    }
    {
        SCOPED_TRACE("IfcPositiveLengthMeasure");
        expectPositiveLengthFacet(ontology, published.positiveLengthMinimum);
    }
    {
        SCOPED_TRACE("IsDecomposedBy");
        expectDecompositionInverse(ontology, published.decomposingRelation);
    }

    LoadedOntology rules({{"ifc", ns}});
    ASSERT_TRUE(rules.load(c.file("OWL_rules.owl")));
    EXPECT_TRUE(e2e::rapperParses(c.file("OWL_rules.owl")));
    EXPECT_EQ(rules.objects(std::string(published.iri) + "_rules", "owl:imports"),
              std::set<std::string>{"<" + std::string(published.iri) + ">"});
    if (!published.typeAssignmentRules) return;
    const std::string typedBy = "ifc:isTypedBy_IfcObject", relatingType = "ifc:relatingType_IfcRelDefinesByType";
    EXPECT_EQ(rules.objects("ifc:IfcWall", "rdfs:subClassOf"),
              std::set<std::string>{restriction(
                  typedBy, {"owl:allValuesFrom " + restriction(relatingType, {"owl:allValuesFrom ifc:IfcWallType"})})});
    // The same rule read backwards, through the inverses of both properties.
    const std::string types = "ifc:types_IfcTypeObject", relatedObjects = "ifc:relatedObjects_IfcRelDefinesByType";
    EXPECT_EQ(rules.objects("ifc:IfcWallType", "rdfs:subClassOf")
                  .count(restriction(
                      types, {"owl:allValuesFrom " + restriction(relatedObjects, {"owl:allValuesFrom ifc:IfcWall"})})),
              1u);
}

INSTANTIATE_TEST_SUITE_P(PublishedIris, PublishedIfcOntology, ::testing::ValuesIn(publishedSchemas),
                         [](const ::testing::TestParamInfo<PublishedSchema>& info) { return info.param.id; });
