#pragma once
// What the graphs of a manager state about one property.
#include <set>
#include <string>
#include <vector>

#include "rdf/node.h"

namespace RdfCpp {

class GraphManager;

class OntologyProperty : public Redland::Node {
public:
    OntologyProperty(const Redland::Node& node, GraphManager* manager);

    // Descriptions of the properties stated owl:inverseOf this one, in either direction.
    std::vector<OntologyProperty*> getInverseProperties();

    GraphManager* manager;
    bool isDatatypeProperty = false;
    bool isObjectProperty = false;
    std::string label;  // rdfs:label, else the local name
    bool isFunctional = false;
    bool isInverseFunctional = false;
    bool isTransitive = false;
    bool isSymmetric = false;
    bool isAsymmetric = false;
    bool isReflexive = false;
    bool isIrreflexive = false;
    std::set<Redland::Node> inverseProperties;
    std::set<Redland::Node> equivalentProperties;
    std::set<Redland::Node> subProperties;

private:
    bool inversesResolved = false;
    std::vector<OntologyProperty*> inverseDescriptions;
};

}  // namespace RdfCpp
