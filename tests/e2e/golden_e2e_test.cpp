// Whole conversions of the example schema compared byte for byte with reviewed output, apart from the
// serialization time stamp. After an intended change of the output, regenerate the files with
//     SARTELL_UPDATE_GOLDEN=1 build/test_e2e_golden_e2e_test
// which writes tests/fixtures/golden/<case>/ instead of comparing; review the difference before committing.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <sstream>

#include "e2e_support.h"

using e2e::Conversion;

namespace {

using e2e::exampleSchema;

struct GoldenCase {
    const char* name;
    std::vector<std::string> switches;  // arguments 5 to 9
};

void PrintTo(const GoldenCase& golden, std::ostream* out) { *out << golden.name; }

// The URI holds "ifc", so that switch 5 also writes the rules ontology.
const char* const ontologyUri = "https://example.org/ifc/Example";

const GoldenCase goldenCases[] = {
    {"ldwg", {"1", "1", "1", "", "1"}},
    {"no_ldwg", {"1", "1", "0", "", "1"}},
};

bool updating() {
    const char* update = std::getenv("SARTELL_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

bool isOntology(const std::string& name) { return name.size() > 4 && name.substr(name.size() - 4) == ".owl"; }

// The first line where the two texts part, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream left(expected), right(actual);
    std::string a, b;
    for (int line = 1;; ++line) {
        bool moreLeft = static_cast<bool>(std::getline(left, a)), moreRight = static_cast<bool>(std::getline(right, b));
        if (!moreLeft && !moreRight) return "differs only in its final line break";
        if (!moreLeft || !moreRight || a != b)
            return "line " + std::to_string(line) + "\n  golden: " + (moreLeft ? a : "<end>") +
                   "\n  actual: " + (moreRight ? b : "<end>");
    }
}

class GoldenConversion : public ::testing::TestWithParam<GoldenCase> {};

}  // namespace

TEST_P(GoldenConversion, WritesTheReviewedFiles) {
    const GoldenCase& golden = GetParam();
    // The headers carry the date of the run: a fixed one keeps the reviewed files valid.
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    Conversion c;
    e2e::convert(c, exampleSchema, ontologyUri, golden.switches);
    ASSERT_EQ(c.run.status, 0);
    ASSERT_NE(c.run.output.find("- N.Errors: 0"), std::string::npos) << c.run.output;

    std::vector<std::string> written;
    for (const std::string& name : e2e::listFiles(c.repository.path()))
        if (name != "example.exp") written.push_back(name);
    const std::string folder = testsupport::fixturePath("golden/" + std::string(golden.name));

    if (updating()) {
        boost::filesystem::remove_all(folder);
        boost::filesystem::create_directories(folder);
        for (const std::string& name : written) {
            std::string content = testsupport::readFile(c.file(name));
            testsupport::writeFile(folder + "/" + name, isOntology(name) ? e2e::withoutTimeStamp(content) : content);
        }
        GTEST_SKIP() << "golden files written to " << folder;
    }

    ASSERT_TRUE(boost::filesystem::is_directory(folder)) << folder << " is missing; see the head of this file";
    ASSERT_EQ(written, e2e::listFiles(folder));
    for (const std::string& name : written) {
        std::string actual = testsupport::readFile(c.file(name));
        if (isOntology(name)) actual = e2e::withoutTimeStamp(actual);
        const std::string expected = testsupport::readFile(folder + "/" + name);
        EXPECT_TRUE(actual == expected) << golden.name << "/" << name << ": " << firstDifference(expected, actual);
    }
}

INSTANTIATE_TEST_SUITE_P(ExampleSchema, GoldenConversion, ::testing::ValuesIn(goldenCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return info.param.name; });
