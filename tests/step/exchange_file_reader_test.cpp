#include "step/exchange_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace {

struct Collected : Step::Diagnostics {
    std::vector<std::string> messages;
    void report(std::uint64_t line, std::uint32_t column, const std::string& message) override {
        messages.push_back(std::to_string(line) + ":" + std::to_string(column) + ": " + message);
    }
};

const char* const header =
    "ISO-10303-21;\nHEADER;\n"
    "FILE_DESCRIPTION(('ViewDefinition [CoordinationView]'),'2;1');\n"
    "FILE_NAME('house.ifc','2024-01-02T03:04:05',('Ann','Bob'),('ACME'),'pre 1','Tool \\X2\\00E4\\X0\\','');\n"
    "FILE_SCHEMA(('IFC4'));\nENDSEC;\n";

struct ReadRun {
    testsupport::TempDir dir;
    Collected diagnostics;
    std::vector<Step::StepInstance> instances;
    std::vector<std::uint64_t> lines;
    bool indexed = false;
    void read(const std::string& content) {
        const std::string path = dir.file("m.ifc");
        testsupport::writeFile(path, content);
        Step::ExchangeFileReader reader(path, diagnostics);
        indexed = reader.index();
        header = reader.header();
        index = reader.instances();
        types = reader.types();
        if (!indexed) return;
        reader.readInstances([this](const Step::StepInstance& instance, const Step::Statement& statement) {
            instances.push_back(instance);
            lines.push_back(statement.line);
        });
    }
    Step::ExchangeHeader header;
    Step::InstanceIndex index;
    Step::TypeTable types;
};

TEST(ExchangeFileReader, ReadsTheHeaderAndIndexesEveryInstance) {
    ReadRun run;
    run.read(std::string(header) +
             "DATA;\n#1=IFCA('x;y' /* a ; comment */, (#2));\n/* between */ #2=(IFCB() IFCC(1.));\n"
             "#10=IFCA($,());\nENDSEC;\nEND-ISO-10303-21;\n");
    ASSERT_TRUE(run.indexed);
    EXPECT_TRUE(run.diagnostics.messages.empty()) << run.diagnostics.messages[0];
    EXPECT_EQ(run.header.descriptions, std::vector<std::string>{"ViewDefinition [CoordinationView]"});
    EXPECT_EQ(run.header.implementationLevel, "2;1");
    EXPECT_EQ(run.header.name, "house.ifc");
    EXPECT_EQ(run.header.timeStamp, "2024-01-02T03:04:05");
    EXPECT_EQ(run.header.authors, (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(run.header.organizations, std::vector<std::string>{"ACME"});
    EXPECT_EQ(run.header.originatingSystem, "Tool \xC3\xA4");
    EXPECT_EQ(run.header.schemas, std::vector<std::string>{"IFC4"});

    EXPECT_EQ(run.index.size(), 3u);
    EXPECT_EQ(run.index.largestNumber(), 10u);
    EXPECT_EQ(run.types.names(run.index.typeOf(2)), (std::vector<std::string>{"IFCB", "IFCC"}));
    EXPECT_EQ(run.index.typeOf(1), run.index.typeOf(10));
    EXPECT_EQ(run.index.typeOf(3), Step::InstanceIndex::none);

    ASSERT_EQ(run.instances.size(), 3u);
    EXPECT_EQ(run.instances[0].parts[0].parameters[0].text, "x;y");
    EXPECT_EQ(run.lines, (std::vector<std::uint64_t>{8, 9, 10}));
}

// Statements much longer than the reading block, a string and a comment crossing block boundaries.
TEST(ExchangeFileReader, ReadsStatementsAcrossReadingBlocks) {
    ReadRun run;
    const std::string text(3 << 20, 'x');
    run.read(std::string(header) + "DATA;\n#1=IFCA('" + text + "''s');\n/*" + std::string(2 << 20, ';') +
             "*/\n#2=IFCA(\n1);\nENDSEC;\nEND-ISO-10303-21;\n");
    ASSERT_TRUE(run.indexed);
    EXPECT_TRUE(run.diagnostics.messages.empty());
    ASSERT_EQ(run.instances.size(), 2u);
    EXPECT_EQ(run.instances[0].parts[0].parameters[0].text, text + "'s");
    EXPECT_EQ(run.lines, (std::vector<std::uint64_t>{8, 10}));
}

TEST(ExchangeFileReader, ReportsASyntaxErrorWithItsPlaceAndGoesOn) {
    ReadRun run;
    run.read(std::string(header) + "DATA;\n#1=IFCA(1);\n#2=IFCA(1,\n  ,2);\n#3=IFCA(3);\nENDSEC;\nEND-ISO-10303-21;\n");
    ASSERT_TRUE(run.indexed);
    ASSERT_EQ(run.diagnostics.messages.size(), 1u);
    EXPECT_EQ(run.diagnostics.messages[0].rfind("10:3: syntax error", 0), 0u) << run.diagnostics.messages[0];
    ASSERT_EQ(run.instances.size(), 2u);
    EXPECT_EQ(run.instances[1].number, 3u);
}

TEST(ExchangeFileReader, KeepsTheFirstOfTwoInstancesWithOneNumber) {
    ReadRun run;
    run.read(std::string(header) + "DATA;\n#1=IFCA(1);\n#1=IFCB(2);\nENDSEC;\nEND-ISO-10303-21;\n");
    ASSERT_TRUE(run.indexed);
    ASSERT_EQ(run.diagnostics.messages.size(), 1u);
    EXPECT_NE(run.diagnostics.messages[0].find("defined twice"), std::string::npos);
    ASSERT_EQ(run.instances.size(), 1u);
    EXPECT_EQ(run.instances[0].parts[0].name, "IFCA");
}

TEST(ExchangeFileReader, IndexesSparseNumbersWithoutADenseTableForThem) {
    Step::InstanceIndex index;
    EXPECT_TRUE(index.add(1, 0));
    EXPECT_TRUE(index.add(1000000000000ull, 1));
    EXPECT_FALSE(index.add(1000000000000ull, 2));
    EXPECT_FALSE(index.add(1, 2));
    EXPECT_EQ(index.typeOf(1000000000000ull), 1u);
    EXPECT_EQ(index.largestNumber(), 1000000000000ull);
    EXPECT_EQ(index.size(), 2u);
}

TEST(ExchangeFileReader, RefusesFilesThatCannotBeConverted) {
    struct Case {
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"", "not an exchange file"},
        {"<?xml version='1.0'?><ifc/>", "not an exchange file"},
        {std::string(8 << 20, 'x'), "not an exchange file"},
        {std::string(header) + "END-ISO-10303-21;\n", "no DATA section"},
        {std::string(header) + "DATA;\n#1=IFCA(1);\n#2=IFCA('cut", "cut off"},
        {std::string(header) + "DATA;\n#1=IFCA(1);\nENDSEC;\n", "cut off"},
    };
    for (const Case& c : cases) {
        ReadRun run;
        run.read(c.content);
        EXPECT_FALSE(run.indexed) << c.content;
        ASSERT_FALSE(run.diagnostics.messages.empty()) << c.content;
        EXPECT_NE(run.diagnostics.messages.back().find(c.message), std::string::npos)
            << run.diagnostics.messages.back();
    }
}

}  // namespace
