#pragma once
// The namespaces instance data is written in.
#include <string>

namespace Instances {

extern const std::string rdfNamespace;
extern const std::string rdfsNamespace;
extern const std::string owlNamespace;
extern const std::string xsdNamespace;
extern const std::string dcElementsNamespace;

// The namespace of the terms of the ontology with this IRI.
std::string schemaNamespace(const std::string& ontologyIri);

struct Namespaces {
    std::string schema;   // classes, properties and enumeration individuals of the schema
    std::string express;  // simple-type classes, wrapper properties, hasSet, LOGICAL's individuals
    std::string list;     // hasContents, hasNext
    std::string base;     // the model's own instances and value nodes
};

}  // namespace Instances
