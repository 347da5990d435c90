#include "owlgen/header_annotations.h"

#include "rdf/vocabulary.h"

void declareAnnotationProperty(RdfCpp::Graph& graph, const Redland::Node& property) {
    graph.addTriple(property, Vocabulary::rdf_type, Vocabulary::owl_AnnotationProperty);
}

void annotate(RdfCpp::Graph& graph, const Redland::Node& subject, const Redland::Node& property,
              const std::string& value) {
    graph.addTriple(subject, property, Redland::Node::literal(value));
}

void writePreferredNamespace(RdfCpp::Graph& graph, const Redland::Node& subject, const std::string& prefix,
                             const std::string& namespaceUri) {
    declareAnnotationProperty(graph, Vocabulary::vann_preferredNamespacePrefix);
    declareAnnotationProperty(graph, Vocabulary::vann_preferredNamespaceUri);
    annotate(graph, subject, Vocabulary::vann_preferredNamespacePrefix, prefix);
    annotate(graph, subject, Vocabulary::vann_preferredNamespaceUri, namespaceUri);
}

void writeLicence(RdfCpp::Graph& graph, const Redland::Node& subject, const std::string& licenceIri) {
    declareAnnotationProperty(graph, Vocabulary::cc_license);
    graph.addTriple(subject, Vocabulary::cc_license, Redland::Node(licenceIri));
}
