#include "cli/option_parser.h"

#include <gtest/gtest.h>

#include "cli/ontology_command.h"
#include "cli/schema_conversion.h"

namespace {

struct Parsed {
    bool ok = false;
    std::string error, dir, uri;
    bool quiet = false, verbose = false;
    std::vector<std::string> operands;
};

Parsed parse(const std::vector<std::string>& args) {
    Parsed p;
    OptionParser parser;
    parser.value("dir", 'd', [&p](const std::string& v) {
        p.dir = v;
        return std::string();
    });
    parser.value("uri", 0, [&p](const std::string& v) {
        if (v.empty()) return std::string("empty");
        p.uri = v;
        return std::string();
    });
    parser.flag("quiet", 'q', [&p] { p.quiet = true; });
    parser.flag("verbose", 'v', [&p] { p.verbose = true; });
    p.ok = parser.parse(args, p.operands, p.error);
    return p;
}

}  // namespace

TEST(OptionParser, ReadsTheUsualForms) {
    const struct {
        std::vector<std::string> args;
        std::string dir, uri;
        bool quiet, verbose;
        std::vector<std::string> operands;
    } cases[] = {
        {{"-d", "r", "s.exp"}, "r", "", false, false, {"s.exp"}},
        {{"-dr", "s.exp"}, "r", "", false, false, {"s.exp"}},
        {{"--dir", "r", "--uri=http://x/y=z", "s.exp"}, "r", "http://x/y=z", false, false, {"s.exp"}},
        {{"s.exp", "--dir=", "-qv"}, "", "", true, true, {"s.exp"}},
        {{"-qd", "r"}, "r", "", true, false, {}},
        {{"--", "-q", "--dir"}, "", "", false, false, {"-q", "--dir"}},
        {{"-", "--quiet"}, "", "", true, false, {"-"}},
    };
    for (const auto& c : cases) {
        const Parsed p = parse(c.args);
        EXPECT_TRUE(p.ok) << p.error;
        EXPECT_EQ(p.dir, c.dir);
        EXPECT_EQ(p.uri, c.uri);
        EXPECT_EQ(p.quiet, c.quiet);
        EXPECT_EQ(p.verbose, c.verbose);
        EXPECT_EQ(p.operands, c.operands);
    }
}

TEST(OptionParser, RefusesWithOneLine) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--bogus"}, "unknown option --bogus"}, {{"-x"}, "unknown option -x"},
        {{"-qx"}, "unknown option -x"},          {{"--dir"}, "option --dir needs a value"},
        {{"-d"}, "option -d needs a value"},     {{"--quiet=1"}, "option --quiet takes no value"},
        {{"--uri", ""}, "--uri: empty"},         {{"--uri="}, "--uri: empty"},
    };
    for (const auto& c : cases) {
        const Parsed p = parse(c.args);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.error, c.error);
    }
}

TEST(OntologyCommand, IfcReleaseNamesGiveThePublishedPattern) {
    const struct {
        const char* file;
        const char* iri;
    } cases[] = {
        {"IFC4_ADD2_TC1.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL"},
        {"dir/IFC2X3_TC1.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC2X3/TC1/OWL"},
        {"IFC4.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC4/OWL"},
        {"IFC4X3_ADD2.exp", "https://standards.buildingsmart.org/IFC/DEV/IFC4X3/ADD2/OWL"},
        {"example.exp", ""},
        {"IFC.exp", ""},
        {"ifc4.exp", ""},
        {"IFC4__TC1.exp", ""},
        {"IFC4_.exp", ""},
        {"IFC4 copy.exp", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(defaultOntologyIri(c.file), c.iri) << c.file;
}

TEST(OntologyIris, ATrailingHashGoesAndNonIrisAreRefused) {
    ConversionSettings s;
    s.ontologyUri = "http://x/onto#";
    s.ontologyVersionUri = "http://x/onto#";
    EXPECT_EQ(normaliseOntologyIris(s), "");
    EXPECT_EQ(s.ontologyUri, "http://x/onto");
    EXPECT_EQ(s.ontologyVersionUri, "http://x/onto");

    const struct {
        const char* ontology;
        const char* version;
        const char* base;
        const char* error;
    } bad[] = {
        {"http://x/a#b", "", "", "the ontology IRI \"http://x/a#b\" has a fragment; its terms would hold two \"#\""},
        {"x", "", "", "the ontology IRI \"x\" is not an IRI: it does not start with a scheme such as https:"},
        {"http://x/o", "http://x/v 1", "", "the version IRI \"http://x/v 1\" is not an IRI: it holds a blank"},
        {"http://x/o", "", "<b>",
         "the import base IRI \"<b>\" is not an IRI: it does not start with a scheme such as https:"},
    };
    for (const auto& c : bad) {
        ConversionSettings t;
        t.ontologyUri = c.ontology;
        t.ontologyVersionUri = c.version;
        t.importBaseUri = c.base;
        EXPECT_EQ(normaliseOntologyIris(t), c.error);
    }
}
