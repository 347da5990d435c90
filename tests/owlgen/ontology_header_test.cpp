#include "owlgen/ontology_header.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "graph_probe.h"
#include "owlgen/sartell_version.h"
#include "rdf/connector_local.h"
#include "test_support.h"

using Redland::Node;
namespace V = Vocabulary;

namespace {

const std::string kUri = "http://example.org/IFC/Schema4";
const char* const DC = "http://purl.org/dc/elements/1.1/";

Node dc(const std::string& name) { return Node(DC + name); }
Node vann(const std::string& name) { return Node("http://purl.org/vocab/vann/" + name); }
const Node ccLicense("http://creativecommons.org/ns#license");
const Node annotationProperty(std::string(V::OWL_NS) + "AnnotationProperty");

// SOURCE_DATE_EPOCH for the life of the object, restored afterwards.
class SourceDateEpoch {
public:
    explicit SourceDateEpoch(const char* value) {
        const char* old = std::getenv("SOURCE_DATE_EPOCH");
        if (old) saved_ = old, hadValue_ = true;
        setenv("SOURCE_DATE_EPOCH", value, 1);
    }
    ~SourceDateEpoch() {
        if (hadValue_)
            setenv("SOURCE_DATE_EPOCH", saved_.c_str(), 1);
        else
            unsetenv("SOURCE_DATE_EPOCH");
    }

private:
    std::string saved_;
    bool hadValue_ = false;
};

struct OntologyHeader : ::testing::Test {
    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    ExpressSchema schema;
    ConversionSettings settings;
    Redland::Model* model = nullptr;

    void SetUp() override {
        schema.schemaFile = "/schemas/IFC4.exp";
        settings.ontologyUri = settings.ontologyVersionUri = kUri;
    }
    Redland::Model& graph(const std::string& uri) {
        model = dynamic_cast<Redland::Model*>(manager.createRootGraph(uri, &connector));
        EXPECT_NE(model, nullptr);
        return *model;
    }
    std::vector<Node> values(const std::string& uri, const Node& property) {
        return probe::objects(*model, Node(uri), property);
    }
    // Every predicate used on the ontology outside RDF, RDFS and OWL is declared an annotation property.
    void expectAnnotationPropertiesDeclared(const std::string& uri) {
        std::set<Node> used;
        model->get_arcs_out(Node(uri), used);
        for (const Node& property : used) {
            const std::string iri = property.getUriString();
            if (iri.rfind(V::RDF_NS, 0) == 0 || iri.rfind(V::RDFS_NS, 0) == 0 || iri.rfind(V::OWL_NS, 0) == 0) continue;
            EXPECT_TRUE(probe::has(*model, property, V::rdf_type, annotationProperty)) << iri;
        }
    }
};

TEST_F(OntologyHeader, DefaultsNameNoPersonTheCcByLicenceAndTheRunDate) {
    SourceDateEpoch epoch("1700000000");  // 2023-11-14T22:13:20Z
    graph(kUri);
    writeSchemaOntologyHeader(*model, manager, schema, settings);

    EXPECT_TRUE(values(kUri, dc("creator")).empty());
    EXPECT_TRUE(values(kUri, dc("contributor")).empty());
    EXPECT_EQ(values(kUri, dc("date")), std::vector<Node>{Node::literal("2023-11-14")});
    EXPECT_EQ(values(kUri, dc("title")), std::vector<Node>{Node::literal("IFC4")});
    EXPECT_EQ(values(kUri, ccLicense), std::vector<Node>{Node("http://creativecommons.org/licenses/by/3.0/")});
    EXPECT_EQ(values(kUri, vann("preferredNamespacePrefix")), std::vector<Node>{Node::literal("ifc")});
    EXPECT_EQ(manager.getPrefixTable().at(kUri + "#"), "Schema4");
    expectAnnotationPropertiesDeclared(kUri);
}

TEST_F(OntologyHeader, SettingsChooseCreatorsLicenceTitleDateAndPrefix) {
    settings.creators = {"Ada Lovelace (ada@example.org)", "Charles Babbage"};
    settings.licenseIri = "https://creativecommons.org/licenses/by/4.0/";
    settings.title = "IFC4 as OWL";
    settings.date = "2024-05-01";
    settings.prefix = "ifc4";
    graph(kUri);
    writeSchemaOntologyHeader(*model, manager, schema, settings);

    EXPECT_EQ(values(kUri, dc("creator")),
              (std::vector<Node>{Node::literal("Ada Lovelace (ada@example.org)"), Node::literal("Charles Babbage")}));
    EXPECT_EQ(values(kUri, ccLicense), std::vector<Node>{Node(settings.licenseIri)});
    EXPECT_EQ(values(kUri, dc("title")), std::vector<Node>{Node::literal("IFC4 as OWL")});
    EXPECT_EQ(values(kUri, dc("date")), std::vector<Node>{Node::literal("2024-05-01")});
    EXPECT_EQ(values(kUri, vann("preferredNamespacePrefix")), std::vector<Node>{Node::literal("ifc4")});
    EXPECT_EQ(manager.getPrefixTable().at(kUri + "#"), "ifc4");
    expectAnnotationPropertiesDeclared(kUri);
}

TEST_F(OntologyHeader, RulesHeaderCreditsThisConverterAndItsVersion) {
    const std::string rulesUri = kUri + "_rules";
    settings.creators = {"Ada Lovelace"};
    settings.date = "2024-05-01";
    graph(rulesUri);
    writeRulesOntologyHeader(*model, rulesUri, schema, settings);

    const std::vector<Node> comments = values(rulesUri, Node(std::string(V::RDFS_NS) + "comment"));
    ASSERT_EQ(comments.size(), 1u);
    const std::string comment = comments[0].getLiteralValue();
    EXPECT_NE(comment.find("IFC4.exp using Sartell converter " + std::string(sartellVersion)), std::string::npos)
        << comment;
    EXPECT_EQ(comment.find("Quorin"), std::string::npos) << comment;
    EXPECT_EQ(comment.find(".md"), std::string::npos) << comment;
    EXPECT_EQ(values(rulesUri, dc("creator")), std::vector<Node>{Node::literal("Ada Lovelace")});
    EXPECT_EQ(values(rulesUri, dc("date")), std::vector<Node>{Node::literal("2024-05-01")});
    EXPECT_EQ(values(rulesUri, dc("title")), std::vector<Node>{Node::literal("Schema4_rules")});
    expectAnnotationPropertiesDeclared(rulesUri);
}

}  // namespace
