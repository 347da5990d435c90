#pragma once
// The union of classes as OWL 2 DL allows it: at least two operands, or no union at all.
#include <vector>

#include "rdf/graph.h"
#include "rdf/node.h"

// The class that is the union of members: the null node for none, the member itself for one, otherwise a
// blank owl:Class with owl:unionOf the list of members, written into graph.
Redland::Node writeUnionOf(RdfCpp::Graph& graph, const std::vector<Redland::Node>& members);
