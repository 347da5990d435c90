// The ontologies written for the official IFC schemas are OWL 2 DL, as the OWL API's profile checker (the
// owlcheck tool in ../shared/tools) sees them, for every combination of the switches that shape the output.
// A JVM start is slow, so each mode puts all its conversions into one repository and checks them at once
// through an ontology that imports them all.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "e2e_support.h"

using e2e::Conversion;

namespace {

const std::string sharedRoot = std::string(SARTELL_SOURCE_DIR) + "/../shared";
const std::string owlcheck = e2e::owlcheckLauncher();

// Standard output and error of the command, and whether it exited with status 0.
bool runCommand(const std::string& command, std::string& output) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return false;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    return pclose(pipe) == 0;
}

// The number after "label: " on a line of its own in the report; -1 when absent.
long reported(const std::string& report, const std::string& label) {
    std::smatch match;
    if (!std::regex_search(report, match, std::regex("(^|\n)" + label + ": ([0-9]+)"))) return -1;
    return std::stol(match[2]);
}

// An OASIS catalog that maps each ontology URI to its file in the same folder.
std::string catalogOf(const std::map<std::string, std::string>& files) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\"?>\n<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n";
    for (const auto& [uri, file] : files) out << "  <uri name=\"" << uri << "\" uri=\"" << file << "\"/>\n";
    out << "</catalog>\n";
    return out.str();
}

// An ontology that only imports the given ones.
std::string importingOntology(const std::vector<std::string>& imports) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\"?>\n"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
           "xmlns:owl=\"http://www.w3.org/2002/07/owl#\">\n"
           "  <owl:Ontology rdf:about=\"http://example.org/profile-check\">\n";
    for (const std::string& uri : imports) out << "    <owl:imports rdf:resource=\"" << uri << "\"/>\n";
    out << "  </owl:Ontology>\n</rdf:RDF>\n";
    return out.str();
}

struct Mode {
    const char* name;
    bool ldwg;
};

void PrintTo(const Mode& mode, std::ostream* out) { *out << mode.name; }

class OwlProfile : public ::testing::TestWithParam<Mode> {};

}  // namespace

TEST_P(OwlProfile, EveryOfficialSchemaInEverySwitchCombinationIsOwl2Dl) {
    const bool ldwg = GetParam().ldwg;
    const std::vector<std::pair<std::string, std::string>> schemas = {{"IFC2X3_TC1.exp", "IFC2X3"},
                                                                      {"IFC4_ADD2_TC1.exp", "IFC4"}};
    std::vector<std::string> paths;
    for (const auto& schema : schemas) {
        paths.push_back(testsupport::sharedSchemaPath(schema.first));
        SKIP_WITHOUT_SHARED(paths.back());
    }
    if (owlcheck.empty()) GTEST_SKIP() << "owlcheck needs ../shared/tools/owlcheck, java and libowlapi-java";

    // One repository: every run adds its ontologies and catalog entries; the vocabularies are shared.
    Conversion c;
    std::vector<std::string> roots;
    // The repository's catalog lists what is imported; the rules ontologies are imported by nothing.
    std::map<std::string, std::string> files = {{"https://w3id.org/express", "express.owl"},
                                                {"https://w3id.org/list", "list.owl"}};
    for (size_t i = 0; i < schemas.size(); ++i) {
        for (int rules = 0; rules <= 1; ++rules) {
            for (int chains = 0; chains <= 1; ++chains) {
                // "IFC" in the URI, so that switch 5 writes the rules ontology.
                const std::string uri = "http://example.org/IFC/" + schemas[i].second + "_S5_" + std::to_string(rules) +
                                        "_S6_" + std::to_string(chains);
                const std::string on = ldwg ? "1" : "0";
                e2e::convert(c, paths[i], uri, {std::to_string(rules), std::to_string(chains), on, "", on});
                ASSERT_EQ(c.run.status, 0);
                ASSERT_NE(c.run.output.find("- N.Errors: "), std::string::npos) << c.run.output;
                roots.push_back(rules ? uri + "_rules" : uri);
                const std::string stem = uri.substr(uri.rfind('/') + 1);
                files[uri] = stem + ".owl";
                if (rules) files[uri + "_rules"] = stem + "_rules.owl";
            }
        }
    }
    // The importing ontology, the schema and rules ontologies, and with LDWG the two vocabularies.
    const long ontologies = 1 + static_cast<long>(files.size()) - (ldwg ? 0 : 2);
    testsupport::writeFile(c.file("profile-check.owl"), importingOntology(roots));
    testsupport::writeFile(c.file("profile-catalog.xml"), catalogOf(files));

    std::string report;
    ASSERT_TRUE(runCommand(
        "'" + owlcheck + "' '" + c.file("profile-check.owl") + "' --catalog '" + c.file("profile-catalog.xml") + "'",
        report))
        << report;
    EXPECT_EQ(reported(report, "imports closure"), ontologies) << report;
    EXPECT_EQ(reported(report, "unparsed triples"), 0) << report;
    EXPECT_EQ(reported(report, "parser error entities"), 0) << report;
    EXPECT_EQ(reported(report, "DL profile violations"), 0) << report;
}

INSTANTIATE_TEST_SUITE_P(BothModes, OwlProfile, ::testing::Values(Mode{"Ldwg", true}, Mode{"NoLdwg", false}),
                         [](const ::testing::TestParamInfo<Mode>& info) { return info.param.name; });
