#pragma once
// What the graphs of a manager state about one class: its named superclasses and the restriction chains
// read back from them. Read on first request from every graph the manager then holds, never refreshed.
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "rdf/node.h"
#include "rdf/restrictions.h"

namespace RdfCpp {

class GraphManager;

class OntologyClass : public Redland::Node {
public:
    OntologyClass(const Redland::Node& node, GraphManager* manager);

    // Chains stated directly on this class (rdfs:subClassOf a restriction), outermost step first.
    const std::vector<ClassRestrictions*>& getOwnRestrictions();
    // Direct named superclasses, in node order, without the class itself.
    const std::vector<Redland::Node>& getSuperClasses();
    // Every named class reached through rdfs:subClassOf, nearest first; never the class itself.
    const std::vector<Redland::Node>& getAncestors();

    GraphManager* manager;

    // Results of GraphManager::getClassRestrictions for this class, keyed by (steps, kinds).
    std::map<std::pair<int, std::set<Redland::Node>>, std::vector<ClassRestrictions*>> restrictionQueries;

private:
    bool restrictionsRead = false;
    bool superClassesRead = false;
    bool ancestorsRead = false;
    std::vector<std::unique_ptr<Restriction>> steps;
    std::vector<std::unique_ptr<ClassRestrictions>> chains;
    std::vector<ClassRestrictions*> chainPointers;
    std::vector<Redland::Node> superClasses;
    std::vector<Redland::Node> ancestors;
};

}  // namespace RdfCpp
