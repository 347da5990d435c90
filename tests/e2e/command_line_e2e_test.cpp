// The sartell executable's answers to incomplete and unusable command lines.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "test_support.h"

using testsupport::runSartell;
using testsupport::TempDir;

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TEST(CommandLine, MissingArgumentsPrintUsageThenTheirErrorAndAreUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {{{}, "ERROR: Input EXPRESS file not defined\n"},
                 {{"a.exp"}, "ERROR: Output OWL file not defined\n"},
                 {{"a.exp", "a.owl"}, "ERROR: Output Ontology URI not defined\n"}};
    for (const Case& c : cases) {
        auto r = runSartell(c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.output.rfind("\n\n\n" + std::string(80, '*') + "\n", 0), 0u);
        EXPECT_NE(r.output.find("Command line arguments: "), std::string::npos);
        EXPECT_TRUE(endsWith(r.output, std::string(80, '*') + "\n\n" + c.error)) << r.output;
        EXPECT_EQ(r.errors, "");
    }
}

TEST(CommandLine, UnusableInputsAreReportedAsNotFound) {
    TempDir dir;
    mkdir(dir.file("folder.exp").c_str(), 0700);
    mkfifo(dir.file("pipe.exp").c_str(), 0600);
    struct Case {
        std::string input;
        std::string printed;
    } cases[] = {
        {"missing.exp", "\"" + dir.file("missing.exp") + "\""},
        {"folder.exp", "\"" + dir.file("folder.exp") + "\""},
        {"pipe.exp", "\"" + dir.file("pipe.exp") + "\""},
        {"a\"b&c.exp", "\"" + dir.path() + "/a&\"b&&c.exp\""},
        {std::string(10000, 'x'), "\"" + dir.path() + "/" + std::string(10000, 'x') + "\""},
        {"\xc3\xa9\xff.exp", "\"" + dir.path() + "/\xc3\xa9\xff.exp\""},
    };
    for (const Case& c : cases) {
        auto r = runSartell({c.input, "o.owl", "http://x/O", dir.path()});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(endsWith(r.output, "ERROR: Input EXPRESS file not found: " + c.printed + "\n"))
            << r.output.substr(r.output.size() > 300 ? r.output.size() - 300 : 0);
        EXPECT_EQ(r.errors, "");
    }
}

TEST(CommandLine, EmptyArgumentsDoNotCrash) {
    auto r = runSartell({"", "", "", "", "", "", "", "", "", ""});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("ERROR: the ontology IRI \"\" is not an IRI: it is empty"), std::string::npos) << r.output;
}

TEST(CommandLine, HelpAndVersionAreNotTakenForFileNames) {
    for (const char* help : {"--help", "-h"}) {
        auto r = runSartell({help});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.output.find("Command line arguments: "), std::string::npos);
        EXPECT_NE(r.output.find("\"false\", \"0\", \"TRUE\", \"yes\""), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("ERROR"), std::string::npos);
    }
    auto r = runSartell({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output.rfind("sartell ", 0), 0u) << r.output;
}

TEST(CommandLine, AnAbsoluteInputIsUsedAsItIsAndTheRepositoryStaysWhereItWas) {
    TempDir inputs, repo;
    testsupport::writeFile(inputs.file("example.exp"),
                           testsupport::readFile(std::string(SARTELL_SOURCE_DIR) + "/examples/example.exp"));
    auto r = runSartell({inputs.file("example.exp"), "o.owl", "http://example.org/onto/Example", repo.path()});
    EXPECT_EQ(r.status, 0) << r.output;
    struct stat st;
    EXPECT_EQ(stat((repo.path() + "/Example.owl").c_str(), &st), 0);
}

TEST(CommandLine, NonIrisAreUsageErrorsBeforeAnythingIsRead) {
    TempDir dir;
    for (const char* iri : {"http://x/a b", "no-scheme", "http://x/<a>", "http://x/a#b"}) {
        auto r = runSartell({"missing.exp", "o.owl", iri, dir.path()});
        EXPECT_EQ(r.status, 2) << iri;
        EXPECT_NE(r.output.find(std::string("ERROR: the ontology IRI \"") + iri + "\""), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("not found"), std::string::npos) << iri;
    }
}
