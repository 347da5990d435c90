#include "rdf/connector_local.h"

#include <gtest/gtest.h>

#include <boost/filesystem/operations.hpp>

#include "rdf/application_directory.h"
#include "rdf/catalog.h"
#include "rdf/file_naming.h"
#include "rdf/graph_local.h"
#include "rdf/model.h"
#include "rdf/vocabulary.h"
#include "repository_fixture.h"
#include "test_support.h"

using namespace repositoryfixture;
using RdfCpp::ConnectorLocal;
using RdfCpp::Graph;
using RdfCpp::GraphLocal;
using Redland::Node;

namespace {

const std::string owlNs = "http://www.w3.org/2002/07/owl#";

class Repository : public ::testing::Test {
protected:
    testsupport::TempDir dir;
    ConnectorLocal connector{"rdfxml", dir.path(), "Tbox"};

    std::unique_ptr<Graph> create(const std::string& uri) {
        auto graph = connector.createGraph(uri);
        if (graph) graph->setOntology(uri);
        return graph;
    }
    static std::string pathOf(const std::unique_ptr<Graph>& graph) {
        auto* local = dynamic_cast<GraphLocal*>(graph.get());
        return local ? local->getPath() : "<not local>";
    }
    void writeConfig(const std::string& localRepoAttributes) {
        put(dir.path(), "config.xml", "<Config><LocalRepo " + localRepoAttributes + "/></Config>");
    }
};

}  // namespace

