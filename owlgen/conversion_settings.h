#pragma once
#include <string>
#include <vector>

// The settings of one conversion; the command line fills them in.
struct ConversionSettings {
    std::string inputFile;
    std::string outputFile;
    std::string ontologyUri;
    std::string repositoryPath;
    bool whereRuleExpressions = false;        // switch 5
    bool listCardinalityExpressions = false;  // switch 6
    bool adoptLdwgDecisions = true;           // switch 7
    std::string importBaseUri;
    bool generateExpressOntology = false;  // switch 9
    std::string ontologyVersionUri;
    // File of the schema ontology in the repository; empty: named after the ontology IRI's last segment.
    std::string ontologyFileName;

    // Ontology header metadata; empty means the default.
    std::vector<std::string> creators;
    std::string licenseIri;
    std::string title;
    std::string date;
    std::string prefix;  // namespace prefix of the schema ontology, in place of the derived one

    // "rdfxml", "turtle" or "ntriples".
    std::string serializationFormat = "rdfxml";
};
