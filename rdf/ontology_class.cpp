#include "rdf/ontology_class.h"

#include <deque>

#include "rdf/graph.h"
#include "rdf/leading_integer.h"
#include "rdf/manager.h"
#include "rdf/vocabulary.h"

namespace RdfCpp {

namespace {

using Redland::Node;

// The value kinds a restriction step can carry, in the order they are looked for.
const std::vector<Node>& valueKinds() {
    static const std::vector<Node> kinds = {
        Vocabulary::owl_allValuesFrom, Vocabulary::owl_someValuesFrom, Vocabulary::owl_qualifiedCardinality,
        Vocabulary::owl_minQualifiedCardinality, Vocabulary::owl_maxQualifiedCardinality};
    return kinds;
}

bool isCardinalityKind(const Node& kind) {
    return kind == Vocabulary::owl_qualifiedCardinality || kind == Vocabulary::owl_minQualifiedCardinality ||
           kind == Vocabulary::owl_maxQualifiedCardinality;
}

Node firstTarget(Graph* graph, const Node& source, const Node& arc) {
    std::vector<Node> targets;
    graph->get_targets(source, arc, targets);
    return targets.empty() ? Node() : targets.front();
}

// The items of an rdf:first/rdf:rest list; a malformed list ends where it turns back on itself.
std::vector<Node> readList(Graph* graph, const Node& head) {
    std::vector<Node> items;
    std::set<Node> seen;
    Node cell = head;
    while (cell.isValid() && cell != Vocabulary::rdf_nil && seen.insert(cell).second) {
        Node item = firstTarget(graph, cell, Vocabulary::rdf_first);
        if (item.isValid()) items.push_back(item);
        cell = firstTarget(graph, cell, Vocabulary::rdf_rest);
    }
    return items;
}

void readFacets(Graph* graph, const Node& facetList, DataRangeFacets& facets) {
    for (const Node& facet : readList(graph, facetList)) {
        Node value;
        if ((value = firstTarget(graph, facet, Vocabulary::xsd_minInclusive)).isValid()) {
            facets.minValue = value.getLiteralValue();
            facets.minInclusive = true;
        } else if ((value = firstTarget(graph, facet, Vocabulary::xsd_minExclusive)).isValid()) {
            facets.minValue = value.getLiteralValue();
            facets.minInclusive = false;
        }
        if ((value = firstTarget(graph, facet, Vocabulary::xsd_maxInclusive)).isValid()) {
            facets.maxValue = value.getLiteralValue();
            facets.maxInclusive = true;
        } else if ((value = firstTarget(graph, facet, Vocabulary::xsd_maxExclusive)).isValid()) {
            facets.maxValue = value.getLiteralValue();
            facets.maxInclusive = false;
        }
        if ((value = firstTarget(graph, facet, Vocabulary::xsd_length)).isValid())
            facets.length = value.getLiteralValue();
    }
}

// An anonymous value that is not a further step: a union, a datatype restriction or an enumeration.
void decodeValue(Graph* graph, const Node& value, Restriction& step) {
    Node members = firstTarget(graph, value, Vocabulary::owl_unionOf);
    if (members.isValid()) {
        step.fillers = readList(graph, members);
        return;
    }
    Node datatype = firstTarget(graph, value, Vocabulary::owl_onDatatype);
    if (datatype.isValid()) {
        step.fillers.push_back(datatype);
        readFacets(graph, firstTarget(graph, value, Vocabulary::owl_withRestrictions), step.facets);
        return;
    }
    Node values = firstTarget(graph, value, Vocabulary::owl_oneOf);
    if (values.isValid()) {
        for (const Node& item : readList(graph, values)) step.facets.oneOf.insert(item);
    }
}

}  // namespace

OntologyClass::OntologyClass(const Redland::Node& node, GraphManager* manager) : Node(node), manager(manager) {}

const std::vector<ClassRestrictions*>& OntologyClass::getOwnRestrictions() {
    if (restrictionsRead || !manager || !isValid()) return chainPointers;
    restrictionsRead = true;
    const Node cls(*this);
    for (const auto& entry : manager->getGraphs()) {
        Graph* graph = entry.second;
        if (!graph || !graph->isValid()) continue;
        std::vector<Node> outermost;
        graph->get_targets(cls, Vocabulary::rdfs_subClassOf, outermost);
        for (const Node& start : outermost) {
            if (start.isLiteral()) continue;
            // Steps of the chain, outermost first; the chain is dropped when a step cannot be read.
            std::vector<std::unique_ptr<Restriction>> read;
            std::set<Node> visited;
            Node current = start;
            bool complete = false;
            while (current.isValid() && visited.insert(current).second) {
                Node property = firstTarget(graph, current, Vocabulary::owl_onProperty);
                if (!property.isValid()) break;
                Node kind, value;
                for (const Node& candidate : valueKinds()) {
                    value = firstTarget(graph, current, candidate);
                    if (value.isValid()) {
                        kind = candidate;
                        break;
                    }
                }
                if (!kind.isValid()) break;
                int cardinality = -1;
                // A qualified cardinality holds its number; its class or data range, possibly the next
                // step, hangs on owl:onClass or owl:onDataRange, where the writer puts it.
                if (isCardinalityKind(kind) && value.isLiteral()) {
                    cardinality = leadingInteger(value.getLiteralValue());
                    value = firstTarget(graph, current, Vocabulary::owl_onClass);
                    if (!value.isValid()) value = firstTarget(graph, current, Vocabulary::owl_onDataRange);
                    if (!value.isValid()) break;
                }
                read.push_back(
                    std::make_unique<Restriction>(kind, manager->getOntologyProperty(property), Node(), cardinality));
                Restriction& step = *read.back();
                if (value.isBlank() && firstTarget(graph, value, Vocabulary::owl_onProperty).isValid()) {
                    current = value;  // the next, inner step
                    continue;
                }
                if (value.isBlank())
                    decodeValue(graph, value, step);
                else
                    step.fillers.push_back(value);
                complete = true;
                break;
            }
            if (!complete) continue;
            auto chain = std::make_unique<ClassRestrictions>(cls);
            for (auto& step : read) {
                chain->restrictions.push_back(step.get());
                steps.push_back(std::move(step));
            }
            chainPointers.push_back(chain.get());
            chains.push_back(std::move(chain));
        }
    }
    return chainPointers;
}

const std::vector<Redland::Node>& OntologyClass::getSuperClasses() {
    if (superClassesRead || !manager || !isValid()) return superClasses;
    superClassesRead = true;
    const Node cls(*this);
    std::set<Node> found;
    for (const auto& entry : manager->getGraphs()) {
        Graph* graph = entry.second;
        if (!graph || !graph->isValid()) continue;
        std::set<Node> targets;
        graph->get_targets(cls, Vocabulary::rdfs_subClassOf, targets);
        for (const Node& target : targets) {
            if (target.isResource() && !target.isBlank() && target != cls) found.insert(target);
        }
    }
    superClasses.assign(found.begin(), found.end());
    return superClasses;
}

const std::vector<Redland::Node>& OntologyClass::getAncestors() {
    if (ancestorsRead || !manager || !isValid()) return ancestors;
    ancestorsRead = true;
    std::set<Node> seen = {Node(*this)};
    std::deque<Node> pending(getSuperClasses().begin(), getSuperClasses().end());
    while (!pending.empty()) {
        Node next = pending.front();
        pending.pop_front();
        if (!seen.insert(next).second) continue;
        ancestors.push_back(next);
        OntologyClass* description = manager->getOntologyClass(next);
        if (!description) continue;
        for (const Node& super : description->getSuperClasses()) {
            if (!seen.count(super)) pending.push_back(super);
        }
    }
    return ancestors;
}

}  // namespace RdfCpp
