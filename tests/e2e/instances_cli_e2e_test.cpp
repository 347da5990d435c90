// `sartell instances` as users run it: options, exit statuses, output files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "e2e_support.h"
#include "rdf/parsed_triples.h"
#include "test_support.h"

using testsupport::runSartell;
using testsupport::TempDir;

namespace {

const std::string schema = testsupport::fixturePath("ifc/mini_schema.exp");
const std::string model = testsupport::fixturePath("ifc/mini.ifc");
// The fixture schema is not named after an IFC release, so it has no default ontology IRI.
const std::string schemaIri = "https://example.org/mini/OWL";

TEST(InstancesCommand, PrintsItsUsageOnHelp) {
    for (const char* flag : {"-h", "--help"}) {
        auto run = runSartell({"instances", flag});
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.output.find("Usage: sartell instances [options] MODEL.ifc"), std::string::npos);
        EXPECT_NE(run.output.find("--base IRI"), std::string::npos);
    }
}

TEST(InstancesCommand, EndsUsageErrorsWithStatusTwoAndNoOutput) {
    const std::vector<std::vector<std::string>> cases = {
        {"instances"},
        {"instances", model},
        {"instances", "--schema", schema, "--format", "xml", model},
        {"instances", "--schema", schema, "--nonsense", model},
        {"instances", "--schema", schema, model},
    };
    for (const auto& args : cases) {
        TempDir cwd;
        auto run = runSartell(args, cwd.path());
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_NE(run.errors.find("sartell instances: "), std::string::npos);
        EXPECT_TRUE(e2e::listFiles(cwd.path()).empty());
    }
}

TEST(InstancesCommand, WritesTurtleNamedAfterTheModelInTheCurrentFolder) {
    TempDir cwd;
    auto run = runSartell({"instances", "--schema", schema, "--uri", schemaIri, model}, cwd.path());
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(e2e::listFiles(cwd.path()), std::vector<std::string>{"mini.ttl"});
    const auto parsed = parsedtriples::parse(testsupport::readFile(cwd.file("mini.ttl")), "turtle");
    EXPECT_EQ(parsed.errors, 0);
    EXPECT_GT(parsed.triples.size(), 50u);
    EXPECT_NE(run.errors.find("7 instances written to mini.ttl, 0 messages"), std::string::npos) << run.errors;
}

TEST(InstancesCommand, WritesNTriplesForAnNtFileOrOnRequestAndToStandardOutput) {
    TempDir cwd;
    auto nt =
        runSartell({"instances", "-q", "--schema", schema, "--uri", schemaIri, "-o", "data.nt", model}, cwd.path());
    EXPECT_EQ(nt.status, 0);
    EXPECT_TRUE(nt.errors.empty()) << nt.errors;
    const std::string text = testsupport::readFile(cwd.file("data.nt"));
    EXPECT_EQ(text.find("@prefix"), std::string::npos);
    EXPECT_EQ(parsedtriples::parse(text, "ntriples").errors, 0);

    auto out = runSartell(
        {"instances", "--format", "ntriples", "--schema", schema, "--uri", schemaIri, "-o", "-", model}, cwd.path());
    EXPECT_EQ(out.status, 0);
    EXPECT_EQ(out.output, text);
    EXPECT_EQ(e2e::listFiles(cwd.path()), std::vector<std::string>{"data.nt"});
}

