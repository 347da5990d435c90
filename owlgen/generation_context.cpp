#include "owlgen/generation_context.h"

Redland::Node GenerationContext::nameIn(RdfCpp::Graph& graph, const std::string& name) {
    return Redland::Node(graph.getUri() + "#" + name);
}
