#include "rdf/manager.h"

#include <gtest/gtest.h>

#include "rdf/connector_local.h"
#include "rdf/model.h"
#include "rdf/ontology_property.h"
#include "repository_fixture.h"
#include "test_support.h"

using namespace repositoryfixture;
using RdfCpp::ConnectorLocal;
using RdfCpp::Graph;
using RdfCpp::GraphManager;

namespace {

const std::string ex = "http://example.org/";

class Manager : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    ConnectorLocal connector{"rdfxml", dir.path(), ""};
    GraphManager manager;

    Graph* root() {
        testsupport::startCapture();
        Graph* graph = manager.createRootGraph(ex + "root", &connector);
        testsupport::capturedOutput();
        return graph;
    }
    std::vector<std::string> keys() const {
        std::vector<std::string> out;
        for (const auto& entry : manager.getGraphs()) out.push_back(entry.first);
        return out;
    }
    Graph* import(const std::string& uri, Graph* importing, std::string& output) {
        testsupport::startCapture();
        Graph* graph = manager.importGraph(uri, importing, &connector, {});
        output = testsupport::capturedOutput();
        return graph;
    }
};

}  // namespace

TEST_F(Manager, RootGraphOfABareNameGetsTheDefaultBase) {
    testsupport::startCapture();
    Graph* graph = manager.createRootGraph("project", &connector);
    EXPECT_EQ(testsupport::capturedOutput(), "LOAD: http://sartell.example.org/graphs/project\n");
    ASSERT_TRUE(graph);
    EXPECT_EQ(graph->getUri(), "http://sartell.example.org/graphs/project");
    EXPECT_EQ(manager.getRootGraph(), graph);
    EXPECT_EQ(manager.getPrefixTable().at("http://sartell.example.org/graphs/project#"), "project");
    ASSERT_TRUE(manager.save(nullptr));
    EXPECT_TRUE(exists(dir.path(), "project.owl"));
}

TEST_F(Manager, RootGraphNeedsAConnectorAndAUri) {
    const struct {
        bool load;
        std::string uri;
        bool withConnector;
        std::string message;
    } cases[] = {
        {false, "", true, "RdfCpp::GraphManager::createRootGraph * Missing graph uri"},
        {false, ex + "a", false, "RdfCpp::GraphManager::createRootGraph * Missing connector"},
        {true, "", true, "RdfCpp::GraphManager::loadRootGraph * Missing graph uri"},
        {true, ex + "a", false, "RdfCpp::GraphManager::loadRootGraph * Missing connector"},
    };
    for (const auto& c : cases) {
        ConnectorLocal* used = c.withConnector ? &connector : nullptr;
        testsupport::startCapture();
        Graph* graph = c.load ? manager.loadRootGraph(c.uri, used, {}) : manager.createRootGraph(c.uri, used);
        EXPECT_EQ(testsupport::capturedOutput(), "Exception: " + c.message + "\n");
        EXPECT_FALSE(graph);
        EXPECT_TRUE(manager.getGraphs().empty());
    }
    testsupport::startCapture();
    EXPECT_FALSE(manager.loadRootGraph(ex + "absent", &connector, {}));
    EXPECT_EQ(testsupport::capturedOutput(),
              "Exception: RdfCpp::GraphManager::_add_model * failed to load rdf graph\n"
              "Exception: RdfCpp::GraphManager::loadRootGraph * Failed to add Root Graph\n");
}

