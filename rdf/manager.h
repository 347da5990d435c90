#pragma once
// The graphs of one project: a root graph and the graphs it imports, with their repositories,
// namespace prefixes and cached property and class descriptions. Owns every graph it holds.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "rdf/connector.h"
#include "rdf/graph.h"
#include "rdf/node.h"

class ClassRestrictions;  // rdf/restrictions.h

namespace RdfCpp {

class OntologyProperty;
class OntologyClass;

class GraphManager {
public:
    GraphManager();
    GraphManager(const GraphManager&) = delete;
    GraphManager& operator=(const GraphManager&) = delete;
    virtual ~GraphManager();

    virtual Graph* importGraph(const std::string& uri, Graph* importingGraph, Connector* connector,
                               std::vector<Connector*> moreConnectors);
    virtual Graph* _createGraph(const std::string& uri, Connector* connector);
    virtual Graph* createRootGraph(const std::string& uri, Connector* connector);
    virtual Graph* loadRootGraph(const std::string& uri, Connector* connector, std::vector<Connector*> moreConnectors);
    virtual bool save(Connector* connector);
    virtual Graph* getRootGraph();
    virtual Graph* findGraph(const std::string& uri, Connector* connector);
    virtual Graph* _add_model(const std::string& uri, Connector* connector, Graph* graph);
    virtual bool removeGraph(Graph* graph);
    virtual bool clearIndividualCaches();
    virtual bool clearImportCaches();
    virtual bool clearDescriptionCaches();
    virtual bool _readConfig(const std::string& configFile);

    bool addConnector(Connector* connector);
    void clear();
    // Takes a graph saved outside the manager, to stand in for a load of its file (from the next project
    // on) while that is unchanged.
    void keepSaved(std::unique_ptr<Graph> graph);
    bool setPrefix(const std::string& namespaceUri, const std::string& prefix);
    bool getImportedGraphs(Graph* graph, std::vector<Graph*>& out);

    // Cached descriptions built from every graph held at the first request; owned by the manager.
    OntologyProperty* getOntologyProperty(const Redland::Node& property);
    OntologyClass* getOntologyClass(const Redland::Node& cls);
    // Restriction chains stated with rdfs:subClassOf on cls or an ancestor, of exactly `steps` steps whose
    // kinds are all in `kinds` (steps < 1: any length; empty kinds: any kind); cls's own chains first, then
    // the nearest ancestors'. They belong to the manager's class descriptions.
    std::vector<ClassRestrictions*> getClassRestrictions(const Redland::Node& cls, int steps,
                                                         const std::set<Redland::Node>& kinds);

    const std::map<std::string, Graph*>& getGraphs() const { return graphs; }
    const std::map<std::string, std::string>& getPrefixTable() const { return prefixes; }
    const std::string& getRootDataModelPath() const { return rootDataModelPath; }

private:
    // Takes ownership of a graph a connector handed out; the pointer stays valid until clear().
    Graph* keep(std::unique_ptr<Graph> graph);
    // _add_model's work, raising its errors; the public operation undoes what a failed call registered.
    Graph* addModel(const std::string& uri, Connector* connector, Graph* graph);
    // The keys of the graphs held now, and the undoing of every registration made since they were taken.
    std::set<std::string> heldKeys() const;
    void removeGraphsAddedSince(const std::set<std::string>& heldBefore);
    // graph and every managed graph that imports it, directly or through others.
    std::vector<Graph*> importersOf(Graph* graph);

    std::vector<Connector*> connectors;  // not owned
    std::map<std::string, Graph*> graphs;
    std::map<std::string, std::set<std::string>> importers;
    std::map<Graph*, std::vector<Graph*>> importersCache, importsCache;
    std::map<std::string, std::string> prefixes;
    std::map<Redland::Node, std::unique_ptr<OntologyProperty>> propertyCache;
    std::map<Redland::Node, std::unique_ptr<OntologyClass>> classCache;
    std::string rootDataModelPath;
    std::vector<std::unique_ptr<Graph>> owned;  // every graph created or loaded since the last clear()
    // Graphs of the previous project that were saved and not changed since, by URI: a later request for
    // one of them takes it back instead of parsing its file again.
    std::map<std::string, std::unique_ptr<Graph>> reusable;
    Graph* takeReusable(const std::string& uri, Connector* connector);
    std::set<std::string> adding;  // URIs whose imports _add_model is following
    // Descriptions dropped from the caches stay alive until clear(): callers may still hold them.
    std::vector<std::unique_ptr<OntologyProperty>> retiredProperties;
    std::vector<std::unique_ptr<OntologyClass>> retiredClasses;
};

}  // namespace RdfCpp
