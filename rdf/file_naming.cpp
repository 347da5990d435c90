#include "rdf/file_naming.h"

#include <boost/filesystem/path.hpp>

#include "rdf/graph_local.h"

namespace RdfCpp {

std::string uriFileStem(const std::string& uri) {
    std::string text;
    for (char c : uri) {
        if (c != '#') text += c;
    }
    while (!text.empty() && text.back() == '/') text.pop_back();
    const std::string stem = boost::filesystem::path(text).stem().string();
    if (stem == "." || stem == "..") return std::string();
    return stem;
}

std::string newGraphFileName(const std::string& name, bool inSubfolder) {
    if (name.empty()) return std::string();
    if (inSubfolder) return name + "/" + name + ".owl";
    return name + ".owl";
}

std::string savedGraphFileName(Graph& graph, const std::string& tboxFolder, bool inSubfolder) {
    if (auto* local = dynamic_cast<GraphLocal*>(&graph)) {
        if (!local->getPath().empty()) return local->getPath();
    }
    const std::string name = uriFileStem(graph.getUri());
    if (name.empty()) return std::string();
    if (!tboxFolder.empty() && graph.isTbox()) return tboxFolder + "/" + name + ".owl";
    return newGraphFileName(name, inSubfolder);
}

}  // namespace RdfCpp
