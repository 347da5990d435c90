// Runs that must fail: each leaves the repository exactly as an earlier good run left it, says why in one
// message and ends with the exit status scripts rely on.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cstdlib>
#include <functional>
#include <map>

#include "e2e_support.h"

using testsupport::readFile;
using testsupport::runSartell;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

using e2e::exampleSchema;
const std::string exampleIri = "http://example.org/onto/Example";

using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const std::string& folder) {
    Snapshot files;
    for (const std::string& name : e2e::listFiles(folder)) files[name] = readFile(folder + "/" + name);
    return files;
}

size_t occurrences(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// A repository holding the example schema's good conversion, written with a fixed time stamp.
struct GoodRepository {
    TempDir repo, inputs;
    GoodRepository() {
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        writeFile(inputs.file("example.exp"), readFile(exampleSchema));
        auto run = runSartell({"ontology", "-q", "-d", repo.path(), "--uri", exampleIri, inputs.file("example.exp")});
        EXPECT_EQ(run.status, 0) << run.errors;
    }
};

struct BadCase {
    const char* what;
    std::function<void(GoodRepository&)> prepare;
    std::function<std::vector<std::string>(GoodRepository&)> args;
    int status;
    std::string message;  // once on standard error
};

std::vector<std::string> named(GoodRepository& g, std::vector<std::string> more, const std::string& schema) {
    std::vector<std::string> args = {"ontology", "-d", g.repo.path()};
    args.insert(args.end(), more.begin(), more.end());
    args.push_back(g.inputs.file(schema));
    return args;
}

std::function<void(GoodRepository&)> input(const std::string& name, const std::string& content) {
    return [name, content](GoodRepository& g) { writeFile(g.inputs.file(name), content); };
}

std::function<void(GoodRepository&)> repositoryFile(const std::string& name, const std::string& content) {
    return [name, content](GoodRepository& g) { writeFile(g.repo.file(name), content); };
}

auto withIri(const std::string& schema, std::vector<std::string> more = {}) {
    return [schema, more](GoodRepository& g) {
        std::vector<std::string> options = {"--uri", exampleIri};
        options.insert(options.end(), more.begin(), more.end());
        return named(g, options, schema);
    };
}

const std::string unclosedComment =
    "SCHEMA S;\nENTITY A;\nEND_ENTITY;\n(* never closed\nENTITY B;\nEND_ENTITY;\nEND_SCHEMA;\n";

const BadCase badCases[] = {
    {"empty schema", input("s.exp", ""), withIri("s.exp"), 1, "nothing was read from"},
    {"binary garbage",
     input("s.exp", std::string("\x7f"
                                "ELF\0\x01\xff\xfe;;(",
                                12)),
     withIri("s.exp"), 1, "nothing was read from"},
    {"a single line", input("s.exp", "SCHEMA S;"), withIri("s.exp"), 1, "declares no entity or type"},
    {"cut off in the header", input("s.exp", "(* IFC schema *)\nSCHEMA IFC4"), withIri("s.exp"), 1,
     "declares no entity or type"},
    {"unclosed comment", input("s.exp", unclosedComment), withIri("s.exp"), 1,
     "the comment opened on line 4 is never closed"},
    {"missing schema file", nullptr, withIri("absent.exp"), 1, "ERROR: Input EXPRESS file not found: "},
    {"unknown option", nullptr, withIri("example.exp", {"--bogus"}), 2, "unknown option --bogus"},
    {"option without its value", nullptr,
     [](GoodRepository&) {
         return std::vector<std::string>{"ontology", "--uri"};
     },
     2, "option --uri needs a value"},
    {"no schema", nullptr,
     [](GoodRepository&) {
         return std::vector<std::string>{"ontology", "-q"};
     },
     2, "missing SCHEMA.exp"},
    {"no IRI for the file name", nullptr, [](GoodRepository& g) { return named(g, {}, "example.exp"); }, 2,
     "give one with --uri"},
    {"IRI with a blank", nullptr,
     [](GoodRepository& g) {
         return named(g, {"--uri", "http://example.org/a b"}, "example.exp");
     },
     2, "is not an IRI: it holds a blank"},
    {"IRI with a quote", nullptr,
     [](GoodRepository& g) { return named(g, {"--uri=http://example.org/\"x\""}, "example.exp"); }, 2,
     "is not an IRI: it holds the character \""},
    {"bad format", nullptr, withIri("example.exp", {"--format", "xml"}), 2, "is not one of rdfxml, turtle, ntriples"},
    {"file replacing express.owl", nullptr, withIri("example.exp", {"--name", "express.owl"}), 1,
     "would replace the EXPRESS vocabulary ontology"},
    {"file replacing list.owl", nullptr, withIri("example.exp", {"--name", "list.owl"}), 1,
     "would replace the list vocabulary ontology"},
    {"file replacing the catalog", nullptr, withIri("example.exp", {"--name", "catalog-v001.xml"}), 1,
     "would replace the repository catalog"},
    {"file of another ontology", nullptr,
     [](GoodRepository& g) {
         return named(g, {"--uri", "http://example.org/other/Example"}, "example.exp");
     },
     1, "holds the ontology " + exampleIri + ", not http://example.org/other/Example"},
    {"express.owl emptied", repositoryFile("express.owl", ""), withIri("example.exp"), 1,
     "express.owl is empty; run with --fresh-vocabulary"},
    {"express.owl a stub",
     repositoryFile("express.owl", readFile(std::string(SARTELL_SOURCE_DIR) + "/tests/fixtures/e2e/express_stub.owl")),
     withIri("example.exp"), 1, "express.owl lacks https://w3id.org/express#ENUMERATION"},
    {"list.owl unparseable", repositoryFile("list.owl", "<rdf:RDF"), withIri("example.exp"), 1,
     "list.owl is not readable RDF"},
    {"catalog is a folder",
     [](GoodRepository& g) {
         std::remove(g.repo.file("catalog-v001.xml").c_str());
         mkdir(g.repo.file("catalog-v001.xml").c_str(), 0700);
     },
     withIri("example.exp"), 1, "catalog-v001.xml is not a file"},
};

}  // namespace

