#include "owlgen/properties.h"

#include <iostream>

#include "express/name_lookup.h"
#include "express/text_ops.h"
#include "owlgen/list_pattern.h"
#include "owlgen/node_lookup.h"
#include "rdf/restrictions.h"
#include "rdf/vocabulary.h"

using Redland::Node;
namespace V = Vocabulary;

namespace {

bool isListOrArray(const ExpressAttribute& attribute) { return attribute.isList || attribute.isArray; }

// An inverse attribute is stated as owl:inverseOf only when it stands for exactly one FOR attribute that is
// not an ordered aggregate, and is not one itself.
bool skipInverse(const ExpressSchema& schema, const ExpressAttribute& attribute) {
    const auto key = declaredInverseTarget(schema, attribute);
    auto byAttribute = schema.inverseTargetCount.find(key.first);
    if (byAttribute != schema.inverseTargetCount.end()) {
        auto count = byAttribute->second.find(key.second);
        if (count != byAttribute->second.end() && count->second > 1) return true;
    }
    if (isListOrArray(attribute)) return true;
    const ExpressAttribute* forward = forwardAttribute(schema, attribute);
    return forward && isListOrArray(*forward);
}

bool targetResolves(const ExpressSchema& schema, const std::string& type) {
    return declares(schema.classNodes, type) || declares(schema.datatypeNodes, type) || declares(schema.selects, type);
}

void addListRestrictions(GenerationContext& context, const ExpressAttribute& attribute, const Node& cls,
                         const Node& property, const ListClasses& outermost,
                         const std::pair<std::string, std::string>& bounds) {
    RdfCpp::GraphManager* manager = &context.manager;
    RdfCpp::Graph* graph = &context.schemaGraph;
    addRestriction(manager, -1, V::owl_allValuesFrom, cls, property, outermost.list, graph);
    if (attribute.isOptional)
        addRestriction(manager, 1, V::owl_maxQualifiedCardinality, cls, property, outermost.list, graph);
    else
        addRestriction(manager, 1, V::owl_qualifiedCardinality, cls, property, outermost.list, graph);
    if (!context.settings.listCardinalityExpressions) return;
    // Every bounds chain starts with K subClassOf allValuesFrom P.
    Restriction leading(V::owl_allValuesFrom, manager->getOntologyProperty(property), Node(), -1);
    addListBoundsChains(context, cls, &leading, bounds.first, bounds.second, outermost);
}

void addCardinalityRestrictions(GenerationContext& context, const ExpressAttribute& attribute, const Node& cls,
                                const Node& property, const Node& target) {
    RdfCpp::GraphManager* manager = &context.manager;
    RdfCpp::Graph* graph = &context.schemaGraph;
    addRestriction(manager, -1, V::owl_allValuesFrom, cls, property, target, graph);
    const int lower = leadingInteger(attribute.minCard);
    // Equal bounds that read as no number (e.g. both unbounded) must not become "exactly 0".
    if (attribute.maxCard == attribute.minCard && lower >= 1) {
        addRestriction(manager, lower, V::owl_qualifiedCardinality, cls, property, target, graph);
        return;
    }
    if (!attribute.minCard.empty() && lower >= 1)
        addRestriction(manager, lower, V::owl_minQualifiedCardinality, cls, property, target, graph);
    const int upper = leadingInteger(attribute.maxCard);
    if (!attribute.maxCard.empty() && upper >= 1)
        addRestriction(manager, upper, V::owl_maxQualifiedCardinality, cls, property, target, graph);
}

void generateProperty(GenerationContext& context, const std::string& entityName, const ExpressAttribute& attribute) {
    ExpressSchema& schema = context.schema;
    RdfCpp::Graph& graph = context.schemaGraph;
    const bool ldwg = context.settings.adoptLdwgDecisions;
    if (!attribute.inverseOf.empty() && skipInverse(schema, attribute)) return;

    Node property = GenerationContext::nameIn(graph, propertyIriName(schema, ldwg, attribute.name, entityName));
    graph.addTriple(property, V::rdfs_label, Node::literal(attribute.name));
    if (attribute.maxCard == "1") graph.addTriple(property, V::rdf_type, V::owl_FunctionalProperty);
    if (!attribute.inverseOf.empty()) {
        // The FOR name and the target as declared, so that the forward property is named as where it is made.
        const auto declared = declaredInverseTarget(schema, attribute);
        Node forward = GenerationContext::nameIn(graph, propertyIriName(schema, ldwg, declared.first, declared.second));
        graph.addTriple(property, V::owl_inverseOf, forward);
    }

    if (!targetResolves(schema, attribute.targetType)) {
        std::cout << " * Error: incomplete generation for " << entityName << " (" << attribute.name << ", "
                  << attribute.targetType << ")" << std::endl;
        ++context.errorCount;
        return;
    }

    const bool ordered = isListOrArray(attribute);
    ListClasses outermost;
    // No recorded level still means one list of unknown bounds.
    std::pair<std::string, std::string> outerBounds("0", "");
    if (ordered) {
        size_t levels = attribute.listBounds.empty() ? 1 : attribute.listBounds.size();
        if (!attribute.listBounds.empty()) outerBounds = attribute.listBounds.front();
        std::string memberName = attribute.targetType;
        for (size_t level = 0; level < levels; ++level) {
            outermost = generateListClass(context, memberName, graph);
            memberName += "_List";
        }
    }

    const Node cls = findNode(schema.classNodes, entityName);
    const Node range = ordered ? outermost.list : findNode(schema.classNodes, attribute.targetType);
    graph.addTriple(property, V::rdfs_domain, cls);
    graph.addTriple(property, V::rdfs_range, range);
    graph.addTriple(property, V::rdf_type, V::owl_ObjectProperty);

    if (ordered)
        addListRestrictions(context, attribute, cls, property, outermost, outerBounds);
    else
        addCardinalityRestrictions(context, attribute, cls, property, range);
}

}  // namespace

void generateProperties(GenerationContext& context) {
    for (const auto& [name, entity] : context.schema.entities)
        for (const ExpressAttribute& attribute : entity->attributes) generateProperty(context, name, attribute);
}