TEST(UriFileStem, TakesTheLastPathElementWithoutExtension) {
    const struct {
        std::string uri, stem;
    } cases[] = {
        {"http://example.org/IFC4", "IFC4"},
        {"http://example.org/IFC4#", "IFC4"},
        {"http://example.org/onto/IFC4.owl", "IFC4"},
        {"http://example.org/ns/IFC4/", "IFC4"},
        {"express", "express"},
        {"", ""},
        {"http://example.org/..", ""},
        {"#", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(RdfCpp::uriFileStem(c.uri), c.stem) << c.uri;
}

TEST(ApplicationDirectory, IsTheFolderOfTheRunningProgram) {
    const std::string path = applicationPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.substr(path.rfind('/') + 1), "test_rdf_connector_local_test");
    EXPECT_EQ(applicationDirectory(), path.substr(0, path.rfind('/')));
}

TEST_F(Repository, FolderIsAnchoredAtTheProgramFolder) {
    EXPECT_EQ(connector.getRepositoryFolder(), dir.path());
    EXPECT_EQ(ConnectorLocal("rdfxml", "", "").getRepositoryFolder(), applicationDirectory());

    const std::string relative = "h3-relative-repository-" + std::to_string(getpid());
    const std::string expected = applicationDirectory() + "/" + relative;
    ConnectorLocal relativeConnector("rdfxml", relative, "");
    EXPECT_EQ(relativeConnector.getRepositoryFolder(), expected);
    EXPECT_TRUE(boost::filesystem::is_directory(expected));
    boost::filesystem::remove_all(expected);
}

TEST_F(Repository, MissingFolderIsCreatedAndAnUnusableOneIsReported) {
    ConnectorLocal nested("rdfxml", dir.file("a/b/c"), "");
    EXPECT_TRUE(boost::filesystem::is_directory(dir.file("a/b/c")));

    put(dir.path(), "occupied", "a file where the folder should be");
    testsupport::startCapture();
    ConnectorLocal blocked("rdfxml", dir.file("occupied/repo"), "");
    auto graph = blocked.createGraph("http://example.org/IFC4");
    ASSERT_TRUE(graph);
    graph->setOntology("http://example.org/IFC4");
    const bool saved = blocked._save(graph.get(), {}, {});
    const std::string output = testsupport::capturedOutput();
    EXPECT_FALSE(saved);
    EXPECT_EQ(
        output.rfind("Exception: RdfCpp::ConnectorLocal::ConnectorLocal * cannot create the repository folder ", 0), 0u)
        << output;
    EXPECT_NE(output.find("Exception: RdfCpp::ConnectorLocal::_save * cannot create the folder "), std::string::npos)
        << output;
}

TEST_F(Repository, NewGraphsAreNamedAfterTheUri) {
    EXPECT_EQ(pathOf(connector.createGraph("http://example.org/IFC4")), "IFC4.owl");
    EXPECT_EQ(pathOf(connector.createGraph("http://example.org/IFC4#")), "IFC4.owl");
    EXPECT_FALSE(connector.createGraph(""));
    EXPECT_FALSE(connector.createGraph("#"));

    writeConfig("path=\"" + dir.path() + "\" inSubfolder=\"1\"");
    ASSERT_TRUE(connector._readConfig(dir.file("config.xml")));
    EXPECT_EQ(pathOf(connector.createGraph("http://example.org/IFC4")), "IFC4/IFC4.owl");
}

TEST_F(Repository, SavedFileNamesFollowTheGraphKind) {
    // A repository graph keeps its path even when it holds classes.
    auto local = create("http://example.org/IFC4");
    local->addTriple(Node("http://example.org/IFC4#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    ASSERT_TRUE(connector._save(local.get(), {}, {}));
    EXPECT_TRUE(exists(dir.path(), "IFC4.owl"));

    // A plain model with classes goes to the T-box folder; without classes to the repository folder.
    Redland::Model tbox;
    tbox.setOntology("http://example.org/IFC4#");
    tbox.addTriple(Node("http://example.org/IFC4#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    ASSERT_TRUE(connector._save(&tbox, {}, {}));
    EXPECT_TRUE(exists(dir.path(), "Tbox/IFC4.owl"));
    EXPECT_TRUE(exists(dir.path(), "Tbox/catalog-v001.xml"));

    Redland::Model abox;
    abox.setOntology("http://example.org/data");
    ASSERT_TRUE(connector._save(&abox, {}, {}));
    EXPECT_TRUE(exists(dir.path(), "data.owl"));

    // The saved file is a complete ontology that loads back.
    auto reloaded = connector.loadGraph("Tbox/IFC4.owl");
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->getUri(), "http://example.org/IFC4#");
}

TEST_F(Repository, CatalogMapsImportsAndKeepsOtherEntries) {
    put(dir.path(), "catalog-v001.xml",
        "<?xml version=\"1.0\"?><catalog><uri name=\"http://example.org/kept\" uri=\"kept.owl\"/></catalog>");
    auto root = create("http://example.org/root");
    auto first = create("http://example.org/list");
    auto second = create("http://example.org/express?a=1&b=2");
    ASSERT_TRUE(connector._save(root.get(), {root.get(), second.get(), first.get()}, {}));

    RdfCpp::Catalog catalog;
    std::string error;
    ASSERT_TRUE(catalog.read(dir.file("catalog-v001.xml"), error)) << error;
    EXPECT_EQ(catalog.entries, (std::map<std::string, std::string>{
                                   {"file:express?a=1&b=2.owl", "express?a=1&b=2.owl"},
                                   {"file:list.owl", "list.owl"},
                                   {"http://example.org/express?a=1&b=2", "express?a=1&b=2.owl"},
                                   {"http://example.org/kept", "kept.owl"},
                                   {"http://example.org/list", "list.owl"},
                               }));
    EXPECT_NE(read(dir.path(), "catalog-v001.xml").find("name=\"http://example.org/express?a=1&amp;b=2\""),
              std::string::npos);
}

TEST_F(Repository, CatalogPathsAreRelativeToTheSavedFile) {
    Redland::Model tbox;
    tbox.setOntology("http://example.org/schema");
    tbox.addTriple(Node("http://example.org/schema#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    auto vocabulary = create("http://example.org/express");
    ASSERT_TRUE(connector._save(&tbox, {&tbox, vocabulary.get()}, {}));
    EXPECT_NE(read(dir.path(), "Tbox/catalog-v001.xml").find("name=\"file:express.owl\" uri=\"../express.owl\""),
              std::string::npos)
        << read(dir.path(), "Tbox/catalog-v001.xml");
}

TEST_F(Repository, UnparsableCatalogIsReportedAndWrittenAnew) {
    put(dir.path(), "catalog-v001.xml", "<catalog><uri");
    auto root = create("http://example.org/root");
    testsupport::startCapture();
    EXPECT_TRUE(connector._save(root.get(), {}, {}));
    const std::string output = testsupport::capturedOutput();
    EXPECT_NE(output.find("catalog-v001.xml"), std::string::npos) << output;
    RdfCpp::Catalog catalog;
    std::string error;
    EXPECT_TRUE(catalog.read(dir.file("catalog-v001.xml"), error)) << error;
}

TEST_F(Repository, UnmodifiedGraphOfThisRepositoryIsNotWrittenAgain) {
    const std::string original = ontologyXml("http://example.org/stored");
    put(dir.path(), "stored.owl", original);
    auto graph = connector.loadGraph("http://example.org/stored");
    ASSERT_TRUE(graph);
    EXPECT_FALSE(graph->isModified());
    ConnectorLocal sameFolder("rdfxml", dir.path(), "Tbox");
    EXPECT_TRUE(sameFolder._save(graph.get(), {graph.get()}, {}));
    EXPECT_EQ(read(dir.path(), "stored.owl"), original);
    EXPECT_FALSE(exists(dir.path(), "catalog-v001.xml"));

    // Once changed it is written.
    graph->addTriple(Node("http://example.org/stored#A"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    EXPECT_TRUE(connector._save(graph.get(), {}, {}));
    EXPECT_NE(read(dir.path(), "stored.owl"), original);
    EXPECT_TRUE(exists(dir.path(), "catalog-v001.xml"));
}

TEST_F(Repository, FailedSerializationKeepsTheOldFile) {
    put(dir.path(), "IFC4.owl", "previous content");
    ConnectorLocal broken("no-such-serializer", dir.path(), "");
    auto graph = broken.createGraph("http://example.org/IFC4");
    graph->setOntology("http://example.org/IFC4");
    testsupport::startCapture();
    const bool saved = broken._save(graph.get(), {}, {});
    const std::string output = testsupport::capturedOutput();
    EXPECT_FALSE(saved);
    EXPECT_NE(output.find("Exception: RdfCpp::ConnectorLocal::_save * failed to serialize to file " +
                          dir.file("IFC4.owl") + ": the serializer failed\n"),
              std::string::npos)
        << output;
    EXPECT_EQ(read(dir.path(), "IFC4.owl"), "previous content");
    EXPECT_EQ(listing(dir.path()), std::vector<std::string>{"IFC4.owl"});
}

TEST_F(Repository, SaveRefusesWhatCannotBeNamed) {
    Redland::Model nameless;
    const struct {
        Graph* graph;
        const char* message;
    } cases[] = {
        {nullptr, "Exception: RdfCpp::ConnectorLocal::_save * missing graph to be saved\n"},
        {&nameless, "Exception: RdfCpp::ConnectorLocal::_save * missing graph name to be saved\n"},
    };
    for (const auto& c : cases) {
        testsupport::startCapture();
        EXPECT_FALSE(connector._save(c.graph, {}, {}));
        EXPECT_EQ(testsupport::capturedOutput(), c.message);
    }
    // An imported graph without a name leaves the catalog as it was.
    auto root = create("http://example.org/root");
    testsupport::startCapture();
    EXPECT_FALSE(connector._save(root.get(), {root.get(), &nameless}, {}));
    EXPECT_EQ(testsupport::capturedOutput(),
              "Exception: RdfCpp::ConnectorLocal::_save * missing graph name to be saved\n");
    EXPECT_FALSE(exists(dir.path(), "catalog-v001.xml"));
}

TEST_F(Repository, ListsGraphFilesShallowestFirst) {
    put(dir.path(), "averylongfoldername/X.owl", "");
    put(dir.path(), "a/b/X.owl", "");
    put(dir.path(), "b.RDF", "");
    put(dir.path(), "a/c.Owl", "");
    put(dir.path(), "a.owl", "");
    put(dir.path(), "d.ttl", "");
    put(dir.path(), "e.NT", "");
    put(dir.path(), "notes.txt", "");
    put(dir.path(), "catalog-v001.xml", "");
    std::vector<std::string> files;
    ASSERT_TRUE(connector.getLocalModelList(files));
    EXPECT_EQ(files, (std::vector<std::string>{"a.owl", "b.RDF", "d.ttl", "e.NT", "a/c.Owl",
                                               "averylongfoldername/X.owl", "a/b/X.owl"}));
}

TEST_F(Repository, LoadsByPathByStemAndByUri) {
    put(dir.path(), "a/b/X.owl", ontologyXml("http://example.org/deep/X"));
    put(dir.path(), "averylongfoldername/X.owl", ontologyXml("http://example.org/shallow/X"));
    put(dir.path(), "other.owl", ontologyXml("http://example.org/renamed"));

    const struct {
        std::string request, path, uri;
    } cases[] = {
        {"a/b/X.owl", "a/b/X.owl", "http://example.org/deep/X"},
        {"http://example.org/anything/X", "averylongfoldername/X.owl", "http://example.org/shallow/X"},
        {"X", "averylongfoldername/X.owl", "http://example.org/shallow/X"},
        {"http://example.org/renamed", "other.owl", "http://example.org/renamed"},
    };
    for (const auto& c : cases) {
        auto graph = connector.loadGraph(c.request);
        ASSERT_TRUE(graph) << c.request;
        EXPECT_EQ(pathOf(graph), c.path) << c.request;
        EXPECT_EQ(graph->getUri(), c.uri) << c.request;
        EXPECT_EQ(graph->getConnector(), &connector);
    }
    EXPECT_FALSE(connector.loadGraph("http://example.org/nowhere"));
    EXPECT_FALSE(connector.loadGraph(""));
}

TEST_F(Repository, UnparsableFilesAreReportedAndSkipped) {
    put(dir.path(), "X.owl", "this is not RDF <<<");
    put(dir.path(), "sub/X.owl", ontologyXml("http://example.org/X"));
    testsupport::startCapture();
    auto graph = connector.loadGraph("http://example.org/X");
    const std::string output = testsupport::capturedOutput();
    ASSERT_TRUE(graph);
    EXPECT_EQ(pathOf(graph), "sub/X.owl");
    EXPECT_NE(output.find("could NOT be loaded"), std::string::npos) << output;
}

TEST_F(Repository, ListingIsRefreshedAfterASave) {
    EXPECT_FALSE(connector.loadGraph("http://example.org/missing"));
    auto graph = create("http://example.org/later");
    ASSERT_TRUE(connector._save(graph.get(), {}, {}));
    auto loaded = connector.loadGraph("later");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->getUri(), "http://example.org/later");
}

TEST_F(Repository, ReadsConfiguration) {
    const struct {
        std::string content;
        bool ok;
        std::string output;
    } cases[] = {
        {"<Other/>", false, "Exception: RdfCpp::ConnectorLocal::_readConfig * error parsing input file\n"},
        {"<Config><LocalRepo path=", false, "Exception: RdfCpp::ConnectorLocal::_readConfig * error loading file\n"},
        {"<Config/>", true, ""},
    };
    for (const auto& c : cases) {
        put(dir.path(), "config.xml", c.content);
        testsupport::startCapture();
        EXPECT_EQ(connector._readConfig(dir.file("config.xml")), c.ok) << c.content;
        EXPECT_EQ(testsupport::capturedOutput(), c.output) << c.content;
    }
    EXPECT_EQ(connector.getRepositoryPath(), "");  // no LocalRepo

    testsupport::startCapture();
    EXPECT_FALSE(connector._readConfig(dir.file("absent.xml")));
    EXPECT_EQ(testsupport::capturedOutput(), "Exception: RdfCpp::ConnectorLocal::_readConfig * missing input file\n");

    writeConfig("path=\"" + dir.path() + "\" serFormat=\"turtle\" inSubfolder=\"true\" TboxFolder=\"T\"");
    ASSERT_TRUE(connector._readConfig(dir.file("config.xml")));
    EXPECT_EQ(connector.getRepositoryPath(), dir.path());
    Redland::Model tbox;
    tbox.setOntology("http://example.org/schema");
    tbox.addTriple(Node("http://example.org/schema#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    ASSERT_TRUE(connector._save(&tbox, {}, {}));
    EXPECT_EQ(read(dir.path(), "T/schema.ttl").find("<?xml"), std::string::npos);  // Turtle, not RDF/XML
    EXPECT_EQ(pathOf(connector.createGraph("http://example.org/n")), "n/n.ttl");
}

TEST_F(Repository, SameRepositoryMeansTheSamePath) {
    ConnectorLocal same("turtle", dir.path(), "");
    ConnectorLocal other("rdfxml", dir.file("other"), "Tbox");
    EXPECT_TRUE(connector.isSameRepository(&same));
    EXPECT_FALSE(connector.isSameRepository(&other));
    EXPECT_FALSE(connector.isSameRepository(nullptr));
}

TEST_F(Repository, QueryRowsAccumulateOverGraphs) {
    auto a = create("http://example.org/a");
    auto b = create("http://example.org/b");
    RdfCpp::SparqlQuery query;
    query.select = {"?o"};
    query.patterns = {"?o <http://www.w3.org/1999/02/22-rdf-syntax-ns#type> <" + owlNs + "Ontology>"};
    ASSERT_TRUE(connector.queryGraphs(query, {b.get(), a.get()}, {a.get()}, true));
    ASSERT_EQ(query.results.size(), 2u);
    EXPECT_EQ(query.results[0]["o"].getUriString(), "http://example.org/a");
    EXPECT_EQ(query.results[1]["o"].getUriString(), "http://example.org/b");

    ASSERT_TRUE(connector.query(query, b.get(), false));
    EXPECT_EQ(query.results.size(), 3u);
    ASSERT_TRUE(connector.query(query, b.get(), true));
    EXPECT_EQ(query.results.size(), 1u);
}

TEST_F(Repository, RenamingAGraphRenamesItsFile) {
    writeConfig("path=\"" + dir.path() + "\" inSubfolder=\"1\"");
    ASSERT_TRUE(connector._readConfig(dir.file("config.xml")));
    auto graph = create("http://example.org/IFC4");
    ASSERT_TRUE(graph->setUri("http://example.org/IFC2X3"));
    EXPECT_EQ(pathOf(graph), "IFC2X3/IFC2X3.owl");
    EXPECT_EQ(dynamic_cast<GraphLocal*>(graph.get())->getFileName(), "IFC2X3.owl");

    // Whole names only: a short name inside other folder names stays.
    GraphLocal shortName("data/a.owl", &connector, true);
    shortName.setOntology("http://example.org/a");
    ASSERT_TRUE(shortName.setUri("http://example.org/b"));
    EXPECT_EQ(shortName.getPath(), "data/b.owl");
    EXPECT_FALSE(shortName.setUri(""));
    EXPECT_EQ(shortName.getPath(), "data/b.owl");
}