TEST(BadRuns, FailWithTheirStatusAndMessageAndLeaveTheRepositoryAsItWas) {
    for (const BadCase& c : badCases) {
        SCOPED_TRACE(c.what);
        GoodRepository g;
        if (c.prepare) c.prepare(g);
        const Snapshot before = snapshot(g.repo.path());
        auto run = runSartell(c.args(g));
        EXPECT_EQ(run.status, c.status) << run.errors;
        EXPECT_EQ(occurrences(run.errors, c.message), 1u) << run.errors;
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(snapshot(g.repo.path()), before);
        if (c.status == 2) {
            EXPECT_EQ(occurrences(run.errors, "\n"), 1u) << run.errors;
        }
    }
}

TEST(BadRuns, FreshVocabularyRebuildsABrokenExpressOntology) {
    GoodRepository g;
    const std::string good = readFile(g.repo.file("express.owl"));
    writeFile(g.repo.file("express.owl"), "");
    auto run = runSartell(named(g, {"--uri", exampleIri, "--fresh-vocabulary"}, "example.exp"));
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(run.errors.find("express.owl is empty; it is written anew"), std::string::npos) << run.errors;
    // Rebuilt in full: the next plain run takes it as it is.
    EXPECT_GT(readFile(g.repo.file("express.owl")).size(), good.size() / 2);
    auto next = runSartell(named(g, {"--uri", exampleIri}, "example.exp"));
    EXPECT_EQ(next.status, 0) << next.errors;
    EXPECT_EQ(next.errors, "");
}

TEST(BadRuns, AFullDiskKeepsEveryEarlierFile) {
    TempDir mountPoint;
    // A file system of its own, small enough to fill; needs the right to mount (root in the CI container).
    if (mount("tmpfs", mountPoint.path().c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    struct Unmount {
        std::string path;
        ~Unmount() { umount2(path.c_str(), MNT_DETACH); }
    } unmount{mountPoint.path()};
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    TempDir inputs;
    writeFile(inputs.file("example.exp"), readFile(exampleSchema));
    const std::vector<std::string> args = {
        "ontology", "-d", mountPoint.path(), "--uri", exampleIri, "--fresh-vocabulary", inputs.file("example.exp")};
    ASSERT_EQ(runSartell(args).status, 0);
    const Snapshot before = snapshot(mountPoint.path());
    // Leave a few kilobytes: the EXPRESS ontology's temporary file runs out of room.
    for (int i = 0;; ++i) {
        const std::string filler = mountPoint.file("filler" + std::to_string(i));
        FILE* file = std::fopen(filler.c_str(), "wb");
        if (!file) break;
        const std::string block(4096, 'x');
        bool full = std::fwrite(block.data(), 1, block.size(), file) != block.size();
        full = (std::fclose(file) != 0) || full;
        if (full) {
            std::remove(filler.c_str());
            break;
        }
    }
    Snapshot withFiller = snapshot(mountPoint.path());
    auto run = runSartell(args);
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_NE(run.errors.find("No space left on device"), std::string::npos) << run.errors;
    EXPECT_EQ(snapshot(mountPoint.path()), withFiller);
    for (const auto& file : before) EXPECT_EQ(withFiller.at(file.first), file.second) << file.first;
}
