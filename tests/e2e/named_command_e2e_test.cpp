// The named form, sartell ontology [options] SCHEMA.exp: defaults, where files go, what is printed where.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "e2e_support.h"

using testsupport::readFile;
using testsupport::runSartell;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

using e2e::exampleSchema;

bool has(const TempDir& dir, const std::string& name) {
    const auto files = e2e::listFiles(dir.path());
    return std::find(files.begin(), files.end(), name) != files.end();
}

}  // namespace

TEST(NamedCommand, HelpAndVersionExitZeroOnStandardOutput) {
    for (const char* help : {"--help", "-h"}) {
        auto r = runSartell({"ontology", help});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.output.rfind("Usage: sartell ontology [options] SCHEMA.exp\n", 0), 0u) << r.output;
        for (const char* option : {"--dir", "--uri", "--name", "--rules", "--self-contained", "--fresh-vocabulary",
                                   "--creator", "--format", "--quiet", "--verbose"})
            EXPECT_NE(r.output.find(option), std::string::npos) << option;
        EXPECT_EQ(r.errors, "");
    }
    auto r = runSartell({"ontology", "--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output.rfind("sartell ", 0), 0u);
}

TEST(NamedCommand, DefaultsWriteIntoTheCurrentFolderUnderTheSchemaFileName) {
    TempDir cwd;
    writeFile(cwd.file("example.exp"), readFile(exampleSchema));
    auto r = runSartell({"ontology", "--uri=http://example.org/onto/Example", "example.exp"}, cwd.path());
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.errors, "");
    // One line: the file, the counts, the time.
    EXPECT_EQ(r.output.rfind("Wrote " + cwd.file("example.owl") + ": ", 0), 0u) << r.output;
    EXPECT_NE(r.output.find(" classes, "), std::string::npos);
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1);
    for (const char* name : {"example.owl", "express.owl", "list.owl", "catalog-v001.xml"})
        EXPECT_TRUE(has(cwd, name)) << name;
    EXPECT_TRUE(e2e::rapperParses(cwd.file("example.owl")));
}

TEST(NamedCommand, QuietPrintsNothingAndVerbosePrintsTheReportOnStandardError) {
    TempDir repo, inputs;
    writeFile(inputs.file("example.exp"), readFile(exampleSchema));
    const std::vector<std::string> base = {"ontology", "-d", repo.path() + "/sub/folder", "--uri",
                                           "http://example.org/onto/Example"};
    auto args = base;
    args.insert(args.end(), {"-q", inputs.file("example.exp")});
    auto quiet = runSartell(args);
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.output + quiet.errors, "");
    args = base;
    args.insert(args.end(), {"--verbose", "--", inputs.file("example.exp")});
    auto verbose = runSartell(args);
    EXPECT_EQ(verbose.status, 0);
    EXPECT_NE(verbose.errors.find("- N.Errors: 0\n"), std::string::npos) << verbose.errors;
    EXPECT_NE(verbose.errors.find("2. Output OWL file: example.owl\n"), std::string::npos) << verbose.errors;
    EXPECT_EQ(verbose.output.rfind("Wrote " + repo.path() + "/sub/folder/example.owl: ", 0), 0u) << verbose.output;
}

