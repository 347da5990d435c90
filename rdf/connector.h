#pragma once
// A repository behind graphs: creates, finds, loads, queries and saves them.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "rdf/graph.h"
#include "rdf/sparql_query.h"

namespace RdfCpp {

class Connector {
public:
    virtual ~Connector() = default;
    virtual bool _readConfig(const std::string& configFile) = 0;
    virtual bool isRemote() const = 0;
    // The caller owns the graphs returned (null when nothing was found or made).
    virtual std::unique_ptr<Graph> loadGraph(const std::string& uriOrName) = 0;
    virtual std::unique_ptr<Graph> createGraph(const std::string& uri) = 0;
    virtual bool _save(Graph* graph, const std::vector<Graph*>& importedGraphs,
                       std::map<std::string, std::string> prefixes) = 0;
    virtual bool isSameRepository(const Connector* other) const = 0;
    virtual bool query(SparqlQuery& query, Graph* graph, bool clearResults) = 0;
    virtual bool queryGraphs(SparqlQuery& query, std::set<Graph*> fromGraphs, std::set<Graph*> namedGraphs,
                             bool clearResults) = 0;
};

}  // namespace RdfCpp
