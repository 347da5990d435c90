#include "rdf/stored_ontology.h"

#include <gtest/gtest.h>

#include "test_support.h"

TEST(StoredOntology, ReadsTheOntologyIriOfSavedAndForeignFiles) {
    testsupport::TempDir dir;
    const struct {
        const char* content;
        const char* iri;
    } cases[] = {
        // The layout this system saves, with an escaped IRI.
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rdf:RDF "
         "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
         "  <rdf:Description rdf:about=\"http://example.org/a&amp;b\">\n"
         "    <rdf:type rdf:resource=\"http://www.w3.org/2002/07/owl#Ontology\"/>\n"
         "  </rdf:Description>\n</rdf:RDF>\n",
         "http://example.org/a&b"},
        // Other writers: abbreviated RDF/XML, Turtle.
        {"<?xml version=\"1.0\"?>\n<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
         "xmlns:owl=\"http://www.w3.org/2002/07/owl#\">\n"
         "<owl:Class rdf:about=\"http://example.org/o#C\"/>\n<owl:Ontology rdf:about=\"http://example.org/o\"/>\n"
         "</rdf:RDF>\n",
         "http://example.org/o"},
        {"@prefix owl: <http://www.w3.org/2002/07/owl#> .\n<http://example.org/t> a owl:Ontology .\n",
         "http://example.org/t"},
        {"<http://example.org/x> <http://www.w3.org/2000/01/rdf-schema#label> \"no ontology\" .\n", ""},
        {"", ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string file = dir.file("f" + std::to_string(n++) + ".owl");
        testsupport::writeFile(file, c.content);
        EXPECT_EQ(RdfCpp::storedOntologyIri(file), c.iri) << c.content;
    }
    EXPECT_EQ(RdfCpp::storedOntologyIri(dir.file("absent.owl")), "");
}
