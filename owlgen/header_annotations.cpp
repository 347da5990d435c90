#include "owlgen/header_annotations.h"

#include "rdf/vocabulary.h"

Redland::Node headerTerm(const char* ns, const char* name) { return Redland::Node(std::string(ns) + name); }

void declareAnnotationProperty(RdfCpp::Graph& graph, const char* ns, const char* name) {
    graph.addTriple(headerTerm(ns, name), Vocabulary::rdf_type, headerTerm(Vocabulary::OWL_NS, "AnnotationProperty"));
}

void declareDcAnnotationProperty(RdfCpp::Graph& graph, const char* name) {
    declareAnnotationProperty(graph, Vocabulary::DC_NS, name);
}

void annotate(RdfCpp::Graph& graph, const Redland::Node& subject, const char* ns, const char* name,
              const std::string& value) {
    graph.addTriple(subject, headerTerm(ns, name), Redland::Node::literal(value));
}

void writePreferredNamespace(RdfCpp::Graph& graph, const Redland::Node& subject, const std::string& prefix,
                             const std::string& namespaceUri) {
    declareAnnotationProperty(graph, Vocabulary::VANN_NS, "preferredNamespacePrefix");
    declareAnnotationProperty(graph, Vocabulary::VANN_NS, "preferredNamespaceUri");
    annotate(graph, subject, Vocabulary::VANN_NS, "preferredNamespacePrefix", prefix);
    annotate(graph, subject, Vocabulary::VANN_NS, "preferredNamespaceUri", namespaceUri);
}

void writeLicence(RdfCpp::Graph& graph, const Redland::Node& subject, const std::string& licenceIri) {
    declareAnnotationProperty(graph, Vocabulary::CC_NS, "license");
    graph.addTriple(subject, headerTerm(Vocabulary::CC_NS, "license"), Redland::Node(licenceIri));
}
