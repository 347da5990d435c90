#pragma once
// Small writers shared by the ontology headers.
#include <string>

#include "rdf/graph.h"
#include "rdf/node.h"

// The term namespace + name (for the header vocabularies outside the vocabulary constants).
Redland::Node headerTerm(const char* ns, const char* name);
// Declares the Dublin Core element `name` an owl:AnnotationProperty.
void declareDcAnnotationProperty(RdfCpp::Graph& graph, const char* name);
// (subject, ns + name, value as plain literal).
void annotate(RdfCpp::Graph& graph, const Redland::Node& subject, const char* ns, const char* name,
              const std::string& value);
