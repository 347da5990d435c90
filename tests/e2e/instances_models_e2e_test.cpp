// Whole models converted by `sartell instances`: real exports and small models of our own, checked against the
// ontology the same build generates for their schema.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "rdf/parsed_triples.h"
#include "test_support.h"

using parsedtriples::Triple;
using RdfCpp::Term;
using testsupport::TempDir;

namespace {

const std::string rdfType = "http://www.w3.org/1999/02/22-rdf-syntax-ns#type";
const std::string owl = "http://www.w3.org/2002/07/owl#";

std::string sharedPath(const std::string& relative) {
    std::string path = std::string(SARTELL_SOURCE_DIR) + "/../shared/" + relative;
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? path : std::string();
}

// The ontology this build generates for a schema, with the terms it declares, and a catalog that resolves the
// imports of instance data to its files.
struct GeneratedOntology {
    TempDir repository;
    std::string iri;
    std::set<std::string> classes, properties, individuals;
    std::string catalog;
};

const GeneratedOntology& ontologyFor(const std::string& schemaPath, const std::string& iri) {
    static std::map<std::string, std::unique_ptr<GeneratedOntology>> cache;
    auto& slot = cache[schemaPath + " " + iri];
    if (slot) return *slot;
    slot = std::make_unique<GeneratedOntology>();
    GeneratedOntology& o = *slot;
    o.iri = iri;
    const std::string name = boost::filesystem::path(schemaPath).filename().string();
    testsupport::writeFile(o.repository.file(name), testsupport::readFile(schemaPath));
    testsupport::runSartell({name, "out.owl", iri, o.repository.path(), "0", "0", "1", "", "1"});
    const std::string main = iri.substr(iri.rfind('/') + 1) + ".owl";
    for (const std::string& file : {main, std::string("express.owl"), std::string("list.owl")}) {
        const auto parsed = parsedtriples::parse(testsupport::readFile(o.repository.file(file)), "rdfxml");
        EXPECT_FALSE(parsed.triples.empty()) << file;
        for (const Triple& t : parsed.triples) {
            if (t.p.value != rdfType || t.s.kind != Term::Kind::Iri) continue;
            if (t.o.value == owl + "Class") o.classes.insert(t.s.value);
            if (t.o.value == owl + "ObjectProperty" || t.o.value == owl + "DatatypeProperty")
                o.properties.insert(t.s.value);
            if (t.o.value == owl + "NamedIndividual") o.individuals.insert(t.s.value);
        }
    }
    o.catalog = o.repository.file("data-catalog.xml");
    testsupport::writeFile(o.catalog,
                           "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<catalog prefer=\"public\" xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
                           "  <uri name=\"" +
                               iri + "\" uri=\"" + main +
                               "\"/>\n"
                               "  <uri name=\"https://w3id.org/express\" uri=\"express.owl\"/>\n"
                               "  <uri name=\"https://w3id.org/list\" uri=\"list.owl\"/>\n"
                               "</catalog>\n");
    return o;
}

// The terms of the data the ontology does not declare: classes of rdf:type, predicates, and named objects
// outside the data's own namespace.
std::set<std::string> undeclaredTerms(const std::vector<Triple>& triples, const GeneratedOntology& o,
                                      const std::string& base) {
    const std::set<std::string> builtIn = {owl + "Ontology", owl + "AnnotationProperty", owl + "imports", rdfType};
    std::set<std::string> undeclared;
    for (const Triple& t : triples) {
        const bool header = t.s.value.compare(0, base.size(), base) != 0 || t.s.value.size() == base.size() - 1;
        if (header) continue;  // the data ontology and its annotation properties
        if (t.p.value == rdfType) {
            if (!o.classes.count(t.o.value)) undeclared.insert(t.o.value);
            continue;
        }
        if (!o.properties.count(t.p.value)) undeclared.insert(t.p.value);
        if (t.o.kind == Term::Kind::Iri && t.o.value.compare(0, base.size(), base) != 0 &&
            !o.individuals.count(t.o.value))
            undeclared.insert(t.o.value);
    }
    return undeclared;
}

struct ConvertedModel {
    TempDir dir;
    testsupport::RunResult run;
    parsedtriples::ParseResult parsed;
    std::string file;
};

void convertModel(ConvertedModel& m, const std::string& model, const std::string& schema, const std::string& uri,
                  const std::string& base) {
    m.file = m.dir.file("data.nt");
    m.run = testsupport::runSartell(
        {"instances", "-q", "--schema", schema, "--uri", uri, "--base", base, "-o", m.file, model});
    m.parsed = parsedtriples::parse(testsupport::readFile(m.file), "ntriples");
}

struct ModelCase {
    const char* id;
    const char* model;  // under tests/fixtures or ../shared
    const char* schema;
    bool shared;        // model under ../shared/models
    bool sharedSchema;  // schema under ../shared/schemas
    const char* uri;
    bool owlcheck;
};

void PrintTo(const ModelCase& c, std::ostream* out) { *out << c.id; }

class Models : public ::testing::TestWithParam<ModelCase> {};

TEST_P(Models, ConvertWithoutMessagesIntoDataUsingOnlyDeclaredTerms) {
    const ModelCase& c = GetParam();
    const std::string model = c.shared ? sharedPath(std::string("models/") + c.model)
                                       : testsupport::fixturePath(std::string("ifc/") + c.model);
    const std::string schema = c.sharedSchema ? testsupport::sharedSchemaPath(c.schema)
                                              : testsupport::fixturePath(std::string("ifc/") + c.schema);
    SKIP_WITHOUT_SHARED(model);
    SKIP_WITHOUT_SHARED(schema);
    const std::string base = "http://example.org/data/" + std::string(c.id) + "#";
    ConvertedModel m;
    convertModel(m, model, schema, c.uri, base);
    EXPECT_EQ(m.run.status, 0) << m.run.errors;
    EXPECT_TRUE(m.run.errors.empty()) << m.run.errors;
    EXPECT_EQ(m.parsed.errors, 0);
    ASSERT_FALSE(m.parsed.triples.empty());

    const GeneratedOntology& o = ontologyFor(schema, c.uri);
    ASSERT_FALSE(o.classes.empty());
    const std::set<std::string> undeclared = undeclaredTerms(m.parsed.triples, o, base);
    EXPECT_TRUE(undeclared.empty()) << undeclared.size() << " undeclared, first " << *undeclared.begin();

    const std::string owlcheck = e2e::owlcheckLauncher();
    if (!c.owlcheck || owlcheck.empty()) return;
    const std::string report = m.dir.file("owlcheck.txt");
    const std::string command =
        "'" + owlcheck + "' '" + m.file + "' --catalog '" + o.catalog + "' >'" + report + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << testsupport::readFile(report);
    const std::string text = testsupport::readFile(report);
    // The ontology's own findings are not the data's; nothing the data brings may be undeclared or malformed.
    for (const char* kind : {"UseOfUndeclaredClass", "UseOfUndeclaredObjectProperty", "UseOfUndeclaredDataProperty",
                             "UseOfDefinedDatatypeInLiteral", "LexicalNotInLexicalSpace", "parser error entities: 1"})
        EXPECT_EQ(text.find(kind), std::string::npos) << kind << "\n" << text;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const bool fromData = line.rfind("example[", 0) == 0 && line.find("example.org/data/") != std::string::npos;
        EXPECT_FALSE(fromData) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ifc, Models,
    ::testing::Values(ModelCase{"Mini", "mini.ifc", "mini_schema.exp", false, false, "https://example.org/MINI", true},
                      ModelCase{"SmallIfc4", "small_ifc4.ifc", "IFC4_ADD2_TC1.exp", false, true,
                                "https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL", true},
                      ModelCase{"SmallIfc2x3", "small_ifc2x3.ifc", "IFC2X3_TC1.exp", false, true,
                                "https://standards.buildingsmart.org/IFC/DEV/IFC2X3/TC1/OWL", true},
                      ModelCase{"IfcOpenHouse", "IfcOpenHouse_IFC4.ifc", "IFC4_ADD2_TC1.exp", true, true,
                                "https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL", false},
                      ModelCase{"FzkHaus", "AC20-FZK-Haus.ifc", "IFC4_ADD2_TC1.exp", true, true,
                                "https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL", false},
                      ModelCase{"Duplex", "duplex.ifc", "IFC2X3_TC1.exp", true, true,
                                "https://standards.buildingsmart.org/IFC/DEV/IFC2X3/TC1/OWL", false}),
    [](const ::testing::TestParamInfo<ModelCase>& info) { return std::string(info.param.id); });

// The forms of our own IFC4 model, as the published OWL edition of IFC writes them.
TEST(SmallIfc4Model, WritesNestedListsTypedSelectsLogicalsComplexInstancesAndDecodedStrings) {
    const std::string schema = testsupport::sharedSchemaPath("IFC4_ADD2_TC1.exp");
    SKIP_WITHOUT_SHARED(schema);
    ConvertedModel m;
    const std::string ifc = "https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL#";
    const std::string base = "http://example.org/data/s#";
    convertModel(m, testsupport::fixturePath("ifc/small_ifc4.ifc"), schema, ifc.substr(0, ifc.size() - 1), base);
    ASSERT_EQ(m.run.status, 0) << m.run.errors;
    std::map<std::string, std::vector<std::string>> objects;  // "subject predicate" -> objects
    for (const Triple& t : m.parsed.triples) objects[t.s.value + " " + t.p.value].push_back(t.o.value);
    auto one = [&](const std::string& s, const std::string& p) {
        const auto& found = objects[s + " " + p];
        EXPECT_EQ(found.size(), 1u) << s << " " << p;
        return found.empty() ? std::string() : found[0];
    };
    auto typed = [&](const std::string& s, const std::string& cls) {
        const auto& types = objects[s + " " + rdfType];
        return std::find(types.begin(), types.end(), cls) != types.end();
    };
    const std::string express = "https://w3id.org/express#", list = "https://w3id.org/list#";

    const std::string family = one(base + "IfcPerson_1", ifc + "familyName_IfcPerson");
    EXPECT_EQ(one(family, express + "hasString"), "M\xC3\xBCller");
    EXPECT_EQ(one(one(base + "IfcPerson_1", ifc + "givenName_IfcPerson"), express + "hasString"), "J\xC3\xB6rg");
    EXPECT_EQ(one(one(base + "IfcOrganization_2", ifc + "name_IfcOrganization"), express + "hasString"),
              "Writer's \xC3\xA9quipe \xF0\x9F\x8F\x97");

    const std::string rows = one(base + "IfcCartesianPointList3D_15", ifc + "coordList_IfcCartesianPointList3D");
    EXPECT_TRUE(typed(rows, ifc + "IfcLengthMeasure_List_List"));
    const std::string firstRow = one(rows, list + "hasContents");
    EXPECT_TRUE(typed(firstRow, ifc + "IfcLengthMeasure_List"));
    EXPECT_TRUE(typed(one(firstRow, list + "hasContents"), ifc + "IfcLengthMeasure"));

    const std::string latitude = one(base + "IfcSite_13", ifc + "refLatitude_IfcSite");
    EXPECT_TRUE(typed(latitude, ifc + "IfcCompoundPlaneAngleMeasure"));
    EXPECT_EQ(one(base + "IfcSite_13", ifc + "compositionType_IfcSpatialStructureElement"), ifc + "ELEMENT");

    const std::string width = one(base + "IfcPropertySingleValue_18", ifc + "nominalValue_IfcPropertySingleValue");
    EXPECT_TRUE(typed(width, ifc + "IfcLengthMeasure"));
    EXPECT_EQ(one(width, express + "hasDouble"), "2.54E-2");
    const std::string checked = one(base + "IfcPropertySingleValue_19", ifc + "nominalValue_IfcPropertySingleValue");
    EXPECT_EQ(one(checked, express + "hasLogical"), express + "UNKNOWN");

    const std::string curve = base + "IfcRationalBSplineCurveWithKnots_26";
    for (const char* leaf : {"IfcBSplineCurve", "IfcBSplineCurveWithKnots", "IfcRationalBSplineCurveWithKnots",
                             "IfcBoundedCurve", "IfcCurve", "IfcRepresentationItem"})
        EXPECT_TRUE(typed(curve, ifc + leaf)) << leaf;
    EXPECT_TRUE(typed(one(curve, ifc + "weightsData_IfcRationalBSplineCurveWithKnots"), ifc + "IfcReal_List"));
    EXPECT_EQ(one(one(curve, ifc + "selfIntersect_IfcBSplineCurve"), express + "hasLogical"), express + "UNKNOWN");
}

}  // namespace
