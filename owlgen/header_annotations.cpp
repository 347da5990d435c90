#include "owlgen/header_annotations.h"

#include "rdf/vocabulary.h"

void declareAnnotationProperty(RdfCpp::Graph& graph, const Redland::Node& property) {
    graph.addTriple(property, Vocabulary::rdf_type, Vocabulary::owl_AnnotationProperty);
}

void annotate(RdfCpp::Graph& graph, const Redland::Node& subject, const Redland::Node& property,
              const std::string& value) {
    graph.addTriple(subject, property, Redland::Node::literal(value));
}
