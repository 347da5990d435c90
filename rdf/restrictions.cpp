#include "rdf/restrictions.h"

#include <algorithm>

#include "rdf/manager.h"
#include "rdf/ontology_property.h"
#include "rdf/rdf_list.h"
#include "rdf/vocabulary.h"

using Redland::Node;
namespace V = Vocabulary;

bool operator==(const DataRangeFacets& a, const DataRangeFacets& b) {
    return a.length == b.length && a.minValue == b.minValue && a.maxValue == b.maxValue &&
           a.minInclusive == b.minInclusive && a.maxInclusive == b.maxInclusive && a.oneOf == b.oneOf;
}

Restriction::Restriction(const Node& kind, RdfCpp::OntologyProperty* property, const Node& filler, int cardinality,
                         const DataRangeFacets& facets)
    : property(property), type(kind), cardinality(cardinality), facets(facets) {
    if (filler.isValid()) fillers.push_back(filler);
}

void Restriction::addFiller(const Node& node) {
    // A null filler would become a list cell without rdf:first.
    if (!node.isValid()) return;
    if (std::find(fillers.begin(), fillers.end(), node) == fillers.end()) fillers.push_back(node);
}

namespace {

bool isObjectStep(const Restriction& step) { return step.property && step.property->isObjectProperty; }

Node propertyNode(const Restriction& step) { return step.property ? static_cast<const Node&>(*step.property) : Node(); }

bool hasBoundsOrLength(const DataRangeFacets& facets) {
    return !facets.length.empty() || !facets.minValue.empty() || !facets.maxValue.empty();
}

// rdfs:Datatype owl:oneOf the values, with every cell typed rdf:List.
Node writeEnumeratedDatatype(const std::set<Node>& values, RdfCpp::Graph& graph) {
    Node range = Node::blank();
    graph.addTriple(range, V::rdf_type, V::rdfs_Datatype);
    if (values.empty()) return range;
    Node head = Node::blank();
    graph.addTriple(range, V::owl_oneOf, head);
    RdfCpp::RdfList list;
    list.items.assign(values.begin(), values.end());
    list.cellType = V::rdf_List;
    list.addList(head, &graph);
    return range;
}

// The datatype restricted by facets; a length is written only when neither bound is given.
Node writeDatatypeRestriction(const Node& datatype, const DataRangeFacets& facets, RdfCpp::Graph& graph) {
    const std::string datatypeUri = datatype.getUriString();
    auto lower = [&] { return Node::typedLiteral(facets.minValue, datatypeUri); };
    auto upper = [&] { return Node::typedLiteral(facets.maxValue, datatypeUri); };
    const Node& lowerFacet = facets.minInclusive ? V::xsd_minInclusive : V::xsd_minExclusive;
    const Node& upperFacet = facets.maxInclusive ? V::xsd_maxInclusive : V::xsd_maxExclusive;

    Node range = Node::blank();
    Node firstCell = Node::blank();
    Node firstFacet = Node::blank();
    graph.addTriple(range, V::rdf_type, V::rdfs_Datatype);
    graph.addTriple(range, V::owl_onDatatype, datatype);
    graph.addTriple(range, V::owl_withRestrictions, firstCell);
    RdfCpp::RdfList list;
    list.items.push_back(firstFacet);
    if (!facets.minValue.empty() && !facets.maxValue.empty()) {
        // The second cell is made before the second facet: blank node ids, and so the saved files, stay stable.
        list.cells.push_back(Node::blank());
        list.items.push_back(Node::blank());
        graph.addTriple(firstFacet, lowerFacet, lower());
        graph.addTriple(list.items[1], upperFacet, upper());
    } else if (!facets.minValue.empty()) {
        graph.addTriple(firstFacet, lowerFacet, lower());
    } else if (!facets.maxValue.empty()) {
        graph.addTriple(firstFacet, upperFacet, upper());
    } else {
        graph.addTriple(firstFacet, V::xsd_length, Node::typedLiteral(facets.length, V::xsd_integer.getUriString()));
    }
    list.addList(firstCell, &graph);
    return range;
}

// The value of the innermost step: its filler, a data range, or a union of its fillers.
Node writeInnermostValue(const Restriction& step, RdfCpp::Graph& graph) {
    const bool object = isObjectStep(step);
    if (step.fillers.size() == 1) {
        const Node& filler = step.fillers.front();
        const DataRangeFacets& facets = step.facets;
        if (object || (facets.oneOf.empty() && !hasBoundsOrLength(facets))) return filler;
        if (!hasBoundsOrLength(facets)) return writeEnumeratedDatatype(facets.oneOf, graph);
        return writeDatatypeRestriction(filler, facets, graph);
    }
    Node value = Node::blank();
    Node head = Node::blank();
    graph.addTriple(value, V::owl_unionOf, head);
    graph.addTriple(value, V::rdf_type, object ? V::owl_Class : V::rdfs_Datatype);
    RdfCpp::RdfList list;
    list.items = step.fillers;
    list.addList(head, &graph);
    return value;
}

bool isQualifiedCardinality(const Node& kind) {
    return kind == V::owl_qualifiedCardinality || kind == V::owl_minQualifiedCardinality ||
           kind == V::owl_maxQualifiedCardinality;
}

}  // namespace

