#include "rdf/manager.h"

#include <tinyxml.h>

#include <algorithm>
#include <boost/filesystem/operations.hpp>
#include <iostream>

#include "rdf/exception.h"
#include "rdf/ontology_class.h"
#include "rdf/ontology_property.h"
#include "rdf/process_exit.h"
#include "rdf/restrictions.h"

namespace RdfCpp {
namespace {

// Where a root graph named by a bare word (no "/", no scheme) lives.
const std::string defaultBaseUri = "http://sartell.example.org/graphs/";

// The failure of one of the manager's operations, named as the messages name it.
Exception failure(const char* operation, const std::string& what) {
    return Exception(std::string("RdfCpp::GraphManager::") + operation + " * " + what);
}

// A chain is kept when it has the asked number of steps (any number when steps < 1) and every step's kind
// is one of kinds (any kind when kinds is empty).
bool isWanted(const ClassRestrictions& chain, int steps, const std::set<Redland::Node>& kinds) {
    if (steps >= 1 && chain.restrictions.size() != static_cast<std::size_t>(steps)) return false;
    if (kinds.empty()) return true;
    for (const Restriction* step : chain.restrictions) {
        if (!step || !kinds.count(step->type)) return false;
    }
    return true;
}

}  // namespace

GraphManager::GraphManager() = default;

GraphManager::~GraphManager() {
    if (leavesGraphsToTheSystem()) {
        // The process ends with this manager: hand the graphs and descriptions over to the system.
        new std::vector<std::unique_ptr<Graph>>(std::move(owned));
        new std::map<std::string, std::unique_ptr<Graph>>(std::move(reusable));
        new std::map<Redland::Node, std::unique_ptr<OntologyProperty>>(std::move(propertyCache));
        new std::map<Redland::Node, std::unique_ptr<OntologyClass>>(std::move(classCache));
        new std::vector<std::unique_ptr<OntologyProperty>>(std::move(retiredProperties));
        new std::vector<std::unique_ptr<OntologyClass>>(std::move(retiredClasses));
    }
    clear();
}

Graph* GraphManager::keep(std::unique_ptr<Graph> graph) {
    if (!graph) return nullptr;
    owned.push_back(std::move(graph));
    return owned.back().get();
}

bool GraphManager::addConnector(Connector* connector) {
    if (!connector) return false;
    for (Connector* registered : connectors) {
        if (registered == connector || registered->isSameRepository(connector)) return true;
    }
    connectors.push_back(connector);
    return true;
}

void GraphManager::clear() {
    rootDataModelPath.clear();
    connectors.clear();
    graphs.clear();
    importers.clear();
    importersCache.clear();
    importsCache.clear();
    prefixes.clear();
    propertyCache.clear();
    classCache.clear();
    retiredProperties.clear();
    retiredClasses.clear();
    adding.clear();
    reusable.clear();
    for (auto& graph : owned) {
        if (!graph->matchesSavedFile()) continue;
        const std::string uri = graph->getUri();
        if (!uri.empty()) reusable[uri] = std::move(graph);
    }
    owned.clear();
}

void GraphManager::keepSaved(std::unique_ptr<Graph> graph) {
    // Held like the graphs of the current project, it is offered for reuse from the next clear() on.
    if (graph && graph->matchesSavedFile()) keep(std::move(graph));
}

Graph* GraphManager::takeReusable(const std::string& uri, Connector* connector) {
    auto found = reusable.find(uri);
    if (found == reusable.end()) return nullptr;
    std::unique_ptr<Graph> graph = std::move(found->second);
    reusable.erase(found);
    Connector* own = graph->getConnector();
    const bool sameRepository = !connector || (own && own->isSameRepository(connector));
    if (!sameRepository || !graph->matchesSavedFile()) return nullptr;
    graph->restoreAsLoaded();
    return keep(std::move(graph));
}

bool GraphManager::setPrefix(const std::string& namespaceUri, const std::string& prefix) {
    if (namespaceUri.empty() || prefix.empty()) return false;
    prefixes[namespaceUri] = prefix;
    return true;
}

Graph* GraphManager::findGraph(const std::string& uri, Connector* connector) {
    if (uri.empty()) return nullptr;
    auto held = graphs.find(uri);
    if (held != graphs.end()) return held->second;
    if (Graph* graph = takeReusable(uri, connector)) return graph;
    if (connector) {
        if (Graph* graph = keep(connector->loadGraph(uri))) return graph;
    }
    for (Connector* registered : connectors) {
        if (registered == connector) continue;
        if (Graph* graph = keep(registered->loadGraph(uri))) return graph;
    }
    return nullptr;
}

Graph* GraphManager::_createGraph(const std::string& uri, Connector* connector) {
    try {
        if (connector)
            addConnector(connector);
        else if (!connectors.empty())
            connector = connectors.front();
        if (!connector) return nullptr;
        Graph* graph = keep(connector->createGraph(uri));
        if (!graph) return nullptr;
        if (!graph->setOntology(uri)) throw failure("_createGraph", "Failed to initialize Graph");
        return graph;
    } catch (const Exception& e) {
        printException(e.message);
    }
    return nullptr;
}

Graph* GraphManager::createRootGraph(const std::string& uri, Connector* connector) {
    try {
        clear();
        addConnector(connector);
        if (!connector) throw failure("createRootGraph", "Missing connector");
        if (uri.empty()) throw failure("createRootGraph", "Missing graph uri");
        // urn: and other IRIs without "/" have a scheme and are used as they are.
        const std::string graphUri = uri.find_first_of("/:") == std::string::npos ? defaultBaseUri + uri : uri;
        Graph* graph = _createGraph(graphUri, connector);
        if (!graph || !_add_model(graph->getUri(), connector, graph))
            throw failure("createRootGraph", "Failed to add Root Graph");
        return graph;
    } catch (const Exception& e) {
        printException(e.message);
    }
    return nullptr;
}

Graph* GraphManager::loadRootGraph(const std::string& uri, Connector* connector,
                                   std::vector<Connector*> moreConnectors) {
    try {
        clear();
        if (!connector) throw failure("loadRootGraph", "Missing connector");
        addConnector(connector);
        for (Connector* more : moreConnectors) addConnector(more);
        if (uri.empty()) throw failure("loadRootGraph", "Missing graph uri");
        Graph* graph = _add_model(uri, connector, nullptr);
        if (!graph) throw failure("loadRootGraph", "Failed to add Root Graph");
        return graph;
    } catch (const Exception& e) {
        printException(e.message);
    }
    return nullptr;
}

std::set<std::string> GraphManager::heldKeys() const {
    std::set<std::string> keys;
    for (const auto& entry : graphs) keys.insert(entry.first);
    return keys;
}

void GraphManager::removeGraphsAddedSince(const std::set<std::string>& heldBefore) {
    std::vector<Graph*> added;
    for (const auto& entry : graphs) {
        if (!heldBefore.count(entry.first)) added.push_back(entry.second);
    }
    for (Graph* addedGraph : added) removeGraph(addedGraph);
}

Graph* GraphManager::_add_model(const std::string& uri, Connector* connector, Graph* graph) {
    const std::set<std::string> heldBefore = heldKeys();
    try {
        return addModel(uri, connector, graph);
    } catch (const Exception& e) {
        // Nothing of a failed call stays registered: a graph whose imports are incomplete is not saved.
        removeGraphsAddedSince(heldBefore);
        adding.clear();
        printException(e.message);
    }
    return nullptr;
}

Graph* GraphManager::addModel(const std::string& uri, Connector* connector, Graph* graph) {
    if (!graph) graph = findGraph(uri, connector);
    if (!graph) throw failure("_add_model", "failed to load rdf graph");
    const std::string graphUri = graph->getUri();
    auto held = graphs.find(graphUri);
    if (held != graphs.end()) {
        // Registration comes before the imports are followed, so a graph met again while its own imports are
        // being followed closes a cycle.
        if (adding.count(graphUri)) throw failure("_add_model", "import cycle through " + graphUri);
        return held->second;
    }
    std::cout << "LOAD: " << graphUri << std::endl;
    clearImportCaches();
    clearDescriptionCaches();

    std::string key = graphUri;
    for (std::size_t number = graphs.size(); key.empty() || graphs.count(key); ++number)
        key = "graphId_" + std::to_string(number);
    graphs[key] = graph;
    if (graphUri.empty()) return graph;  // no URI, no imports

    const std::string graphNamespace = graph->getNamespace();
    const std::string name = graph->getName();
    if (!prefixes.count(graphNamespace) && !name.empty()) prefixes[graphNamespace] = name;
    const std::map<std::string, std::string> seen = graph->getPrefixes();
    for (const std::string& namespaceUri : graph->getNamespaceUris()) {
        auto prefix = seen.find(namespaceUri);
        if (!prefixes.count(namespaceUri) && prefix != seen.end()) prefixes[namespaceUri] = prefix->second;
    }

    adding.insert(graphUri);
    for (const std::string& importUri : graph->getImports()) {
        Graph* imported = findGraph(importUri, connector);
        if (!imported) throw failure("_add_model", "depending Graph not found/loaded");
        imported = addModel(imported->getUri(), connector, imported);
        importers[imported->getUri()].insert(graphUri);
    }
    adding.erase(graphUri);
    return graph;
}

Graph* GraphManager::importGraph(const std::string& uri, Graph* importingGraph, Connector* connector,
                                 std::vector<Connector*> moreConnectors) {
    try {
        if (uri.empty()) throw failure("importGraph", "missing uri");
        for (Connector* more : moreConnectors) addConnector(more);
        Graph* imported = findGraph(uri, connector);
        if (!imported) throw failure("importGraph", "missing imported graph");

        Graph* importing = importingGraph;
        if (importing) {
            const bool held = std::any_of(graphs.begin(), graphs.end(),
                                          [importing](const auto& entry) { return entry.second == importing; });
            if (!held) {
                std::cout << " ERROR: the submodel does NOT exist! Root model is set as default." << std::endl;
                importing = getRootGraph();
            }
        } else {
            importing = getRootGraph();
        }
        if (!importing) throw failure("importGraph", "missing importing graph");

        const std::set<std::string> heldBefore = heldKeys();
        imported = _add_model(uri, connector, imported);
        if (!imported) throw failure("importGraph", "failed to import");

        const std::vector<Graph*> upstream = importersOf(importing);
        std::vector<Graph*> downstream;
        getImportedGraphs(imported, downstream);
        const bool cycle = std::any_of(upstream.begin(), upstream.end(), [&downstream](Graph* graph) {
            return std::find(downstream.begin(), downstream.end(), graph) != downstream.end();
        });
        if (cycle) {
            removeGraphsAddedSince(heldBefore);
            return nullptr;
        }

        clearImportCaches();
        clearDescriptionCaches();
        const std::string importedUri = imported->getUri();
        importers[importedUri].insert(importing->getUri());
        if (!importing->getImports().count(uri)) importing->addImport(importedUri);
        return imported;
    } catch (const Exception& e) {
        printException(e.message);
    }
    return nullptr;
}

Graph* GraphManager::getRootGraph() {
    for (const auto& entry : graphs) {
        auto importing = importers.find(entry.second->getUri());
        if (importing == importers.end() || importing->second.empty()) return entry.second;
    }
    return nullptr;
}

std::vector<Graph*> GraphManager::importersOf(Graph* graph) {
    auto cached = importersCache.find(graph);
    if (cached != importersCache.end()) return cached->second;
    std::vector<Graph*> result{graph};
    std::set<std::string> seen{graph->getUri()};
    for (std::size_t next = 0; next < result.size(); ++next) {
        auto importing = importers.find(result[next]->getUri());
        if (importing == importers.end()) continue;
        for (const std::string& importerUri : importing->second) {
            auto held = graphs.find(importerUri);
            if (held != graphs.end() && seen.insert(importerUri).second) result.push_back(held->second);
        }
    }
    importersCache[graph] = result;
    return result;
}

bool GraphManager::getImportedGraphs(Graph* graph, std::vector<Graph*>& out) {
    out.clear();
    if (!graph) return false;
    auto cached = importsCache.find(graph);
    if (cached != importsCache.end()) {
        out = cached->second;
        return true;
    }
    out.push_back(graph);
    std::set<std::string> seen{graph->getUri()};
    for (std::size_t next = 0; next < out.size(); ++next) {
        const std::string current = out[next]->getUri();
        if (current.empty()) continue;
        for (const auto& entry : graphs) {
            const std::string candidate = entry.second->getUri();
            auto importing = importers.find(candidate);
            if (importing != importers.end() && importing->second.count(current) && seen.insert(candidate).second)
                out.push_back(entry.second);
        }
    }
    importsCache[graph] = out;
    return true;
}

bool GraphManager::save(Connector* connector) {
    try {
        for (const auto& entry : graphs) {
            Connector* target = connector ? connector : entry.second->getConnector();
            if (!target) throw failure("save", "Missing connector to save graph: " + entry.first);
            std::vector<Graph*> imported;
            getImportedGraphs(entry.second, imported);
            if (!target->_save(entry.second, imported, prefixes))
                throw failure("save", "Failed to save graph (A): " + entry.first);
        }
        return true;
    } catch (const Exception& e) {
        printException(e.message);
    }
    return false;
}

bool GraphManager::removeGraph(Graph* graph) {
    if (!graph) {
        std::cout << " Model was NOT removed! - "
                  << "missing rdf model" << std::endl;
        return false;
    }
    clearImportCaches();
    clearDescriptionCaches();
    const std::string graphUri = graph->getUri();
    // By object, not by URI: a graph without URI is held under a generated key.
    for (auto entry = graphs.begin(); entry != graphs.end();) {
        if (entry->second == graph)
            entry = graphs.erase(entry);
        else
            ++entry;
    }
    importers.erase(graphUri);
    for (auto& entry : importers) entry.second.erase(graphUri);
    prefixes.erase(graph->getNamespace());
    return true;
}

bool GraphManager::clearIndividualCaches() { return true; }

bool GraphManager::clearImportCaches() {
    importersCache.clear();
    importsCache.clear();
    return true;
}

bool GraphManager::clearDescriptionCaches() {
    for (auto& entry : propertyCache) retiredProperties.push_back(std::move(entry.second));
    for (auto& entry : classCache) retiredClasses.push_back(std::move(entry.second));
    propertyCache.clear();
    classCache.clear();
    return true;
}

OntologyProperty* GraphManager::getOntologyProperty(const Redland::Node& property) {
    std::unique_ptr<OntologyProperty>& slot = propertyCache[property];
    if (!slot) slot = std::make_unique<OntologyProperty>(property, this);
    return slot.get();
}

OntologyClass* GraphManager::getOntologyClass(const Redland::Node& cls) {
    std::unique_ptr<OntologyClass>& slot = classCache[cls];
    if (!slot) slot = std::make_unique<OntologyClass>(cls, this);
    return slot.get();
}

// Walked through statement finding rather than one SPARQL query: the engine has no property paths, and
// the rule pass asks once or more per entity, so each class is read once and each answer kept.
std::vector<ClassRestrictions*> GraphManager::getClassRestrictions(const Redland::Node& cls, int steps,
                                                                   const std::set<Redland::Node>& kinds) {
    if (!cls.isValid()) return {};
    OntologyClass* description = getOntologyClass(cls);
    if (!description) return {};
    const auto key = std::make_pair(steps, kinds);
    auto cached = description->restrictionQueries.find(key);
    if (cached != description->restrictionQueries.end()) return cached->second;

    std::vector<ClassRestrictions*> found;
    auto collect = [&](OntologyClass* owner) {
        if (!owner) return;
        for (ClassRestrictions* chain : owner->getOwnRestrictions()) {
            if (isWanted(*chain, steps, kinds)) found.push_back(chain);
        }
    };
    collect(description);
    // Copied: asking for an ancestor's description may grow the manager's class cache.
    const std::vector<Redland::Node> ancestors = description->getAncestors();
    for (const Redland::Node& ancestor : ancestors) collect(getOntologyClass(ancestor));
    description->restrictionQueries[key] = found;
    return found;
}

bool GraphManager::_readConfig(const std::string& configFile) {
    try {
        boost::system::error_code ec;
        if (configFile.empty() || !boost::filesystem::exists(configFile, ec))
            throw failure("_readConfig", "missing input file");
        TiXmlDocument document;
        if (!document.LoadFile(configFile)) throw failure("_readConfig", "error loading file");
        const TiXmlElement* config = document.RootElement();
        if (!config || config->ValueStr() != "Config") throw failure("_readConfig", "error parsing input file");
        if (const TiXmlElement* root = config->FirstChildElement("RootDataModel")) {
            if (const std::string* path = root->Attribute(std::string("path"))) rootDataModelPath = *path;
        }
        return true;
    } catch (const Exception& e) {
        printException(e.message);
    }
    return false;
}

}  // namespace RdfCpp
