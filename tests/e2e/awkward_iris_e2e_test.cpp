// Ontology IRIs that once gave RDF/XML no parser accepts: every one now gives files raptor parses and the
// OWL API loads with all imports resolved through the catalog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "e2e_support.h"

using testsupport::readFile;
using testsupport::runSartell;
using testsupport::TempDir;

namespace {

using e2e::exampleSchema;
const std::string owlcheck = e2e::owlcheckLauncher();

const char* const awkwardIris[] = {
    "http://example.org/onto#",   "http://example.org/onto/",    "http://example.org/IFC2X3/2x3",
    "urn:example:building:model", "http://example.org/a&b/Onto", "http://example.org/caf\xc3\xa9/B\xc3\xa2timent",
    "https://example.org/owl",    "http://example.org/xmlish",   "http://example.org/q?x=1",
};

struct Converted {
    std::string iri;
    std::unique_ptr<TempDir> repo;
    testsupport::RunResult run;
};

// Each IRI converted into a repository of its own, the ontology written as onto.owl.
std::vector<Converted>& conversions() {
    static std::vector<Converted> all = [] {
        std::vector<Converted> result;
        TempDir inputs;
        testsupport::writeFile(inputs.file("example.exp"), readFile(exampleSchema));
        for (const char* iri : awkwardIris) {
            Converted c{iri, std::make_unique<TempDir>(), {}};
            c.run = runSartell({"ontology", "-q", "-d", c.repo->path(), "--uri", iri, "--name", "onto.owl",
                                inputs.file("example.exp")});
            result.push_back(std::move(c));
        }
        return result;
    }();
    return all;
}

std::string commandOutput(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    pclose(pipe);
    return out;
}

}  // namespace

TEST(AwkwardIris, EveryOutputParsesWithRaptor) {
    for (const Converted& c : conversions()) {
        SCOPED_TRACE(c.iri);
        ASSERT_EQ(c.run.status, 0) << c.run.errors;
        for (const char* file : {"onto.owl", "express.owl", "list.owl"})
            EXPECT_TRUE(e2e::rapperParses(c.repo->file(file))) << file;
        // The terms' namespace ends in exactly one "#".
        EXPECT_EQ(readFile(c.repo->file("onto.owl")).find("##"), std::string::npos);
    }
}

TEST(AwkwardIris, EveryOntologyLoadsInTheOwlApiWithItsImports) {
    if (owlcheck.empty()) GTEST_SKIP() << "owlcheck needs ../shared/tools/owlcheck, java and libowlapi-java";
    for (const Converted& c : conversions()) {
        SCOPED_TRACE(c.iri);
        ASSERT_EQ(c.run.status, 0) << c.run.errors;
        const std::string report = commandOutput("'" + owlcheck + "' '" + c.repo->file("onto.owl") + "' --catalog '" +
                                                 c.repo->path() + "' 2>/dev/null");
        EXPECT_EQ(report.find("load failed"), std::string::npos) << report;
        EXPECT_EQ(report.find("missing import"), std::string::npos) << report;
        EXPECT_NE(report.find("imports closure: 3"), std::string::npos) << report;
    }
}
