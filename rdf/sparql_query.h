#pragma once
#include <map>
#include <string>
#include <vector>

#include "rdf/node.h"

namespace RdfCpp {

// A SELECT query assembled from parts, and the rows it returned (binding name -> node).
struct SparqlQuery {
    std::vector<std::string> select;
    std::map<std::string, std::string> prefixes;  // prefix -> namespace URI
    std::vector<std::string> patterns;
    std::vector<std::string> groupBy;
    std::vector<std::string> fromGraphs;   // FROM <uri>
    std::vector<std::string> namedGraphs;  // FROM NAMED <uri>
    std::vector<std::map<std::string, Redland::Node>> results;

    // Empty when there is no select entry or no pattern (the query is then not run).
    std::string text() const;
};

}  // namespace RdfCpp