bool ClassRestrictions::write(RdfCpp::Graph* graph) const {
    if (!graph || !cls.isValid()) return false;
    if (std::find(restrictions.begin(), restrictions.end(), nullptr) != restrictions.end()) return false;
    if (restrictions.empty()) return true;

    const std::string nonNegativeInteger = V::xsd_nonNegativeInteger.getUriString();
    Node prev;
    for (size_t i = restrictions.size(); i-- > 0;) {
        const Restriction& step = *restrictions[i];
        const bool innermost = i + 1 == restrictions.size();
        Node restriction = Node::blank();
        graph->addTriple(restriction, V::rdf_type, V::owl_Restriction);
        graph->addTriple(restriction, V::owl_onProperty, propertyNode(step));
        Node value = innermost ? writeInnermostValue(step, *graph) : prev;

        if (step.type == V::owl_allValuesFrom || step.type == V::owl_someValuesFrom) {
            graph->addTriple(restriction, step.type, value);
        } else if (isQualifiedCardinality(step.type) && step.cardinality >= 0) {
            graph->addTriple(restriction, step.type,
                             Node::typedLiteral(std::to_string(step.cardinality), nonNegativeInteger));
            if (isObjectStep(step))
                graph->addTriple(restriction, V::owl_onClass, value);
            else if (innermost)
                graph->addTriple(restriction, V::owl_onDataRange, value);
        }
        prev = restriction;
    }
    graph->addTriple(cls, V::rdfs_subClassOf, prev);
    return true;
}

RdfCpp::OntologyProperty* ClassRestrictions::getStepProperty(int i) const {
    if (i >= 0 && static_cast<size_t>(i) < restrictions.size() && restrictions[i]) return restrictions[i]->property;
    static RdfCpp::OntologyProperty none(Node(), nullptr);
    return &none;
}

Node ClassRestrictions::getStepFiller(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= restrictions.size() || !restrictions[i]) return Node();
    const std::vector<Node>& fillers = restrictions[i]->fillers;
    return fillers.empty() ? Node() : fillers.front();
}

bool addRestriction(RdfCpp::GraphManager* manager, int cardinality, const Node& kind, const Node& cls,
                    const Node& property, const Node& filler, RdfCpp::Graph* graph, const DataRangeFacets& facets) {
    if (!manager) return false;
    Restriction step(kind, manager->getOntologyProperty(property), filler, cardinality, facets);
    ClassRestrictions chain(cls);
    chain.restrictions.push_back(&step);
    return chain.write(graph);
}
