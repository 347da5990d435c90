#include "instances/vocabulary_iris.h"

#include "rdf/namespace_prefix.h"
#include "rdf/vocabulary.h"

namespace Instances {

const std::string rdfNamespace = Vocabulary::RDF_NS;
const std::string rdfsNamespace = Vocabulary::RDFS_NS;
const std::string owlNamespace = Vocabulary::OWL_NS;
const std::string xsdNamespace = Vocabulary::XSD_NS;
const std::string dcElementsNamespace = Vocabulary::DC_NS;

std::string schemaNamespace(const std::string& ontologyIri) { return RdfCpp::namespaceForIri(ontologyIri); }

}  // namespace Instances
