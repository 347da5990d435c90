// Whole conversions of small schemas: console, files, catalogs, determinism, switches.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_support.h"

using e2e::Conversion;
using testsupport::fixturePath;
using testsupport::readFile;

namespace {

using e2e::exampleSchema;

size_t indexOf(const std::vector<std::string>& lines, const std::string& line, size_t from = 0) {
    auto it = std::find(lines.begin() + std::min(from, lines.size()), lines.end(), line);
    return it == lines.end() ? std::string::npos : static_cast<size_t>(it - lines.begin());
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

}  // namespace

TEST(Conversion, SmallestSchemaOnAFreshRepositoryWritesEveryOntologyAndReportsNoError) {
    Conversion c;
    e2e::convert(c, fixturePath("e2e/one_entity.exp"), "http://example.org/onto/Empty", {});
    ASSERT_EQ(c.run.status, 0);
    EXPECT_EQ(c.run.errors, "");
    auto lines = c.lines();
    size_t at = indexOf(lines, "*** Settings " + std::string(67, '*'));
    ASSERT_NE(at, std::string::npos) << c.run.output;
    EXPECT_EQ(lines[at + 1], "1. Input EXPRESS file: " + c.file("one_entity.exp"));
    EXPECT_EQ(lines[at + 2], "2. Output OWL file: out.owl");
    EXPECT_EQ(lines[at + 4], "4. Repository path: " + c.repository.path());
    EXPECT_EQ(lines[at + 7], "7. Adopt LDWG decisions: 1");
    const char* phases[] = {"generate Classes",
                            "generate DataTypes",
                            "generate Enumerations",
                            "generate Select classes",
                            "generate Class hierarchy",
                            "generate Properties and Restrictions... please wait",
                            "Define Abstract and Disjoint classes",
                            "Save output ontology"};
    size_t last = at;
    for (const char* phase : phases) {
        size_t found = indexOf(lines, phase, last);
        ASSERT_NE(found, std::string::npos) << phase << "\n" << c.run.output;
        last = found;
    }
    EXPECT_NE(indexOf(lines, "- N.Errors: 0", last), std::string::npos);
    EXPECT_EQ(countOf(c.run.output, "Save output ontology"), 1u);

    for (const char* name : {"Empty.owl", "express.owl", "list.owl", "catalog-v001.xml"}) {
        ASSERT_TRUE(c.has(name)) << name;
        if (std::string(name) != "catalog-v001.xml") {
            EXPECT_TRUE(e2e::rapperParses(c.file(name))) << name;
        }
    }
    std::string catalog = readFile(c.file("catalog-v001.xml"));
    EXPECT_NE(catalog.find("name=\"https://w3id.org/express\" uri=\"express.owl\""), std::string::npos) << catalog;
    EXPECT_NE(catalog.find("name=\"https://w3id.org/list\" uri=\"list.owl\""), std::string::npos) << catalog;

    std::string schema = readFile(c.file("Empty.owl"));
    EXPECT_NE(schema.find("<owl:imports rdf:resource=\"https://w3id.org/express\"/>"), std::string::npos);
    EXPECT_NE(schema.find("xmlns:Empty=\"http://example.org/onto/Empty#\""), std::string::npos);
    std::string express = readFile(c.file("express.owl"));
    EXPECT_NE(express.find("<owl:imports rdf:resource=\"https://w3id.org/list\"/>"), std::string::npos);
    EXPECT_NE(express.find("https://w3id.org/express#ENUMERATION"), std::string::npos);
    EXPECT_NE(express.find("https://w3id.org/express#hasSet"), std::string::npos);
}

TEST(Conversion, TwoRunsWriteTheSameFilesApartFromTheTimeStamp) {
    Conversion a, b;
    e2e::convert(a, exampleSchema, "http://example.org/onto/Example", {"0", "1", "1", "", "1"});
    e2e::convert(b, exampleSchema, "http://example.org/onto/Example", {"0", "1", "1", "", "1"});
    auto files = e2e::listFiles(a.repository.path());
    ASSERT_EQ(files, e2e::listFiles(b.repository.path()));
    for (const std::string& name : files) {
        std::string left = readFile(a.file(name)), right = readFile(b.file(name));
        if (name.size() > 4 && name.substr(name.size() - 4) == ".owl") {
            EXPECT_EQ(countOf(left, "Serialized using C++ RDF"), 1u) << name;
            left = e2e::withoutTimeStamp(left);
            right = e2e::withoutTimeStamp(right);
        }
        EXPECT_TRUE(left == right) << name << " differs";
    }
}

TEST(Conversion, RulesOntologyOnlyForIfcUris) {
    struct Case {
        const char* uri;
        bool rules;
        const char* rulesFile;
    } cases[] = {{"http://example.org/ifc/Example", true, "Example_rules.owl"},
                 {"http://example.org/IFC4/Example", true, "Example_rules.owl"},
                 {"http://example.org/Ifc/Example", false, "Example_rules.owl"}};
    for (const Case& k : cases) {
        Conversion c;
        e2e::convert(c, exampleSchema, k.uri, {"1"});
        EXPECT_EQ(c.has(k.rulesFile), k.rules) << k.uri;
        EXPECT_EQ(countOf(c.run.output, "Save output ontology"), k.rules ? 2u : 1u) << k.uri;
        if (!k.rules) continue;
        std::string rules = readFile(c.file(k.rulesFile));
        EXPECT_NE(rules.find("<owl:imports rdf:resource=\"" + std::string(k.uri) + "\"/>"), std::string::npos);
        EXPECT_TRUE(e2e::rapperParses(c.file(k.rulesFile)));
        EXPECT_NE(c.run.output.find("Generate Class Expressions from EXPRESS WHERE rules"), std::string::npos);
    }
}

TEST(Conversion, WithoutLdwgTheVocabularyLivesInTheSchemaOntology) {
    Conversion c;
    e2e::convert(c, exampleSchema, "http://example.org/onto/Example", {"0", "0", "0", "", "1"});
    EXPECT_FALSE(c.has("express.owl"));
    EXPECT_FALSE(c.has("list.owl"));
    std::string schema = readFile(c.file("Example.owl"));
    EXPECT_NE(schema.find("http://example.org/onto/Example#ENUMERATION"), std::string::npos);
    EXPECT_EQ(schema.find("owl:imports"), std::string::npos);
    EXPECT_TRUE(e2e::rapperParses(c.file("Example.owl")));
    EXPECT_NE(c.run.output.find("- N.Errors: 0"), std::string::npos) << c.run.output;
}

TEST(Conversion, SecondRunReusesTheRepositoryVocabularies) {
    Conversion c;
    e2e::convert(c, exampleSchema, "http://example.org/onto/Example", {"0", "1", "1", "", "1"});
    std::string firstList = readFile(c.file("list.owl"));
    e2e::convert(c, exampleSchema, "http://example.org/onto/Example", {"0", "1", "1"});
    EXPECT_EQ(c.run.output.find("EXPRESS ontology not found"), std::string::npos);
    EXPECT_EQ(readFile(c.file("list.owl")), firstList);
    EXPECT_NE(c.run.output.find("- N.Errors: 0"), std::string::npos) << c.run.output;
    for (const char* name : {"Example.owl", "express.owl", "list.owl"}) EXPECT_TRUE(e2e::rapperParses(c.file(name)));
}

TEST(Conversion, AnUnwritableRepositoryIsReportedAndNothingCrashes) {
    // /proc/sys takes no new files, even for root; the schema is reached from there through "..".
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("example.exp"), readFile(exampleSchema));
    const std::string input = "../.." + dir.file("example.exp");
    for (const char* ldwg : {"1", "0"}) {
        auto run =
            testsupport::runSartell({input, "o.owl", "http://example.org/onto/Example", "/proc/sys", "0", "0", ldwg});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errors, "");
        EXPECT_NE(run.output.find("Exception: RdfCpp::ConnectorLocal::_save * "), std::string::npos) << run.output;
    }
}
