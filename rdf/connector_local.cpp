#include "rdf/connector_local.h"

#include <tinyxml.h>

#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "rdf/application_directory.h"
#include "rdf/atomic_file.h"
#include "rdf/catalog.h"
#include "rdf/exception.h"
#include "rdf/file_lock.h"
#include "rdf/file_naming.h"
#include "rdf/graph_local.h"
#include "rdf/model.h"
#include "rdf/namespace_prefix.h"
#include "rdf/switch_text.h"

namespace fs = boost::filesystem;

namespace RdfCpp {
namespace {

const std::string saveError = "RdfCpp::ConnectorLocal::_save * ";
const std::string configError = "RdfCpp::ConnectorLocal::_readConfig * ";

std::string forwardSlashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

bool isGraphFile(const fs::path& path) { return isGraphFileExtension(path.extension().string()); }

std::size_t depth(const std::string& relativePath) { return std::count(relativePath.begin(), relativePath.end(), '/'); }

// Graph files below folder as paths relative to it, shallowest first and then by path.
bool listGraphFiles(const fs::path& folder, std::vector<std::string>& out, std::string& error) {
    out.clear();
    boost::system::error_code ec;
    if (!fs::is_directory(folder, ec)) return true;
    fs::recursive_directory_iterator entry(folder, fs::directory_options::skip_permission_denied, ec);
    const fs::recursive_directory_iterator end;
    for (; !ec && entry != end; entry.increment(ec)) {
        boost::system::error_code statusError;
        if (!fs::is_regular_file(entry->path(), statusError) || !isGraphFile(entry->path())) continue;
        out.push_back(forwardSlashes(entry->path().lexically_relative(folder).generic_string()));
    }
    if (ec) {
        error = "cannot list " + folder.string() + ": " + ec.message();
        return false;
    }
    std::sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
        const std::size_t depthA = depth(a), depthB = depth(b);
        return depthA != depthB ? depthA < depthB : a < b;
    });
    return true;
}

}  // namespace

ConnectorLocal::ConnectorLocal(const std::string& serFormat, const std::string& repositoryPath,
                               const std::string& tboxFolder)
    : repositoryPath(repositoryPath), serFormat(serFormat), tboxFolder(tboxFolder) {
    if (repositoryPath.empty()) return;
    // The folder that the graphs will be written to, not a namesake below the current directory.
    const std::string folder = getRepositoryFolder();
    boost::system::error_code ec;
    if (fs::is_directory(folder, ec)) return;
    fs::create_directories(folder, ec);
    if (ec)
        printException("RdfCpp::ConnectorLocal::ConnectorLocal * cannot create the repository folder " + folder + ": " +
                       ec.message());
}

std::string ConnectorLocal::getRepositoryFolder() const { return anchoredAtApplication(repositoryPath); }

bool ConnectorLocal::_readConfig(const std::string& configFile) {
    try {
        boost::system::error_code ec;
        if (configFile.empty() || !fs::exists(configFile, ec)) throw Exception(configError + "missing input file");
        TiXmlDocument document;
        if (!document.LoadFile(configFile)) throw Exception(configError + "error loading file");
        const TiXmlElement* config = document.RootElement();
        if (!config || config->ValueStr() != "Config") throw Exception(configError + "error parsing input file");
        const TiXmlElement* local = config->FirstChildElement("LocalRepo");
        if (!local) {
            repositoryPath.clear();
        } else {
            if (const std::string* value = local->Attribute(std::string("path"))) repositoryPath = *value;
            if (const std::string* value = local->Attribute(std::string("serFormat"))) serFormat = *value;
            if (const std::string* value = local->Attribute(std::string("inSubfolder")))
                inSubfolder = switchFromText(*value);
            if (const std::string* value = local->Attribute(std::string("TboxFolder"))) tboxFolder = *value;
        }
        modelList.clear();
        return true;
    } catch (const Exception& e) {
        printException(e.message);
        return false;
    }
}

bool ConnectorLocal::getLocalModelList(std::vector<std::string>& out) {
    std::string error;
    if (!listGraphFiles(getRepositoryFolder(), modelList, error)) {
        std::cout << "getLocalModelList - " << error << std::endl;
        modelList.clear();
        return false;
    }
    out = modelList;
    return true;
}

std::unique_ptr<Graph> ConnectorLocal::createGraph(const std::string& uri) {
    const std::string fileName = withFormatExtension(newGraphFileName(uriFileStem(uri), inSubfolder), serFormat);
    if (fileName.empty()) return nullptr;
    auto graph = std::make_unique<GraphLocal>(fileName, this, true);
    if (!graph->isValid()) return nullptr;
    modelList.clear();
    return graph;
}

std::unique_ptr<Graph> ConnectorLocal::loadGraph(const std::string& uriOrName) {
    if (uriOrName.empty()) return nullptr;
    auto load = [this](const std::string& path) -> std::unique_ptr<Graph> {
        auto graph = std::make_unique<GraphLocal>(path, this, false);
        if (!graph->isValid()) return nullptr;
        return graph;
    };
    boost::system::error_code ec;
    if (fs::is_regular_file(fs::path(getRepositoryFolder()) / uriOrName, ec)) {
        if (auto graph = load(uriOrName)) return graph;
    }
    if (modelList.empty()) {
        std::vector<std::string> listed;
        getLocalModelList(listed);
    }
    const std::string stem = uriFileStem(uriOrName);
    for (const std::string& entry : modelList) {
        if (!stem.empty() && fs::path(entry).stem().string() == stem) {
            if (auto graph = load(entry)) return graph;
        }
    }
    // Files already tried by name are not parsed (and reported) a second time.
    for (const std::string& entry : modelList) {
        if (!stem.empty() && fs::path(entry).stem().string() == stem) continue;
        auto graph = load(entry);
        if (graph && graph->getUri() == uriOrName) return graph;
    }
    return nullptr;
}

