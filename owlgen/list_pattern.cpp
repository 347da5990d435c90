#include "owlgen/list_pattern.h"

#include <vector>

#include "express/ontology_names.h"
#include "express/text_ops.h"
#include "owlgen/node_lookup.h"
#include "owlgen/ontology_iris.h"
#include "rdf/manager.h"
#include "rdf/vocabulary.h"

using Redland::Node;
namespace V = Vocabulary;

namespace {

// A bound beyond this would write one nested restriction per cell; such a chain is left out rather than
// letting a stray bound exhaust memory.
const long long maxRepeatedLinks = 10000;

const char* const listTermNames[] = {"isFollowedBy", "hasNext", "hasContents"};

void defineListVocabulary(GenerationContext& ctx, const Node& list, const Node& emptyList, const Node& isFollowedBy,
                          const Node& hasNext, const Node& hasContents) {
    RdfCpp::Graph& g = ctx.schemaGraph;
    g.addTriple(emptyList, V::rdf_type, V::owl_Class);
    declareListTerms(g, list, isFollowedBy, hasNext, hasContents);
    addRestriction(&ctx.manager, -1, V::owl_allValuesFrom, list, isFollowedBy, list, &g);
    addRestriction(&ctx.manager, -1, V::owl_allValuesFrom, list, hasNext, list, &g);
}

}  // namespace

void declareListTerms(RdfCpp::Graph& g, const Node& list, const Node& isFollowedBy, const Node& hasNext,
                      const Node& hasContents) {
    g.addTriple(list, V::rdf_type, V::owl_Class);

    g.addTriple(isFollowedBy, V::rdf_type, V::owl_ObjectProperty);
    g.addTriple(isFollowedBy, V::rdf_type, V::owl_TransitiveProperty);
    g.addTriple(isFollowedBy, V::rdfs_domain, list);
    g.addTriple(isFollowedBy, V::rdfs_range, list);
    g.addTriple(isFollowedBy, V::rdfs_label, Node::literal("isFollowedBy"));

    g.addTriple(hasNext, V::rdf_type, V::owl_ObjectProperty);
    g.addTriple(hasNext, V::rdf_type, V::owl_FunctionalProperty);
    g.addTriple(hasNext, V::rdfs_subPropertyOf, isFollowedBy);
    g.addTriple(hasNext, V::rdfs_domain, list);
    g.addTriple(hasNext, V::rdfs_range, list);
    g.addTriple(hasNext, V::rdfs_label, Node::literal("hasNext"));

    g.addTriple(hasContents, V::rdf_type, V::owl_ObjectProperty);
    g.addTriple(hasContents, V::rdf_type, V::owl_FunctionalProperty);
    g.addTriple(hasContents, V::rdfs_domain, list);
    g.addTriple(hasContents, V::rdfs_label, Node::literal("hasContents"));
}

namespace {

// A chain on cls into the schema graph: leading (if any), `repeats` filler-less steps of repeatedKind on
// hasNext, then the last step on hasNext.
void writeHasNextChain(GenerationContext& ctx, const Node& cls, const Restriction* leading, const Node& repeatedKind,
                       long long repeats, const Node& lastKind, int lastCardinality, const Node& lastFiller) {
    // Without the list class of the member the innermost value would be an empty union, that is owl:Nothing.
    if (!lastFiller.isValid() || repeats > maxRepeatedLinks) return;
    if (repeats < 0) repeats = 0;
    RdfCpp::OntologyProperty* hasNext = ctx.manager.getOntologyProperty(findNode(ctx.schema.propertyNodes, "hasNext"));

    std::vector<Restriction> steps;
    steps.reserve(static_cast<size_t>(repeats) + 2);  // the chain points into this vector
    if (leading) steps.push_back(*leading);
    for (long long i = 0; i < repeats; ++i) steps.emplace_back(repeatedKind, hasNext, Node(), -1);
    steps.emplace_back(lastKind, hasNext, lastFiller, lastCardinality);

    ClassRestrictions chain(cls);
    chain.restrictions.reserve(steps.size());
    for (Restriction& step : steps) chain.restrictions.push_back(&step);
    chain.write(&ctx.schemaGraph);
}

}  // namespace

void setUpListVocabulary(GenerationContext& ctx) {
    ExpressSchema& schema = ctx.schema;
    for (const char* name : listTermNames) ++schema.propertyNameCount[name];

    if (ctx.settings.adoptLdwgDecisions) {
        const std::string ns = OntologyIris::listVocabularyIri + "#";
        schema.classNodes["List"] = Node(ns + "OWLList");
        schema.classNodes["EmptyList"] = Node(ns + "EmptyList");
        for (const char* name : listTermNames) schema.propertyNodes[name] = Node(ns + name);
        return;
    }

    const std::string ns = ctx.schemaGraph.getUri() + "#";
    Node list(ns + "List"), emptyList(ns + "EmptyList");
    schema.classNodes["List"] = list;
    schema.classNodes["EmptyList"] = emptyList;
    for (const char* name : listTermNames) schema.propertyNodes[name] = Node(ns + name);
    defineListVocabulary(ctx, list, emptyList, schema.propertyNodes["isFollowedBy"], schema.propertyNodes["hasNext"],
                         schema.propertyNodes["hasContents"]);
}

