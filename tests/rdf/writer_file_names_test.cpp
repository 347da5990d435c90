// Files named after the format they are written in, and catalogs that name the files actually written.
#include <gtest/gtest.h>

#include "parsed_triples.h"
#include "rdf/catalog.h"
#include "rdf/connector_local.h"
#include "rdf/file_naming.h"
#include "rdf/graph_local.h"
#include "rdf/vocabulary.h"
#include "repository_fixture.h"
#include "test_support.h"

using namespace repositoryfixture;
using RdfCpp::ConnectorLocal;
using Redland::Node;

namespace {

TEST(FormatExtension, ReplacesOnlyTheExtensionOfAnotherFormatsGraphFile) {
    const struct {
        const char *path, *format, *result;
    } cases[] = {
        {"IFC4.owl", "rdfxml", "IFC4.owl"},
        {"IFC4.owl", "turtle", "IFC4.ttl"},
        {"IFC4.owl", "ntriples", "IFC4.nt"},
        {"a/IFC4.RDF", "rdfxml", "a/IFC4.RDF"},
        {"a/IFC4.RDF", "turtle", "a/IFC4.ttl"},
        {"IFC4.ttl", "rdfxml", "IFC4.owl"},
        {"IFC4.nt", "turtle", "IFC4.ttl"},
        {"IFC4.ttl", "rdfxml-abbrev", "IFC4.owl"},
        {"IFC4.txt", "turtle", "IFC4.txt"},
        {"IFC4", "turtle", "IFC4"},
        {"v1.2/IFC4.owl", "turtle", "v1.2/IFC4.ttl"},
        {"", "turtle", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RdfCpp::withFormatExtension(c.path, c.format), c.result) << c.path << " " << c.format;
}

TEST(FormatFiles, ATurtleRepositoryWritesTtlAndCatalogsTheFilesWritten) {
    testsupport::TempDir dir;
    put(dir.path(), "base.owl", ontologyXml("http://example.org/base"));
    ConnectorLocal connector("turtle", dir.path(), "");
    auto base = connector.loadGraph("http://example.org/base");  // unchanged: stays in base.owl
    auto vocabulary = connector.createGraph("http://example.org/vocab");
    auto root = connector.createGraph("http://example.org/root");
    ASSERT_TRUE(base && vocabulary && root);
    vocabulary->setOntology("http://example.org/vocab");
    root->setOntology("http://example.org/root");
    root->addTriple(Node("http://example.org/root#Wall"), Vocabulary::rdf_type, Vocabulary::owl_Class);
    EXPECT_EQ(dynamic_cast<RdfCpp::GraphLocal&>(*root).getPath(), "root.ttl");

    ASSERT_TRUE(connector._save(root.get(), {root.get(), base.get(), vocabulary.get()}, {}));
    ASSERT_TRUE(connector._save(vocabulary.get(), {}, {}));
    RdfCpp::Catalog catalog;
    std::string error;
    ASSERT_TRUE(catalog.read(dir.file("catalog-v001.xml"), error)) << error;
    EXPECT_EQ(catalog.entries, (std::map<std::string, std::string>{{"file:base.owl", "base.owl"},
                                                                   {"file:vocab.ttl", "vocab.ttl"},
                                                                   {"http://example.org/base", "base.owl"},
                                                                   {"http://example.org/vocab", "vocab.ttl"}}));
    const parsedtriples::ParseResult parsed = parsedtriples::parse(read(dir.path(), "root.ttl"), "turtle");
    EXPECT_EQ(parsed.errors, 0);
    EXPECT_GE(parsed.triples.size(), 3u);
    EXPECT_FALSE(exists(dir.path(), "root.owl"));

    // A later run finds the Turtle files by URI.
    ConnectorLocal again("rdfxml", dir.path(), "");
    auto found = again.loadGraph("http://example.org/root");
    ASSERT_TRUE(found);
    EXPECT_EQ(dynamic_cast<RdfCpp::GraphLocal&>(*found).getPath(), "root.ttl");
}

// Raptor drops characters XML 1.0 cannot hold and reports success; our save fails and keeps the old file.
TEST(FormatFiles, AGraphRdfXmlCannotHoldIsNotSavedAndTheOldFileStays) {
    testsupport::TempDir dir;
    ConnectorLocal connector("rdfxml", dir.path(), "");
    auto graph = connector.createGraph("http://example.org/odd");
    ASSERT_TRUE(graph && graph->setOntology("http://example.org/odd"));
    ASSERT_TRUE(connector._save(graph.get(), {}, {}));
    const std::string saved = read(dir.path(), "odd.owl");
    ASSERT_NE(saved.find("<rdf:RDF"), std::string::npos);
    graph->addTriple(Node("http://example.org/odd#x"), Vocabulary::rdfs_label,
                     Node::literal(std::string("bell\x07", 5)));
    testsupport::startCapture();
    EXPECT_FALSE(connector._save(graph.get(), {}, {}));
    EXPECT_EQ(testsupport::capturedOutput(), "Exception: RdfCpp::ConnectorLocal::_save * failed to serialize to file " +
                                                 dir.file("odd.owl") + ": the serializer failed\n");
    EXPECT_EQ(read(dir.path(), "odd.owl"), saved);
    // The same graph holds as Turtle, escaped.
    ConnectorLocal turtle("turtle", dir.path(), "");
    EXPECT_TRUE(turtle._save(graph.get(), {}, {}));
    EXPECT_NE(read(dir.path(), "odd.ttl").find("\"bell\\u0007\""), std::string::npos);
}

TEST(FormatFiles, AnNTriplesRepositoryIsReadBackByUri) {
    testsupport::TempDir dir;
    ConnectorLocal connector("ntriples", dir.path(), "");
    auto graph = connector.createGraph("http://example.org/flat");
    ASSERT_TRUE(graph && graph->setOntology("http://example.org/flat"));
    graph->addTriple(Node("http://example.org/flat#x"), Vocabulary::rdfs_label,
                     Node::typedLiteral("3", "http://www.w3.org/2001/XMLSchema#integer"));
    ASSERT_TRUE(connector._save(graph.get(), {}, {}));
    ASSERT_TRUE(exists(dir.path(), "flat.nt"));
    testsupport::startCapture();
    auto found = ConnectorLocal("rdfxml", dir.path(), "").loadGraph("http://example.org/flat");
    EXPECT_EQ(testsupport::capturedOutput(), "");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->countStatements(), graph->countStatements());
}

}  // namespace
