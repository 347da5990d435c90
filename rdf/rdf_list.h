#pragma once
// An RDF collection written as rdf:first/rdf:rest cells.
#include <vector>

#include "rdf/node.h"

namespace RdfCpp {

class Graph;

class RdfList {
public:
    std::vector<Redland::Node> items;
    // When valid, every cell is stated to be of this type (rdf:List in a data range's owl:oneOf).
    Redland::Node cellType;
    // The cells after the head, for a caller that made them already; further cells are fresh blank nodes.
    std::vector<Redland::Node> cells;

    // Writes the list starting at head (a blank node); false, writing nothing, otherwise.
    bool addList(const Redland::Node& head, Graph* graph) const;
};

}  // namespace RdfCpp
