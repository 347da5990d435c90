#include "owlgen/ontology_iris.h"

#include "express/ontology_names.h"

namespace OntologyIris {

const std::string expressPreferredNamespaceUri = "https://w3id.org/express#";
const std::string ifcOntologyBaseIri = "https://standards.buildingsmart.org/IFC/";
const std::string defaultLicenceIri = "http://creativecommons.org/licenses/by/3.0/";

const std::string authorCredit = "Sartell Converter Team (team@sartell.example.org)";
const std::string reviserCredit = "Sartell Maintainers (maintainers@sartell.example.org)";

}  // namespace OntologyIris
