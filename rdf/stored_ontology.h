#pragma once
// Which ontology a stored RDF file holds, read without loading the whole graph.
#include <string>

namespace RdfCpp {

// The IRI of the first subject typed owl:Ontology in the RDF/XML, Turtle or N-Triples file (the parser is
// chosen by the content). Empty when the file cannot be read or declares no ontology.
std::string storedOntologyIri(const std::string& file);

}  // namespace RdfCpp
