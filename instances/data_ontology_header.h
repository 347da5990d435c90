#pragma once
// The data's own ontology: its IRI typed owl:Ontology, the import of the schema ontology, and the model's HEADER
// as annotations.
#include <string>

#include "rdf/triple_sink.h"
#include "step/exchange_header.h"

namespace Instances {

bool writeDataOntologyHeader(RdfCpp::TripleSink& sink, const std::string& ontologyIri,
                             const std::string& schemaOntologyIri, const Step::ExchangeHeader& header);

}  // namespace Instances