TEST_F(Manager, LoadsARootGraphWithItsImports) {
    put(dir.path(), "app.owl", ontologyXml(ex + "app", {ex + "express"}));
    put(dir.path(), "vocabularies/express.owl", ontologyXml(ex + "express", {"file:" + ex + "list"}));
    put(dir.path(), "list.owl", ontologyXml(ex + "list"));
    testsupport::startCapture();
    Graph* app = manager.loadRootGraph(ex + "app", &connector, {});
    EXPECT_EQ(testsupport::capturedOutput(), "LOAD: " + ex + "app\nLOAD: " + ex + "express\nLOAD: " + ex + "list\n");
    ASSERT_TRUE(app);
    EXPECT_EQ(keys(), (std::vector<std::string>{ex + "app", ex + "express", ex + "list"}));
    EXPECT_EQ(manager.getRootGraph(), app);
    std::vector<Graph*> imported;
    ASSERT_TRUE(manager.getImportedGraphs(app, imported));
    ASSERT_EQ(imported.size(), 3u);
    EXPECT_EQ(imported[0], app);
    EXPECT_EQ(imported[2]->getUri(), ex + "list");
    EXPECT_FALSE(manager.getImportedGraphs(nullptr, imported));
    // Prefixes seen in the files and the graphs' own names.
    EXPECT_EQ(manager.getPrefixTable().at("http://example.org/terms#"), "ex");
    EXPECT_EQ(manager.getPrefixTable().at(ex + "express#"), "express");
}

TEST_F(Manager, ImportOfAMissingGraphLeavesTheImportingGraphUnchanged) {
    Graph* graph = root();
    const int statements = graph->countStatements();
    std::string output;
    EXPECT_FALSE(import(ex + "missing", graph, output));
    EXPECT_EQ(output, "Exception: RdfCpp::GraphManager::importGraph * missing imported graph\n");
    EXPECT_TRUE(graph->getImports().empty());
    EXPECT_EQ(graph->countStatements(), statements);

    EXPECT_FALSE(import("", graph, output));
    EXPECT_EQ(output, "Exception: RdfCpp::GraphManager::importGraph * missing uri\n");
}

TEST_F(Manager, ImportingTheSameGraphTwiceLoadsAndLinksItOnce) {
    put(dir.path(), "list.owl", ontologyXml(ex + "list"));
    Graph* graph = root();
    std::string first, second;
    Graph* list = import(ex + "list", graph, first);
    EXPECT_EQ(import(ex + "list", graph, second), list);
    ASSERT_TRUE(list);
    EXPECT_EQ(first, "LOAD: " + ex + "list\n");
    EXPECT_EQ(second, "");
    EXPECT_EQ(graph->getImports(), std::set<std::string>{ex + "list"});
    ASSERT_TRUE(manager.save(nullptr));
    EXPECT_EQ(count(read(dir.path(), "root.owl"), "imports"), 1u);
}

TEST_F(Manager, GraphWhoseImportIsMissingIsRemovedAgain) {
    put(dir.path(), "a.owl", ontologyXml(ex + "a", {ex + "b"}));
    put(dir.path(), "b.owl", ontologyXml(ex + "b", {ex + "missing"}));
    Graph* graph = root();
    std::string output;
    EXPECT_FALSE(import(ex + "a", graph, output));
    EXPECT_EQ(output, "LOAD: " + ex + "a\nLOAD: " + ex +
                          "b\n"
                          "Exception: RdfCpp::GraphManager::_add_model * depending Graph not found/loaded\n"
                          "Exception: RdfCpp::GraphManager::importGraph * failed to import\n");
    EXPECT_EQ(keys(), std::vector<std::string>{ex + "root"});
    EXPECT_TRUE(graph->getImports().empty());
    EXPECT_EQ(manager.getPrefixTable().count(ex + "a#"), 0u);
}

TEST_F(Manager, ImportCycleAmongRepositoryFilesIsReported) {
    put(dir.path(), "a.owl", ontologyXml(ex + "a", {ex + "b"}));
    put(dir.path(), "b.owl", ontologyXml(ex + "b", {ex + "a"}));
    testsupport::startCapture();
    EXPECT_FALSE(manager.loadRootGraph(ex + "a", &connector, {}));
    EXPECT_EQ(testsupport::capturedOutput(),
              "LOAD: " + ex + "a\nLOAD: " + ex +
                  "b\n"
                  "Exception: RdfCpp::GraphManager::_add_model * import cycle through " +
                  ex +
                  "a\n"
                  "Exception: RdfCpp::GraphManager::loadRootGraph * Failed to add Root Graph\n");
    EXPECT_TRUE(manager.getGraphs().empty());
}

