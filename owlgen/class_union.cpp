#include "owlgen/class_union.h"

#include "rdf/rdf_list.h"
#include "rdf/vocabulary.h"

using Redland::Node;
namespace V = Vocabulary;

Node writeUnionOf(RdfCpp::Graph& graph, const std::vector<Node>& members) {
    if (members.empty()) return Node();
    if (members.size() == 1) return members.front();
    Node unionClass = Node::blank();
    Node head = Node::blank();
    graph.addTriple(unionClass, V::rdf_type, V::owl_Class);
    graph.addTriple(unionClass, V::owl_unionOf, head);
    RdfCpp::RdfList list;
    list.items = members;
    list.addList(head, &graph);
    return unionClass;
}
