#include "instances/vocabulary_iris.h"

namespace Instances {

const std::string rdfNamespace = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
const std::string rdfsNamespace = "http://www.w3.org/2000/01/rdf-schema#";
const std::string owlNamespace = "http://www.w3.org/2002/07/owl#";
const std::string xsdNamespace = "http://www.w3.org/2001/XMLSchema#";
const std::string dcElementsNamespace = "http://purl.org/dc/elements/1.1/";

std::string schemaNamespace(const std::string& ontologyIri) { return ontologyIri + "#"; }

}  // namespace Instances
