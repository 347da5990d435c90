// A saved, unchanged graph stands in for a reload of its file when a new project imports it.
#include <gtest/gtest.h>

#include "rdf/connector_local.h"
#include "rdf/manager.h"
#include "rdf/vocabulary.h"
#include "repository_fixture.h"
#include "test_support.h"

using Redland::Node;

namespace {

const std::string schemaUri = "http://example.org/onto/Schema";
const std::string rulesUri = "http://example.org/onto/Schema_rules";

struct SavedSchema {
    testsupport::TempDir dir;
    RdfCpp::ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};
    RdfCpp::GraphManager manager;
    RdfCpp::Graph* schema = nullptr;

    SavedSchema() {
        testsupport::startCapture();
        schema = manager.createRootGraph(schemaUri, &connector);
        schema->addTriple(Node(schemaUri + "#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
        manager.setPrefix(schemaUri + "#", "sch");
        manager.setPrefix(Vocabulary::OWL_NS, "owl");
        manager.save(nullptr);
        testsupport::capturedOutput();
    }

    // Starts a new project whose root imports the saved schema ontology, as the rules step does.
    RdfCpp::Graph* importIntoNewRoot() {
        testsupport::startCapture();
        RdfCpp::Graph* rules = manager.createRootGraph(rulesUri, &connector);
        RdfCpp::Graph* imported = manager.importGraph(schemaUri, rules, &connector, {});
        testsupport::capturedOutput();
        return imported;
    }
};

}  // namespace

TEST(GraphReuse, ImportedGraphLooksLikeAFreshLoadOfItsFile) {
    SavedSchema s;
    const std::string before = repositoryfixture::read(s.dir.path(), "Schema.owl");
    RdfCpp::Graph* imported = s.importIntoNewRoot();
    ASSERT_NE(imported, nullptr);
    EXPECT_FALSE(imported->isModified());
    EXPECT_TRUE(imported->containsStatement(
        Redland::Statement(Node(schemaUri + "#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class)));
    EXPECT_EQ(imported->getPrefixes().at(schemaUri + "#"), "sch");
    EXPECT_EQ(imported->getPrefixes().at(Vocabulary::OWL_NS), "owl");
    // As after a reload, the manager names the graph's own namespace after the graph.
    EXPECT_EQ(s.manager.getPrefixTable().at(schemaUri + "#"), "Schema");

    // Saving the new project writes the rules ontology and leaves the unchanged schema file alone.
    testsupport::startCapture();
    EXPECT_TRUE(s.manager.save(nullptr));
    testsupport::capturedOutput();
    EXPECT_EQ(repositoryfixture::read(s.dir.path(), "Schema.owl"), before);
    EXPECT_TRUE(repositoryfixture::exists(s.dir.path(), "Schema_rules.owl"));
}

TEST(GraphReuse, AFileChangedSinceTheSaveIsLoadedAgain) {
    SavedSchema s;
    repositoryfixture::put(s.dir.path(), "Schema.owl", repositoryfixture::ontologyXml(schemaUri, {}, true));
    RdfCpp::Graph* imported = s.importIntoNewRoot();
    ASSERT_NE(imported, nullptr);
    // The fixture's class is Schema#Wall too, but only the file states ex:size.
    EXPECT_TRUE(imported->containsStatement(
        Redland::Statement(Node(schemaUri + "#thing"), Node("http://example.org/terms#size"), Node::literal("3"))));
}

TEST(GraphReuse, AGraphChangedAfterItsSaveIsNotReused) {
    SavedSchema s;
    s.schema->addTriple(Node(schemaUri + "#Door"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    RdfCpp::Graph* imported = s.importIntoNewRoot();
    ASSERT_NE(imported, nullptr);
    EXPECT_FALSE(imported->containsStatement(
        Redland::Statement(Node(schemaUri + "#Door"), Vocabulary::rdf_type, Vocabulary::owl_Class)));
    EXPECT_TRUE(imported->containsStatement(
        Redland::Statement(Node(schemaUri + "#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class)));
}

// A graph saved beside the manager, as the list vocabulary is, is handed over and imported in place of its file.
TEST(GraphReuse, AGraphSavedOutsideTheManagerIsImportedUnlessItsFileChanged) {
    for (const bool fileChanged : {false, true}) {
        testsupport::TempDir dir;
        RdfCpp::ConnectorLocal connector("rdfxml", dir.path(), "Tbox");
        RdfCpp::GraphManager manager;
        testsupport::startCapture();
        std::unique_ptr<RdfCpp::Graph> saved = connector.createGraph(schemaUri);
        ASSERT_TRUE(saved && saved->setOntology(schemaUri));
        saved->addTriple(Node(schemaUri + "#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
        ASSERT_TRUE(connector._save(saved.get(), {}, {{Vocabulary::OWL_NS, "owl"}}));
        const RdfCpp::Graph* handed = saved.get();
        manager.keepSaved(std::move(saved));
        if (fileChanged)
            repositoryfixture::put(dir.path(), "Schema.owl", repositoryfixture::ontologyXml(schemaUri, {}, true));
        RdfCpp::Graph* rules = manager.createRootGraph(rulesUri, &connector);
        RdfCpp::Graph* imported = manager.importGraph(schemaUri, rules, &connector, {});
        testsupport::capturedOutput();
        ASSERT_NE(imported, nullptr) << fileChanged;
        if (!fileChanged) {
            EXPECT_EQ(imported, handed);
        }
        EXPECT_EQ(imported->containsStatement(Redland::Statement(
                      Node(schemaUri + "#thing"), Node("http://example.org/terms#size"), Node::literal("3"))),
                  fileChanged);
    }
}
