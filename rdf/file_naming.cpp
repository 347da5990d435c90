#include "rdf/file_naming.h"

#include <boost/algorithm/string/predicate.hpp>
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

namespace {

// The format an extension belongs to; "" when it is no graph file's.
std::string formatOfExtension(const std::string& extension) {
    using boost::algorithm::iequals;
    if (iequals(extension, ".owl") || iequals(extension, ".rdf")) return "rdfxml";
    if (iequals(extension, ".ttl")) return "turtle";
    if (iequals(extension, ".nt")) return "ntriples";
    return std::string();
}

// Formats other than Turtle and N-Triples are RDF/XML variants.
std::string formatFamily(const std::string& format) {
    return format == "turtle" || format == "ntriples" ? format : "rdfxml";
}

}  // namespace

std::string formatFileExtension(const std::string& format) {
    const std::string family = formatFamily(format);
    if (family == "turtle") return ".ttl";
    if (family == "ntriples") return ".nt";
    return ".owl";
}

bool isGraphFileExtension(const std::string& extension) { return !formatOfExtension(extension).empty(); }

std::string withFormatExtension(const std::string& path, const std::string& format) {
    const boost::filesystem::path file(path);
    const std::string current = formatOfExtension(file.extension().string());
    if (current.empty() || current == formatFamily(format)) return path;
    return boost::filesystem::path(file).replace_extension(formatFileExtension(format)).string();
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
