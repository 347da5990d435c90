#include "owlgen/ontology_iris.h"

#include "express/ontology_names.h"

namespace OntologyIris {

const std::string expressPreferredNamespaceUri = "https://w3id.org/express#";
const std::string ifcOntologyBaseIri = "https://standards.buildingsmart.org/IFC/";
const std::string licenceIri = "http://creativecommons.org/licenses/by/3.0/";
const std::string headerDate = "2016/02/27";

const std::string authorCredit = "Sartell Converter Team (team@sartell.example.org)";
const std::string reviserCredit = "Sartell Maintainers (maintainers@sartell.example.org)";
const std::string contributorCredits[3] = {
    "Sartell Schema Reviewers (schemas@sartell.example.org)",
    "Sartell Ontology Reviewers (ontologies@sartell.example.org)",
    "Sartell Test Engineers (tests@sartell.example.org)",
};
const std::string rulesArticleReference =
    "Sartell Converter Team, 'Class expressions for EXPRESS WHERE rules', Sartell documentation, "
    "docs/where-rules.md";

}  // namespace OntologyIris
