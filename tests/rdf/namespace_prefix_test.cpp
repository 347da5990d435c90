#include "rdf/namespace_prefix.h"

#include <gtest/gtest.h>

#include "rdf/iri_syntax.h"

using namespace RdfCpp;

TEST(NamespacePrefix, OnlyAsciiNcNamesNotStartingWithXmlArePrefixes) {
    for (const char* good : {"ifc", "IFC4", "_a", "a-b.c", "Example"}) EXPECT_TRUE(isXmlPrefix(good)) << good;
    for (const char* bad : {"", "2x3", "-a", ".a", "a b", "a:b", "a&b", "xml", "XMLfoo", "caf\xc3\xa9", "a/b"})
        EXPECT_FALSE(isXmlPrefix(bad)) << bad;
}

TEST(NamespacePrefix, LastSegmentOfTheIriOrNs1) {
    const struct {
        const char* iri;
        const char* prefix;
    } cases[] = {
        {"http://example.org/onto/Example", "Example"},
        {"http://example.org/onto/Example#", "Example"},
        {"http://example.org/onto/Example/", "Example"},
        {"http://example.org/onto/Example//##", "Example"},
        {"http://example.org/IFC2X3/2x3", "ns1"},
        {"urn:example:building", "building"},
        {"urn:isbn:0451450523", "ns1"},
        {"http://example.org/a&b", "ns1"},
        {"http://example.org/caf\xc3\xa9", "ns1"},
        {"http://example.org/owl", "ns1"},
        {"http://example.org/xmlthing", "ns1"},
        {"", "ns1"},
        {"###", "ns1"},
    };
    for (const auto& c : cases) EXPECT_EQ(prefixForIri(c.iri), c.prefix) << c.iri;
}

TEST(NamespacePrefix, NamespaceEndsInExactlyOneHash) {
    EXPECT_EQ(namespaceForIri("http://x/o"), "http://x/o#");
    EXPECT_EQ(namespaceForIri("http://x/o##"), "http://x/o#");
    EXPECT_EQ(namespaceForIri("http://x/o/"), "http://x/o/#");
}

TEST(NamespacePrefix, PrefixTableGetsUniqueXmlPrefixes) {
    const std::map<std::string, std::string> table = {
        {"http://a/#", "ns1"}, {"http://b/#", "2x3_rules"}, {"http://c/#", "ifc"},
        {"http://d/#", "ifc"}, {"http://e/#", ""},
    };
    EXPECT_EQ(withXmlPrefixes(table), (std::map<std::string, std::string>{{"http://a/#", "ns1"},
                                                                          {"http://b/#", "ns2"},
                                                                          {"http://c/#", "ifc"},
                                                                          {"http://d/#", "ns3"},
                                                                          {"http://e/#", "ns4"}}));
}

TEST(IriSyntax, TextsThatAreNotIrisAreToldWhy) {
    for (const char* good : {"http://example.org/o", "urn:x:y", "https://x/a&b#", "http://x/caf\xc3\xa9", "a+b-c.d:x"})
        EXPECT_EQ(iriFault(good), "") << good;
    const struct {
        const char* text;
        const char* reason;
    } bad[] = {
        {"", "it is empty"},
        {"example.org/o", "it does not start with a scheme such as https:"},
        {"1http://x", "it does not start with a scheme such as https:"},
        {"http://x/a b", "it holds a blank"},
        {"http://x/<a>", "it holds the character <"},
        {"http://x/\"a", "it holds the character \""},
        {"http://x/a\tb", "it holds a control character"},
        {"http://x/a\x7f", "it holds a control character"},
        {"http://x/a#b#c", "it holds more than one #"},
    };
    for (const auto& c : bad) EXPECT_EQ(iriFault(c.text), c.reason) << c.text;
}