TEST(NamedCommand, IfcReleaseFileNamesGiveThePublishedIris) {
    const struct {
        const char* file;
        const char* iri;
    } cases[] = {
        {"IFC4_ADD2_TC1.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL"},
        {"IFC2X3_TC1.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC2X3/TC1/OWL"},
        {"IFC4.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC4/OWL"},
        {"IFC4X3_ADD2.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC4X3/ADD2/OWL"},
    };
    for (const auto& c : cases) {
        TempDir cwd;
        writeFile(cwd.file(c.file), readFile(exampleSchema));
        auto r = runSartell({"ontology", "-v", c.file}, cwd.path());
        EXPECT_EQ(r.status, 0) << r.errors;
        EXPECT_NE(r.errors.find(std::string("3. Ontology URI: ") + c.iri + "\n"), std::string::npos) << r.errors;
        const std::string owl = std::string(c.file).substr(0, std::string(c.file).size() - 4) + ".owl";
        EXPECT_TRUE(has(cwd, owl)) << owl;
    }
    // Both published IFC ontologies live side by side in one repository.
    TempDir cwd;
    for (const char* file : {"IFC4_ADD2_TC1.exp", "IFC2X3_TC1.exp"}) {
        writeFile(cwd.file(file), readFile(exampleSchema));
        EXPECT_EQ(runSartell({"ontology", "-q", "--rules", file}, cwd.path()).status, 0) << file;
    }
    for (const char* name : {"IFC4_ADD2_TC1.owl", "IFC4_ADD2_TC1_rules.owl", "IFC2X3_TC1.owl", "IFC2X3_TC1_rules.owl"})
        EXPECT_TRUE(has(cwd, name)) << name;
}

TEST(NamedCommand, ConvertingAgainIntoTheSameRepositorySucceeds) {
    TempDir cwd;
    writeFile(cwd.file("example.exp"), readFile(exampleSchema));
    const std::vector<std::string> args = {"ontology", "-q",         "--uri", "http://example.org/onto/Example",
                                           "--rules",  "example.exp"};
    EXPECT_EQ(runSartell(args, cwd.path()).status, 0);
    auto again = runSartell(args, cwd.path());
    EXPECT_EQ(again.status, 0) << again.errors;
    EXPECT_EQ(again.errors, "");
}

TEST(NamedCommand, ConcurrentRunsKeepEveryCatalogEntry) {
    TempDir repo, inputs;
    const int runs = 4;
    for (int i = 0; i < runs; ++i) writeFile(inputs.file("s" + std::to_string(i) + ".exp"), readFile(exampleSchema));
    std::string command;
    for (int i = 0; i < runs; ++i) {
        const std::string n = std::to_string(i);
        command += std::string("'") + SARTELL_BINARY + "' ontology -q --self-contained --rules -d '" + repo.path() +
                   "' --uri https://example.org/ifc/S" + n + " '" + inputs.file("s" + n + ".exp") + "' & ";
    }
    command += "wait";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string catalog = readFile(repo.file("catalog-v001.xml"));
    for (int i = 0; i < runs; ++i)
        EXPECT_NE(catalog.find("name=\"https://example.org/ifc/S" + std::to_string(i) + "\" uri=\"s" +
                               std::to_string(i) + ".owl\""),
                  std::string::npos)
            << catalog;
}

TEST(NamedCommand, OldMacLineEndsAndJoinedDeclarationsGiveTheSameOntology) {
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const std::string schema = readFile(exampleSchema);
    std::string crOnly = schema, joined = schema;
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    // Each END_ENTITY; and END_TYPE; shares its line with the declaration after it.
    for (const std::string end : {"END_ENTITY;\n", "END_TYPE;\n"}) {
        for (std::string::size_type at = joined.find(end); at != std::string::npos; at = joined.find(end, at))
            joined[at + end.size() - 1] = ' ';
    }
    std::map<std::string, std::string> written;
    for (const auto& variant :
         {std::make_pair("lf", schema), std::make_pair("cr", crOnly), std::make_pair("joined", joined)}) {
        TempDir cwd;
        writeFile(cwd.file("example.exp"), variant.second);
        auto r = runSartell({"ontology", "-q", "--uri", "http://example.org/onto/Example", "example.exp"}, cwd.path());
        EXPECT_EQ(r.status, 0) << variant.first << r.errors;
        written[variant.first] = readFile(cwd.file("example.owl"));
    }
    EXPECT_EQ(written["cr"], written["lf"]);
    EXPECT_EQ(written["joined"], written["lf"]);
}
