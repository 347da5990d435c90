// What the headers of the written ontologies say about them: reproducible with SOURCE_DATE_EPOCH, and every
// annotation property declared in the ontology that uses it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e_support.h"
#include "loaded_ontology.h"

using e2e::Conversion;

namespace {

using e2e::exampleSchema;
// "ifc" in the URI, so that switch 5 writes the rules ontology too.
const char* const ontologyUri = "https://example.org/ifc/Example";

struct Mode {
    const char* name;
    std::vector<std::string> switches;  // arguments 5 to 9
};

void PrintTo(const Mode& mode, std::ostream* out) { *out << mode.name; }

const Mode modes[] = {{"Ldwg", {"1", "1", "1", "", "1"}}, {"NoLdwg", {"1", "1", "0", "", "1"}}};

bool isOntology(const std::string& name) { return name.size() > 4 && name.substr(name.size() - 4) == ".owl"; }

class OntologyHeaders : public ::testing::TestWithParam<Mode> {
protected:
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
};

}  // namespace

TEST_P(OntologyHeaders, RunsWithTheSameSourceDateEpochWriteIdenticalBytes) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);  // 2023-11-14T22:13:20Z
    Conversion a, b;
    e2e::convert(a, exampleSchema, ontologyUri, GetParam().switches);
    e2e::convert(b, exampleSchema, ontologyUri, GetParam().switches);
    const std::vector<std::string> files = e2e::listFiles(a.repository.path());
    ASSERT_EQ(files, e2e::listFiles(b.repository.path()));
    ASSERT_TRUE(a.has("Example_rules.owl"));
    for (const std::string& name : files)
        EXPECT_TRUE(testsupport::readFile(a.file(name)) == testsupport::readFile(b.file(name))) << name;

    const std::string schema = testsupport::readFile(a.file("Example.owl"));
    EXPECT_NE(schema.find("<dce:date>2023-11-14</dce:date>"), std::string::npos);
    EXPECT_NE(schema.find("Tue Nov 14 22:13:20 2023"), std::string::npos);
}

TEST_P(OntologyHeaders, EveryAnnotationPropertyIsDeclaredWhereItIsUsed) {
    Conversion c;
    e2e::convert(c, exampleSchema, ontologyUri, GetParam().switches);
    ASSERT_EQ(c.run.status, 0);
    const Redland::Node annotationProperty(std::string(Vocabulary::OWL_NS) + "AnnotationProperty");
    int checked = 0;
    for (const std::string& name : e2e::listFiles(c.repository.path())) {
        if (!isOntology(name)) continue;
        e2e::LoadedOntology ontology({});
        ASSERT_TRUE(ontology.load(c.file(name))) << name;
        std::vector<Redland::Node> headers;
        ontology.graph().get_sources(Vocabulary::rdf_type, Redland::Node(std::string(Vocabulary::OWL_NS) + "Ontology"),
                                     headers);
        ASSERT_EQ(headers.size(), 1u) << name;
        std::set<Redland::Node> used;
        ontology.graph().get_arcs_out(headers[0], used);
        for (const Redland::Node& property : used) {
            const std::string iri = property.getUriString();
            bool builtIn = false;
            for (const char* ns : {Vocabulary::RDF_NS, Vocabulary::RDFS_NS, Vocabulary::OWL_NS})
                builtIn = builtIn || iri.rfind(ns, 0) == 0;
            if (builtIn) continue;
            std::set<Redland::Node> types;
            ontology.graph().get_targets(property, Vocabulary::rdf_type, types);
            EXPECT_EQ(types.count(annotationProperty), 1u) << name << ": " << iri;
            ++checked;
        }
    }
    EXPECT_GT(checked, 10);
}

INSTANTIATE_TEST_SUITE_P(BothModes, OntologyHeaders, ::testing::ValuesIn(modes),
                         [](const ::testing::TestParamInfo<Mode>& info) { return info.param.name; });
