#include "rdf/rdf_list.h"

#include "rdf/graph.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {

using Redland::Node;

bool RdfList::addList(const Node& head, Graph* graph) const {
    if (!graph || !head.isBlank()) return false;
    bool written = true;
    Node cell = head;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            Node next = i - 1 < cells.size() ? cells[i - 1] : Node::blank();
            written = graph->addTriple(cell, Vocabulary::rdf_rest, next) && written;
            cell = std::move(next);
        }
        if (cellType.isValid()) written = graph->addTriple(cell, Vocabulary::rdf_type, cellType) && written;
        written = graph->addTriple(cell, Vocabulary::rdf_first, items[i]) && written;
    }
    return graph->addTriple(cell, Vocabulary::rdf_rest, Vocabulary::rdf_nil) && written;
}

}  // namespace RdfCpp
