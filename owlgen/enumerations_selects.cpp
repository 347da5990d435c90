#include "owlgen/enumerations_selects.h"

#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "express/ontology_names.h"
#include "owlgen/class_union.h"
#include "owlgen/node_lookup.h"
#include "rdf/rdf_list.h"
#include "rdf/vocabulary.h"

using Redland::Node;
namespace V = Vocabulary;

void addExpressAnchors(ExpressSchema& schema, RdfCpp::Graph& vocabularyGraph) {
    const std::string ns = vocabularyGraph.getUri() + "#";
    Node enumeration(ns + "ENUMERATION");
    vocabularyGraph.addTriple(enumeration, V::rdf_type, V::owl_Class);
    schema.classNodes["ENUMERATION"] = enumeration;

    Node select(ns + "SELECT");
    vocabularyGraph.addTriple(select, V::rdf_type, V::owl_Class);
    schema.classNodes["SELECT"] = select;

    ++schema.propertyNameCount["hasSet"];
    Node hasSet(ns + "hasSet");
    schema.propertyNodes["hasSet"] = hasSet;
    vocabularyGraph.addTriple(hasSet, V::rdf_type, V::owl_ObjectProperty);
    vocabularyGraph.addTriple(hasSet, V::rdfs_label, Node::literal("hasSet"));
}

namespace {

// An item shared by several enumerations needs the enumeration in its name to stay apart.
std::string individualName(const ExpressSchema& schema, const std::string& item, const std::string& enumeration) {
    return enumerationIndividualName(schema, false, item, enumeration);
}

}  // namespace

void generateEnumerations(ExpressSchema& schema, RdfCpp::Graph& schemaGraph, bool adoptLdwgDecisions) {
    const std::string ns = schemaGraph.getUri() + "#";
    const Node anchor = findNode(schema.classNodes, "ENUMERATION");
    std::set<std::string> declaredIndividuals;

    for (const auto& [name, enumeration] : schema.enumerations) {
        Node cls(ns + name);
        schemaGraph.addTriple(cls, V::rdf_type, V::owl_Class);
        schemaGraph.addTriple(cls, V::rdfs_subClassOf, anchor);
        schema.classNodes[name] = cls;
        if (enumeration->items.empty()) continue;

        // The closed set of individuals exists only without the LDWG decisions.
        Node oneOfClass;
        if (!adoptLdwgDecisions) {
            oneOfClass = Node::blank();
            schemaGraph.addTriple(cls, V::owl_equivalentClass, oneOfClass);
            schemaGraph.addTriple(oneOfClass, V::rdf_type, V::owl_Class);
        }
        RdfCpp::RdfList individuals;
        for (const std::string& item : enumeration->items) {
            std::string individualNameText = adoptLdwgDecisions ? item : individualName(schema, item, name);
            Node individual(ns + individualNameText);
            if (declaredIndividuals.insert(individualNameText).second)
                schemaGraph.addTriple(individual, V::rdf_type, V::owl_NamedIndividual);
            schemaGraph.addTriple(individual, V::rdf_type, cls);
            schemaGraph.addTriple(individual, V::rdfs_label, Node::literal(item));
            individuals.items.push_back(individual);
        }
        if (adoptLdwgDecisions) continue;
        Node head = Node::blank();
        schemaGraph.addTriple(oneOfClass, V::owl_oneOf, head);
        individuals.addList(head, &schemaGraph);
    }
}

namespace {

// The member's class, or the null node after reporting and counting the miss.
Node memberClass(const ExpressSchema& schema, const std::string& member, const std::string& select, int& errorCount) {
    if (hasNode(schema.classNodes, member)) return findNode(schema.classNodes, member);
    std::cout << " * Error: NOT found class: " << member << " for SELECT: " << select << std::endl;
    ++errorCount;
    return Node();
}

}  // namespace

void generateSelectClasses(ExpressSchema& schema, RdfCpp::Graph& schemaGraph, bool adoptLdwgDecisions,
                           int& errorCount) {
    const std::string ns = schemaGraph.getUri() + "#";
    const Node anchor = findNode(schema.classNodes, "SELECT");
    // Every select class exists before any member is resolved, so selects may list one another.
    for (const auto& entry : schema.selects) {
        Node cls(ns + entry.first);
        schemaGraph.addTriple(cls, V::rdf_type, V::owl_Class);
        schemaGraph.addTriple(cls, V::rdfs_subClassOf, anchor);
        schema.classNodes[entry.first] = cls;
    }

    for (const auto& [name, select] : schema.selects) {
        const Node cls = schema.classNodes.at(name);
        if (adoptLdwgDecisions) {
            for (const std::string& member : select->items) {
                Node memberCls = memberClass(schema, member, name, errorCount);
                if (memberCls.isValid()) schemaGraph.addTriple(memberCls, V::rdfs_subClassOf, cls);
            }
            continue;
        }
        std::vector<Node> members;
        for (const std::string& member : select->items) {
            Node memberCls = memberClass(schema, member, name, errorCount);
            if (memberCls.isValid()) members.push_back(memberCls);
        }
        // Without any member found the select states no equivalence: an empty union would be owl:Nothing.
        const Node equivalent = writeUnionOf(schemaGraph, members);
        if (equivalent.isValid()) schemaGraph.addTriple(cls, V::owl_equivalentClass, equivalent);
    }
}
