#include "rdf/ontology_property.h"

#include "rdf/graph.h"
#include "rdf/manager.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {

namespace V = Vocabulary;
using Redland::Node;

namespace {

// Values of node's arc in both directions: (node, arc, x) and (x, arc, node).
void collectBothWays(Graph& graph, const Node& node, const Node& arc, std::set<Node>& out) {
    std::vector<Node> targets, sources;
    graph.get_targets(node, arc, targets);
    graph.get_sources(arc, node, sources);
    out.insert(targets.begin(), targets.end());
    out.insert(sources.begin(), sources.end());
}

}  // namespace

OntologyProperty::OntologyProperty(const Node& node, GraphManager* manager) : Node(node), manager(manager) {
    if (!isValid()) return;
    if (isResource()) label = getLocalName();
    if (!manager) return;

    std::set<Node> types;
    bool labelled = false;
    for (const auto& entry : manager->getGraphs()) {
        Graph* graph = entry.second;
        if (!graph || !graph->isValid()) continue;
        std::vector<Node> found;
        graph->get_targets(*this, V::rdf_type, found);
        types.insert(found.begin(), found.end());
        if (!labelled) {
            found.clear();
            graph->get_targets(*this, V::rdfs_label, found);
            for (const Node& value : found) {
                if (!value.isLiteral()) continue;
                label = value.getLiteralValue();
                labelled = true;
                break;
            }
        }
        collectBothWays(*graph, *this, V::owl_inverseOf, inverseProperties);
        collectBothWays(*graph, *this, V::owl_equivalentProperty, equivalentProperties);
        found.clear();
        graph->get_sources(V::rdfs_subPropertyOf, *this, found);
        subProperties.insert(found.begin(), found.end());
    }

    isObjectProperty = types.count(V::owl_ObjectProperty) > 0;
    isDatatypeProperty = !isObjectProperty && types.count(V::owl_DatatypeProperty) > 0;
    isFunctional = types.count(V::owl_FunctionalProperty) > 0;
    if (isObjectProperty) {
        isInverseFunctional = types.count(V::owl_InverseFunctionalProperty) > 0;
        isTransitive = types.count(V::owl_TransitiveProperty) > 0;
        isSymmetric = types.count(V::owl_SymmetricProperty) > 0;
        isAsymmetric = types.count(V::owl_AsymmetricProperty) > 0;
        isReflexive = types.count(V::owl_ReflexiveProperty) > 0;
        isIrreflexive = types.count(V::owl_IrreflexiveProperty) > 0;
    }
}

std::vector<OntologyProperty*> OntologyProperty::getInverseProperties() {
    if (!inversesResolved && manager) {
        for (const Node& inverse : inverseProperties) {
            OntologyProperty* description = manager->getOntologyProperty(inverse);
            if (description) inverseDescriptions.push_back(description);
        }
        inversesResolved = true;
    }
    return inverseDescriptions;
}

}  // namespace RdfCpp