ListClasses generateListClass(GenerationContext& ctx, const std::string& memberName, RdfCpp::Graph& graph) {
    std::map<std::string, Node>& classNodes = ctx.schema.classNodes;
    // Named after the member as declared, so that every spelling of it shares one list class.
    const std::string member = declaredName(classNodes, memberName);
    const std::string listName = listClassName(member);
    const std::string emptyListName = emptyListClassName(member);

    if (classNodes.count(listName) == 0 && hasNode(classNodes, member)) {
        const Node memberClass = classNodes[member];
        const std::map<std::string, Node>& properties = ctx.schema.propertyNodes;
        RdfCpp::GraphManager* manager = &ctx.manager;
        const std::string ns = graph.getUri() + "#";

        Node list(ns + listName);
        graph.addTriple(list, V::rdf_type, V::owl_Class);
        classNodes[listName] = list;
        graph.addTriple(list, V::rdfs_subClassOf, findNode(classNodes, "List"));
        addRestriction(manager, -1, V::owl_allValuesFrom, list, findNode(properties, "hasNext"), list, &graph);
        addRestriction(manager, -1, V::owl_allValuesFrom, list, findNode(properties, "isFollowedBy"), list, &graph);
        const Node hasContents = findNode(properties, "hasContents");
        addRestriction(manager, -1, V::owl_allValuesFrom, list, hasContents, memberClass, &graph);

        if (!ctx.settings.adoptLdwgDecisions) {
            addRestriction(manager, -1, V::owl_someValuesFrom, list, hasContents, memberClass, &graph);
        } else {
            Node emptyList(ns + emptyListName);
            graph.addTriple(emptyList, V::rdf_type, V::owl_Class);
            classNodes[emptyListName] = emptyList;
            graph.addTriple(emptyList, V::rdfs_subClassOf, findNode(classNodes, "EmptyList"));
            graph.addTriple(emptyList, V::rdfs_subClassOf, list);
        }
    }
    return ListClasses{findNode(classNodes, listName), findNode(classNodes, emptyListName)};
}

void addListBoundsChains(GenerationContext& ctx, const Node& cls, const Restriction* leading, const std::string& lower,
                         const std::string& upper, const ListClasses& classes) {
    const long long lo = leadingInteger(lower);
    const long long hi = leadingInteger(upper);
    if (!ctx.settings.adoptLdwgDecisions) {
        if (lo >= 2 && upper == lower) {
            writeHasNextChain(ctx, cls, leading, V::owl_someValuesFrom, lo - 1, V::owl_qualifiedCardinality, 0,
                              classes.list);
            return;
        }
        if (lo >= 2)
            writeHasNextChain(ctx, cls, leading, V::owl_someValuesFrom, lo - 2, V::owl_someValuesFrom, -1,
                              classes.list);
        if (hi >= 2)
            writeHasNextChain(ctx, cls, leading, V::owl_allValuesFrom, hi - 1, V::owl_qualifiedCardinality, 0,
                              classes.list);
        return;
    }
    if (lo >= 1)
        writeHasNextChain(ctx, cls, leading, V::owl_someValuesFrom, lo - 1, V::owl_someValuesFrom, -1, classes.list);
    if (hi >= 2)
        writeHasNextChain(ctx, cls, leading, V::owl_allValuesFrom, hi - 1, V::owl_qualifiedCardinality, 1,
                          classes.emptyList);
}

void addArrayLengthChains(GenerationContext& ctx, const Node& cls, const std::string& lower, const std::string& upper,
                          const ListClasses& classes) {
    const long long links = static_cast<long long>(leadingInteger(upper)) - leadingInteger(lower);
    if (!ctx.settings.adoptLdwgDecisions) {
        writeHasNextChain(ctx, cls, nullptr, V::owl_someValuesFrom, links, V::owl_qualifiedCardinality, 0,
                          classes.list);
        return;
    }
    writeHasNextChain(ctx, cls, nullptr, V::owl_someValuesFrom, links, V::owl_someValuesFrom, -1, classes.list);
    writeHasNextChain(ctx, cls, nullptr, V::owl_allValuesFrom, links, V::owl_qualifiedCardinality, 1,
                      classes.emptyList);
}
