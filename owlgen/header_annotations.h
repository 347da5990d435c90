#pragma once
// Small writers shared by the ontology headers. OWL 2 DL wants every annotation property an ontology uses
// declared in that ontology, so the writers of vocabulary terms declare them on the spot.
#include <string>

#include "rdf/graph.h"
#include "rdf/node.h"

// Declares property (a header term of rdf/vocabulary.h) an owl:AnnotationProperty.
void declareAnnotationProperty(RdfCpp::Graph& graph, const Redland::Node& property);
// (subject, property, value as plain literal).
void annotate(RdfCpp::Graph& graph, const Redland::Node& subject, const Redland::Node& property,
              const std::string& value);

// Declares vann:preferredNamespacePrefix and vann:preferredNamespaceUri and states both.
void writePreferredNamespace(RdfCpp::Graph& graph, const Redland::Node& subject, const std::string& prefix,
                             const std::string& namespaceUri);
// Declares cc:license and states the licence as the resource licenceIri.
void writeLicence(RdfCpp::Graph& graph, const Redland::Node& subject, const std::string& licenceIri);
