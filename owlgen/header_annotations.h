#pragma once
// Small writers shared by the ontology headers.
#include <string>

#include "rdf/graph.h"
#include "rdf/node.h"

// Declares property (a header term of rdf/vocabulary.h) an owl:AnnotationProperty.
void declareAnnotationProperty(RdfCpp::Graph& graph, const Redland::Node& property);
// (subject, property, value as plain literal).
void annotate(RdfCpp::Graph& graph, const Redland::Node& subject, const Redland::Node& property,
              const std::string& value);
