#include "owlgen/header_annotations.h"

#include "rdf/vocabulary.h"

Redland::Node headerTerm(const char* ns, const char* name) { return Redland::Node(std::string(ns) + name); }

void declareDcAnnotationProperty(RdfCpp::Graph& graph, const char* name) {
    graph.addTriple(headerTerm(Vocabulary::DC_NS, name), Vocabulary::rdf_type,
                    headerTerm(Vocabulary::OWL_NS, "AnnotationProperty"));
}

void annotate(RdfCpp::Graph& graph, const Redland::Node& subject, const char* ns, const char* name,
              const std::string& value) {
    graph.addTriple(subject, headerTerm(ns, name), Redland::Node::literal(value));
}
