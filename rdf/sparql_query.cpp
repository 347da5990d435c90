#include "rdf/sparql_query.h"

namespace RdfCpp {

std::string SparqlQuery::text() const {
    if (select.empty() || patterns.empty()) return std::string();
    std::string out;
    for (const auto& [prefix, ns] : prefixes) out += "PREFIX " + prefix + ": <" + ns + "> \n";
    out += "SELECT DISTINCT ";
    for (const auto& entry : select) out += entry + " ";
    out += "\n";
    for (const auto& graph : fromGraphs) out += "FROM <" + graph + "> \n";
    for (const auto& graph : namedGraphs) out += "FROM NAMED <" + graph + "> \n";
    out += "WHERE\n{\n";
    for (const auto& pattern : patterns) out += pattern + " .\n";
    out += "}\n";
    if (!groupBy.empty()) {
        out += "GROUP BY ";
        for (const auto& entry : groupBy) out += entry + " ";
    }
    return out;
}

}  // namespace RdfCpp