bool ConnectorLocal::isSameRepository(const Connector* other) const {
    const auto* local = dynamic_cast<const ConnectorLocal*>(other);
    return local && fs::path(local->repositoryPath) == fs::path(repositoryPath);
}

bool ConnectorLocal::query(SparqlQuery& query, Graph* graph, bool clearResults) {
    return queryGraphs(query, {graph}, {}, clearResults);
}

bool ConnectorLocal::queryGraphs(SparqlQuery& query, std::set<Graph*> fromGraphs, std::set<Graph*> namedGraphs,
                                 bool clearResults) {
    if (clearResults) query.results.clear();
    std::vector<Redland::Model*> models;
    for (const std::set<Graph*>* graphs : {&fromGraphs, &namedGraphs}) {
        for (Graph* graph : *graphs) {
            auto* model = dynamic_cast<Redland::Model*>(graph);
            if (model && std::find(models.begin(), models.end(), model) == models.end()) models.push_back(model);
        }
    }
    // Rows come in graph URI order, not in the order of the graphs' addresses.
    std::stable_sort(models.begin(), models.end(),
                     [](Redland::Model* a, Redland::Model* b) { return a->getUri() < b->getUri(); });
    for (Redland::Model* model : models) {
        if (!model->query(query, false)) return false;
    }
    return true;
}

// A graph of this repository that is unchanged stays in the file it was read from; any other is written
// (or is about to be) in this connector's format, with that format's extension.
std::string ConnectorLocal::writtenFileName(Graph& graph) const {
    const std::string fileName = savedGraphFileName(graph, tboxFolder, inSubfolder);
    if (graph.getConnector() && graph.getConnector()->isSameRepository(this) && !graph.isModified()) return fileName;
    return withFormatExtension(fileName, serFormat);
}

bool ConnectorLocal::_save(Graph* graph, const std::vector<Graph*>& importedGraphs,
                           std::map<std::string, std::string> prefixes) {
    try {
        if (!graph) throw Exception(saveError + "missing graph to be saved");
        if (graph->isInTransaction()) graph->transactionCommit();
        if (graph->getConnector() && graph->getConnector()->isSameRepository(this) && !graph->isModified()) return true;
        const std::string fileName = writtenFileName(*graph);
        if (fileName.empty()) throw Exception(saveError + "missing graph name to be saved");
        const fs::path repositoryFolder(getRepositoryFolder());
        const fs::path file = repositoryFolder / fileName;
        boost::system::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        if (ec)
            throw Exception(saveError + "cannot create the folder " + file.parent_path().string() + ": " +
                            ec.message());

        // Prefixes taken from IRIs need not be XML names; RDF/XML writes them as such.
        prefixes = withXmlPrefixes(prefixes);
        std::string error;
        if (auto* model = dynamic_cast<Redland::Model*>(graph)) {
            bool serialized = true;
            int serializeErrno = 0;
            const bool replaced = replaceFileAtomically(
                file.string(),
                [&](const std::string& temp) {
                    errno = 0;
                    serialized = model->serializeToFile(prefixes, temp, serFormat);
                    serializeErrno = errno;
                    return serialized;
                },
                error);
            if (!serialized) {
                const std::string reason = serializeErrno ? std::strerror(serializeErrno) : "the serializer failed";
                throw Exception(saveError + "failed to serialize to file " + file.string() + ": " + reason);
            }
            if (!replaced) throw Exception(saveError + error);
            graph->markSaved(prefixes, file.string());
        } else {
            std::string text;
            if (!graph->serializeToString(text, prefixes, serFormat))
                throw Exception(saveError + "failed to serialize to string for " + file.string());
            if (!writeTextAtomically(file.string(), text + "\n", error)) throw Exception(saveError + error);
        }
        modelList.clear();

        // Two runs saving into one folder must not lose each other's catalog entries.
        const fs::path catalogFile = file.parent_path() / "catalog-v001.xml";
        FileLock lock((file.parent_path() / ".catalog-v001.xml.lock").string());
        if (!lock.locked()) throw Exception(saveError + lock.error());
        Catalog catalog;
        if (!catalog.read(catalogFile.string(), error)) {
            if (fs::exists(catalogFile, ec) && !fs::is_regular_file(catalogFile, ec))
                throw Exception(saveError + "cannot write the catalog: " + error);
            std::cout << " WARNING: " << error << "; the catalog is written anew" << std::endl;
        }
        for (Graph* imported : importedGraphs) {
            if (!imported || imported == graph) continue;
            const std::string importedFile = writtenFileName(*imported);
            if (importedFile.empty()) throw Exception(saveError + "missing graph name to be saved");
            const fs::path target = repositoryFolder / importedFile;
            fs::path relative = fs::relative(target, file.parent_path(), ec);
            if (ec || relative.empty()) relative = target.lexically_relative(file.parent_path());
            const std::string location = forwardSlashes(relative.generic_string());
            catalog.entries["file:" + forwardSlashes(importedFile)] = location;
            const std::string importedUri = imported->getUri();
            if (!importedUri.empty()) catalog.entries[importedUri] = location;
        }
        if (!catalog.write(catalogFile.string(), error)) throw Exception(saveError + error);
        return true;
    } catch (const Exception& e) {
        printException(e.message);
    } catch (const std::exception& e) {
        printException(saveError + e.what());
    }
    return false;
}

}  // namespace RdfCpp
