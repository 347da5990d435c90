#pragma once
// IRIs, credits and fixed texts the generated ontologies carry.
#include <string>

namespace OntologyIris {

// The EXPRESS and list vocabularies imported by the published OWL editions of IFC.
extern const std::string expressVocabularyIri;  // https://w3id.org/express
extern const std::string listVocabularyIri;     // https://w3id.org/list
extern const std::string expressPreferredNamespaceUri;
extern const std::string ifcOntologyBaseIri;  // base of the published IFC ontologies
extern const std::string licenceIri;          // CC BY 3.0, written as a literal
extern const std::string headerDate;          // "2016/02/27"

extern const std::string authorCredit;
extern const std::string reviserCredit;
extern const std::string contributorCredits[3];
extern const std::string rulesArticleReference;

}  // namespace OntologyIris
