#include "rdf/graph_local.h"

#include <boost/filesystem/path.hpp>
#include <iterator>

#include "rdf/connector_local.h"
#include "rdf/file_naming.h"

namespace RdfCpp {
namespace {

// The path with every element named oldName, and the file stem oldName, renamed to newName. Whole elements
// only: a short name must not rewrite parts of unrelated folder names.
std::string renamePath(const std::string& path, const std::string& oldName, const std::string& newName) {
    const boost::filesystem::path original(path);
    boost::filesystem::path result;
    for (auto element = original.begin(); element != original.end(); ++element) {
        if (std::next(element) == original.end() && element->stem().string() == oldName)
            result /= newName + element->extension().string();
        else if (element->string() == oldName)
            result /= newName;
        else
            result /= *element;
    }
    return result.string();
}

}  // namespace

GraphLocal::GraphLocal(const std::string& path, ConnectorLocal* connector, bool isNew)
    : fileName(boost::filesystem::path(path).filename().string()), path(path) {
    this->connector = connector;
    if (connector) folder = connector->getRepositoryPath();
    if (isNew || !isValid()) return;
    const std::string file =
        connector ? (boost::filesystem::path(connector->getRepositoryFolder()) / path).string() : path;
    if (!loadFromFile(file)) close();
}

void GraphLocal::setPath(const std::string& newPath) {
    path = newPath;
    fileName = boost::filesystem::path(path).filename().string();
    touch();
}

bool GraphLocal::setUri(std::string newUri) {
    if (newUri.empty()) return false;
    const std::string oldName = uriFileStem(getUri());
    const std::string newName = uriFileStem(newUri);
    if (!Redland::Model::setUri(newUri)) return false;
    if (!oldName.empty() && !newName.empty() && oldName != newName) {
        path = renamePath(path, oldName, newName);
        fileName = boost::filesystem::path(path).filename().string();
    }
    return true;
}

}  // namespace RdfCpp