TEST_F(Manager, ImportThatWouldCloseACycleIsRefusedSilently) {
    put(dir.path(), "x.owl", ontologyXml(ex + "x", {ex + "root"}));
    put(dir.path(), "a.owl", ontologyXml(ex + "a"));
    Graph* graph = root();
    std::string output;
    EXPECT_FALSE(import(ex + "x", graph, output));  // x imports root
    EXPECT_EQ(output, "LOAD: " + ex + "x\n");
    EXPECT_EQ(keys(), std::vector<std::string>{ex + "root"});
    EXPECT_TRUE(graph->getImports().empty());

    EXPECT_FALSE(import(ex + "root", graph, output));  // itself
    EXPECT_EQ(output, "");

    Graph* a = import(ex + "a", graph, output);
    ASSERT_TRUE(a);
    EXPECT_FALSE(import(ex + "root", a, output));  // a is imported by root
    EXPECT_EQ(output, "");
    EXPECT_TRUE(a->getImports().empty());
    EXPECT_EQ(keys(), (std::vector<std::string>{ex + "a", ex + "root"}));
}

TEST_F(Manager, ImportIntoAnUnknownGraphGoesToTheRoot) {
    put(dir.path(), "list.owl", ontologyXml(ex + "list"));
    Graph* graph = root();
    Redland::Model stranger;
    std::string output;
    ASSERT_TRUE(import(ex + "list", &stranger, output));
    EXPECT_EQ(output, " ERROR: the submodel does NOT exist! Root model is set as default.\nLOAD: " + ex + "list\n");
    EXPECT_EQ(graph->getImports(), std::set<std::string>{ex + "list"});
}

TEST_F(Manager, SavesEveryGraphWithItsCatalog) {
    testsupport::startCapture();
    EXPECT_TRUE(manager.save(nullptr));  // nothing held
    EXPECT_EQ(testsupport::capturedOutput(), "");

    const std::string list = ontologyXml(ex + "list");
    put(dir.path(), "sub/list.owl", list);
    Graph* graph = root();
    std::string output;
    ASSERT_TRUE(import(ex + "list", graph, output));
    manager.setPrefix(ex + "root#", "r");
    ASSERT_TRUE(manager.save(&connector));
    const std::string written = read(dir.path(), "root.owl");
    EXPECT_NE(written.find("xmlns:r=\"" + ex + "root#\""), std::string::npos) << written;
    EXPECT_NE(read(dir.path(), "catalog-v001.xml").find("name=\"" + ex + "list\" uri=\"sub/list.owl\""),
              std::string::npos);
    EXPECT_EQ(read(dir.path(), "sub/list.owl"), list);  // loaded, unchanged, not rewritten
}

TEST_F(Manager, SaveStopsAtTheFirstGraphItCannotSave) {
    Redland::Model bare;
    bare.setOntology(ex + "bare");
    testsupport::startCapture();
    ASSERT_EQ(manager._add_model("", nullptr, &bare), &bare);
    EXPECT_FALSE(manager.save(nullptr));
    EXPECT_EQ(testsupport::capturedOutput(),
              "LOAD: " + ex +
                  "bare\n"
                  "Exception: RdfCpp::GraphManager::save * Missing connector to save graph: " +
                  ex + "bare\n");

    ConnectorLocal broken("no-such-serializer", dir.path(), "");
    testsupport::startCapture();
    EXPECT_FALSE(manager.save(&broken));
    const std::string output = testsupport::capturedOutput();  // librdf names the serializer first
    const std::string expected = "Exception: RdfCpp::ConnectorLocal::_save * failed to serialize to file " +
                                 dir.file("bare.owl") +
                                 ": the serializer failed\n"
                                 "Exception: RdfCpp::GraphManager::save * Failed to save graph (A): " +
                                 ex + "bare\n";
    ASSERT_GE(output.size(), expected.size());
    EXPECT_EQ(output.substr(output.size() - expected.size()), expected);
    manager.removeGraph(&bare);
}

