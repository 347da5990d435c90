// The official schemas through our writers: RDF/XML byte for byte as raptor writes the same graph, and
// Turtle and N-Triples files holding exactly the statements of the RDF/XML ones.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <sstream>

#include "../rdf/parsed_triples.h"
#include "cli/conversion_driver.h"
#include "e2e_support.h"
#include "express/parser.h"
#include "rdf/catalog.h"
#include "rdf/model.h"
#include "rdf/rdfxml_writer.h"

namespace fs = boost::filesystem;

namespace {

struct Mode {
    const char* name;
    bool ldwg;  // switches 6, 7, 9 or switch 6 alone
};
const Mode modes[] = {{"ldwg", true}, {"plain", false}};
const char* const schemas[] = {"IFC2X3_TC1.exp", "IFC4_ADD2_TC1.exp"};

// Graph files below folder, relative, sorted.
std::vector<std::string> graphFiles(const std::string& folder, const std::string& extension) {
    std::vector<std::string> files;
    for (fs::recursive_directory_iterator it(folder), end; it != end; ++it)
        if (fs::is_regular_file(it->path()) && it->path().extension() == extension)
            files.push_back(it->path().lexically_relative(folder).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string withExtension(std::string file, const std::string& extension) {
    return fs::path(file).replace_extension(extension).generic_string();
}

// One conversion in this process, into repository, in the format.
void convertInProcess(const std::string& schemaPath, const Mode& mode, const std::string& format,
                      const std::string& repository) {
    ExpressSchema schema;
    testsupport::startCapture();
    const bool parsed = parseExpressSchema(schema, schemaPath);
    testsupport::capturedOutput();
    ASSERT_TRUE(parsed);
    ConversionSettings settings;
    settings.inputFile = schemaPath;
    settings.outputFile = "out.owl";
    settings.ontologyUri = "https://example.org/IFC/" + fs::path(schemaPath).stem().string() + "/OWL";
    settings.repositoryPath = repository;
    settings.listCardinalityExpressions = true;
    settings.adoptLdwgDecisions = mode.ldwg;
    settings.generateExpressOntology = mode.ldwg;
    settings.serializationFormat = format;
    testsupport::startCapture();
    const bool converted = runConversion(schema, settings).succeeded();
    testsupport::capturedOutput();
    ASSERT_TRUE(converted);
}

std::vector<std::string> canonicalFile(const std::string& path, const char* syntax) {
    const parsedtriples::ParseResult parsed = parsedtriples::parse(testsupport::readFile(path), syntax);
    EXPECT_EQ(parsed.errors, 0) << path;
    EXPECT_FALSE(parsed.triples.empty()) << path;
    return parsedtriples::canonicalLines(parsed.triples);
}

class WriterFormats : public testing::Test {
protected:
    void SetUp() override { setenv("SOURCE_DATE_EPOCH", "1700000000", 1); }
    void TearDown() override { unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(WriterFormats, RdfXmlIsWhatRaptorWritesForTheSameGraph) {
    for (const char* name : schemas) {
        const std::string schema = testsupport::sharedSchemaPath(name);
        SKIP_WITHOUT_SHARED(schema);
        for (const Mode& mode : modes) {
            testsupport::TempDir repository;
            convertInProcess(schema, mode, "rdfxml", repository.path());
            const std::vector<std::string> files = graphFiles(repository.path(), ".owl");
            EXPECT_EQ(files.size(), mode.ldwg ? 3u : 1u) << name << " " << mode.name;
            for (const std::string& file : files) {
                Redland::Model model;
                ASSERT_TRUE(model.loadFromFile(repository.file(file))) << file;
                std::string reference;
                ASSERT_TRUE(model.serializeToString(reference, model.getPrefixes(), "rdfxml"));
                std::ostringstream ours;
                RdfCpp::RdfXmlWriter writer(ours);
                ASSERT_TRUE(model.writeStatements(writer, model.getPrefixes()) && writer.finish());
                EXPECT_TRUE(ours.str() == reference) << name << " " << mode.name << " " << file;
            }
        }
    }
}

TEST_F(WriterFormats, TurtleAndNTriplesHoldTheStatementsOfTheRdfXml) {
    for (const char* name : schemas) {
        const std::string schema = testsupport::sharedSchemaPath(name);
        SKIP_WITHOUT_SHARED(schema);
        for (const Mode& mode : modes) {
            testsupport::TempDir rdfxml, turtle, ntriples;
            convertInProcess(schema, mode, "rdfxml", rdfxml.path());
            convertInProcess(schema, mode, "turtle", turtle.path());
            convertInProcess(schema, mode, "ntriples", ntriples.path());
            const std::vector<std::string> files = graphFiles(rdfxml.path(), ".owl");
            std::vector<std::string> ttl, nt;
            for (const std::string& file : files) {
                ttl.push_back(withExtension(file, ".ttl"));
                nt.push_back(withExtension(file, ".nt"));
            }
            EXPECT_EQ(graphFiles(turtle.path(), ".ttl"), ttl) << name << " " << mode.name;
            EXPECT_EQ(graphFiles(ntriples.path(), ".nt"), nt) << name << " " << mode.name;
            EXPECT_TRUE(graphFiles(turtle.path(), ".owl").empty());
            for (size_t i = 0; i < files.size(); ++i) {
                const std::vector<std::string> expected = canonicalFile(rdfxml.file(files[i]), "rdfxml");
                EXPECT_TRUE(canonicalFile(turtle.file(ttl[i]), "turtle") == expected) << ttl[i];
                EXPECT_TRUE(canonicalFile(ntriples.file(nt[i]), "ntriples") == expected) << nt[i];
            }
            if (!mode.ldwg) continue;
            // The schema ontology's catalog maps the vocabulary ontologies to the Turtle files written.
            RdfCpp::Catalog catalog;
            std::string error;
            const std::string schemaFile = withExtension(files.back(), ".ttl");
            ASSERT_TRUE(
                catalog.read(turtle.file((fs::path(schemaFile).parent_path() / "catalog-v001.xml").string()), error))
                << error;
            ASSERT_FALSE(catalog.entries.empty());
            for (const auto& [key, location] : catalog.entries) {
                EXPECT_EQ(fs::path(location).extension(), ".ttl") << key;
                EXPECT_TRUE(fs::exists(fs::path(turtle.file(schemaFile)).parent_path() / location)) << location;
            }
        }
    }
}

// The OWL API loads the Turtle schema ontology with its imports resolved through the catalog, and finds the
// same axioms as in the RDF/XML one.
TEST_F(WriterFormats, OwlApiReadsTheTurtleOntologyAsTheRdfXmlOne) {
    const std::string schema = testsupport::sharedSchemaPath("IFC4_ADD2_TC1.exp");
    SKIP_WITHOUT_SHARED(schema);
    const std::string owlcheck = e2e::owlcheckLauncher();
    if (owlcheck.empty()) GTEST_SKIP() << "owlcheck needs ../shared/tools/owlcheck, java and libowlapi-java";
    testsupport::TempDir rdfxml, turtle;
    convertInProcess(schema, modes[0], "rdfxml", rdfxml.path());
    convertInProcess(schema, modes[0], "turtle", turtle.path());
    auto check = [&](const testsupport::TempDir& repository, const std::string& file) {
        const std::string command = "'" + owlcheck + "' '" + repository.file(file) + "' --axioms '" +
                                    repository.file("axioms.txt") + "' > '" + repository.file("report.txt") + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << testsupport::readFile(repository.file("report.txt"));
        return testsupport::readFile(repository.file("report.txt"));
    };
    const std::string report = check(turtle, "OWL.ttl");
    EXPECT_NE(report.find("format: Turtle"), std::string::npos) << report;
    EXPECT_NE(report.find("imports closure: 3"), std::string::npos) << report;
    EXPECT_NE(report.find("unparsed triples: 0"), std::string::npos) << report;
    check(rdfxml, "OWL.owl");
    const std::string axioms = testsupport::readFile(turtle.file("axioms.txt"));
    EXPECT_GT(axioms.size(), 1000u);
    EXPECT_TRUE(axioms == testsupport::readFile(rdfxml.file("axioms.txt")));
}

}  // namespace