TEST(InstancesCommand, UsesTheGivenSchemaOntologyAndBase) {
    TempDir cwd;
    auto run = runSartell({"instances", "--schema", schema, "--uri", "https://example.org/S", "--base",
                           "https://example.org/d/", "-o", "-", "--format", "ntriples", model},
                          cwd.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(
        run.output.find("<https://example.org/d/> <http://www.w3.org/2002/07/owl#imports> <https://example.org/S>"),
        std::string::npos);
    EXPECT_NE(run.output.find("<https://example.org/d/MiWall_1> <http://www.w3.org/1999/02/22-rdf-syntax-ns#type> "
                              "<https://example.org/S#MiWall>"),
              std::string::npos);
}

TEST(InstancesCommand, RefusesAModelOfAnotherSchemaUnlessForced) {
    TempDir cwd;
    const std::string other = testsupport::fixturePath("ifc/small_ifc4.ifc");
    auto refused = runSartell({"instances", "--schema", schema, "--uri", schemaIri, other}, cwd.path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.errors.find("FILE_SCHEMA names IFC4, the schema is MINI"), std::string::npos) << refused.errors;
    EXPECT_TRUE(e2e::listFiles(cwd.path()).empty());
    // Forced, the IFC4 entities are unknown to MINI: reported, and the output is still written.
    auto forced = runSartell({"instances", "--force", "--schema", schema, "--uri", schemaIri, other}, cwd.path());
    EXPECT_EQ(forced.status, 1);
    EXPECT_NE(forced.errors.find("unknown entity IFCPERSON"), std::string::npos);
    EXPECT_EQ(e2e::listFiles(cwd.path()), std::vector<std::string>{"small_ifc4.ttl"});
}

TEST(InstancesCommand, EndsWithStatusOneAndACompleteFileWhenValuesWereLeftOut) {
    TempDir cwd;
    auto run = runSartell({"instances", "--schema", schema, "--uri", schemaIri, "-o", "f.ttl",
                           testsupport::fixturePath("ifc/mini_faults.ifc")},
                          cwd.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("12 messages"), std::string::npos) << run.errors;
    EXPECT_EQ(parsedtriples::parse(testsupport::readFile(cwd.file("f.ttl")), "turtle").errors, 0);
}

TEST(InstancesCommand, LeavesAnEarlierOutputAloneWhenTheModelCannotBeRead) {
    TempDir cwd;
    testsupport::writeFile(cwd.file("cut.ifc"),
                           "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('MINI'));\nENDSEC;\nDATA;\n"
                           "#1=MITHING('a',$,$,$,$);\n#2=MITHING('b");
    testsupport::writeFile(cwd.file("cut.ttl"), "earlier");
    testsupport::writeFile(cwd.file("plain.ifc"), "hello");
    for (const char* input : {"cut.ifc", "plain.ifc", "absent.ifc"}) {
        auto run =
            runSartell({"instances", "--schema", schema, "--uri", schemaIri, "-o", "cut.ttl", input}, cwd.path());
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_FALSE(run.errors.empty());
    }
    EXPECT_EQ(testsupport::readFile(cwd.file("cut.ttl")), "earlier");
    EXPECT_EQ(e2e::listFiles(cwd.path()), (std::vector<std::string>{"cut.ifc", "cut.ttl", "plain.ifc"}));
}

}  // namespace

namespace {

// Renaming a finished file over a pipe (or a device) would replace it with a plain file.
TEST(InstancesCommand, WritesIntoAPipeInPlace) {
    TempDir dir;
    const std::string pipe = dir.file("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] {
        std::ifstream in(pipe, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    });
    auto run = runSartell({"instances", "-q", "--schema", schema, "--uri", schemaIri, "-o", pipe, model});
    reader.join();
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(run.errors.empty()) << run.errors;
    struct stat after;
    ASSERT_EQ(stat(pipe.c_str(), &after), 0);
    EXPECT_TRUE(S_ISFIFO(after.st_mode));
    EXPECT_NE(received.find("MiWall_1"), std::string::npos);
    EXPECT_EQ(e2e::listFiles(dir.path()), std::vector<std::string>{});
}

TEST(InstancesCommand, ShowsProgressOnlyForLargeModels) {
    TempDir cwd;
    std::string large = "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('MINI'));\nENDSEC;\nDATA;\n";
    for (int i = 1; large.size() < (5u << 20); ++i)
        large += "#" + std::to_string(i) + "=MITHING('" + std::string(60, 'n') + "',.STANDARD.,$,.T.,$);\n";
    large += "ENDSEC;\nEND-ISO-10303-21;\n";
    testsupport::writeFile(cwd.file("large.ifc"), large);
    auto big =
        runSartell({"instances", "-q", "--progress", "--schema", schema, "--uri", schemaIri, "large.ifc"}, cwd.path());
    EXPECT_EQ(big.status, 0) << big.errors;
    EXPECT_NE(big.errors.find("] 100%"), std::string::npos) << big.errors.substr(0, 200);
    auto small = runSartell({"instances", "-q", "--progress", "--schema", schema, "--uri", schemaIri, "-o", "-", model},
                            cwd.path());
    EXPECT_EQ(small.status, 0);
    EXPECT_TRUE(small.errors.empty()) << small.errors;
}

}  // namespace