TEST_F(Manager, GraphsWithoutUriGetGeneratedKeys) {
    Redland::Model first, second;
    testsupport::startCapture();
    manager._add_model("", nullptr, &first);
    manager._add_model("", nullptr, &second);
    EXPECT_EQ(testsupport::capturedOutput(), "LOAD: \nLOAD: \n");
    EXPECT_EQ(keys(), (std::vector<std::string>{"graphId_0", "graphId_1"}));
    EXPECT_TRUE(manager.removeGraph(&first));
    EXPECT_EQ(keys(), std::vector<std::string>{"graphId_1"});
    manager.clear();
}

TEST_F(Manager, RemovingAGraphUnregistersItOnly) {
    put(dir.path(), "list.owl", ontologyXml(ex + "list"));
    Graph* graph = root();
    std::string output;
    Graph* list = import(ex + "list", graph, output);
    ASSERT_TRUE(list);
    EXPECT_TRUE(manager.removeGraph(list));
    EXPECT_EQ(keys(), std::vector<std::string>{ex + "root"});
    EXPECT_EQ(list->getUri(), ex + "list");  // still alive, still owned by the manager
    EXPECT_EQ(manager.getPrefixTable().count(ex + "list#"), 0u);

    testsupport::startCapture();
    EXPECT_FALSE(manager.removeGraph(nullptr));
    EXPECT_EQ(testsupport::capturedOutput(), " Model was NOT removed! - missing rdf model\n");
}

TEST_F(Manager, PrefixesNeedBothParts) {
    const struct {
        std::string namespaceUri, prefix;
        bool ok;
    } cases[] = {
        {ex + "a#", "a", true},
        {ex + "a#", "b", true},  // overwrites
        {ex + "c#", "", false},
        {"", "d", false},
    };
    for (const auto& c : cases) EXPECT_EQ(manager.setPrefix(c.namespaceUri, c.prefix), c.ok) << c.prefix;
    EXPECT_EQ(manager.getPrefixTable(), (std::map<std::string, std::string>{{ex + "a#", "b"}}));
}

TEST_F(Manager, DescriptionsStayValidWhenTheCachesAreEmptied) {
    put(dir.path(), "list.owl", ontologyXml(ex + "list"));
    root();
    const Redland::Node property(ex + "root#size");
    RdfCpp::OntologyProperty* before = manager.getOntologyProperty(property);
    EXPECT_EQ(manager.getOntologyProperty(property), before);
    std::string output;
    ASSERT_TRUE(import(ex + "list", nullptr, output));
    EXPECT_EQ(before->getUriString(), ex + "root#size");  // a caller may still hold it
    EXPECT_EQ(manager.getOntologyProperty(property)->getUriString(), ex + "root#size");
}

TEST_F(Manager, ReadsConfiguration) {
    const struct {
        std::string content;
        bool ok;
        std::string output;
    } cases[] = {
        {"<Other/>", false, "Exception: RdfCpp::GraphManager::_readConfig * error parsing input file\n"},
        {"<Config", false, "Exception: RdfCpp::GraphManager::_readConfig * error loading file\n"},
        {"<Config><RootDataModel path=\"models/root.owl\"/></Config>", true, ""},
    };
    for (const auto& c : cases) {
        put(dir.path(), "config.xml", c.content);
        testsupport::startCapture();
        EXPECT_EQ(manager._readConfig(dir.file("config.xml")), c.ok) << c.content;
        EXPECT_EQ(testsupport::capturedOutput(), c.output) << c.content;
    }
    EXPECT_EQ(manager.getRootDataModelPath(), "models/root.owl");
    testsupport::startCapture();
    EXPECT_FALSE(manager._readConfig(dir.file("absent.xml")));
    EXPECT_EQ(testsupport::capturedOutput(), "Exception: RdfCpp::GraphManager::_readConfig * missing input file\n");
}
