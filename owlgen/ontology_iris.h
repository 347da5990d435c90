#pragma once
// IRIs, credits and fixed texts the generated ontologies carry.
#include <string>

namespace OntologyIris {

// The EXPRESS and list vocabularies imported by the published OWL editions of IFC.
extern const std::string expressVocabularyIri;  // https://w3id.org/express
extern const std::string listVocabularyIri;     // https://w3id.org/list
extern const std::string expressPreferredNamespaceUri;
extern const std::string ifcOntologyBaseIri;  // base of the published IFC ontologies
extern const std::string defaultLicenceIri;   // CC BY 3.0, the licence of the published IFC ontologies

// The makers of the converter, credited in the vocabularies it carries and in the comments of what it writes.
extern const std::string authorCredit;
extern const std::string reviserCredit;

}  // namespace OntologyIris
