#pragma once
// What the graphs of a manager state about one class: the restriction chains read back from them.
#include <memory>
#include <vector>

#include "rdf/node.h"
#include "rdf/restrictions.h"

namespace RdfCpp {

class GraphManager;

class OntologyClass : public Redland::Node {
public:
    OntologyClass(const Redland::Node& node, GraphManager* manager);

    // Chains stated directly on this class (rdfs:subClassOf an owl:Restriction), read on first request.
    const std::vector<ClassRestrictions*>& getOwnRestrictions();
    // Direct named superclasses.
    const std::vector<Redland::Node>& getSuperClasses();

    GraphManager* manager;

private:
    bool restrictionsRead = false;
    bool superClassesRead = false;
    std::vector<std::unique_ptr<Restriction>> steps;
    std::vector<std::unique_ptr<ClassRestrictions>> chains;
    std::vector<ClassRestrictions*> chainPointers;
    std::vector<Redland::Node> superClasses;
};

}  // namespace RdfCpp
