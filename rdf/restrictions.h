#pragma once
// OWL restrictions and restriction chains, described as records and written as class expressions.
#include <set>
#include <string>
#include <vector>

#include "rdf/graph.h"
#include "rdf/node.h"

namespace RdfCpp {
class GraphManager;
class OntologyProperty;
}  // namespace RdfCpp

struct DataRangeFacets {
    std::string length;
    std::string minValue;
    std::string maxValue;
    bool minInclusive = false;
    bool maxInclusive = false;
    std::set<Redland::Node> oneOf;

    friend bool operator==(const DataRangeFacets& a, const DataRangeFacets& b);
    friend bool operator!=(const DataRangeFacets& a, const DataRangeFacets& b) { return !(a == b); }
};

// One step of a chain.
struct Restriction {
    Restriction(const Redland::Node& kind, RdfCpp::OntologyProperty* property, const Redland::Node& filler,
                int cardinality, const DataRangeFacets& facets = DataRangeFacets());

    void addFiller(const Redland::Node& node);  // unless an equal node is already there

    RdfCpp::OntologyProperty* property;  // owned by the graph manager
    Redland::Node type;                  // owl:someValuesFrom, owl:allValuesFrom or a qualified cardinality
    int cardinality;                     // -1: none
    std::vector<Redland::Node> fillers;
    DataRangeFacets facets;
};

// A named class with its restriction chain, outermost step first. The steps are not owned.
class ClassRestrictions {
public:
    explicit ClassRestrictions(const Redland::Node& cls) : cls(cls) {}

    // Writes cls rdfs:subClassOf the outermost restriction, innermost step first; false when graph is null
    // or cls is not valid.
    bool write(RdfCpp::Graph* graph) const;
    RdfCpp::OntologyProperty* getStepProperty(int i) const;  // a shared empty description outside the chain
    Redland::Node getStepFiller(int i) const;                // null when the step has no filler

    Redland::Node cls;
    std::vector<Restriction*> restrictions;
};

// A one-step chain on cls.
bool addRestriction(RdfCpp::GraphManager* manager, int cardinality, const Redland::Node& kind, const Redland::Node& cls,
                    const Redland::Node& property, const Redland::Node& filler, RdfCpp::Graph* graph,
                    const DataRangeFacets& facets = DataRangeFacets());
