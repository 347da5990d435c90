#include "owlgen/entity_classes.h"

#include <vector>

#include "express/name_lookup.h"
#include "owlgen/class_union.h"
#include "owlgen/node_lookup.h"
#include "rdf/rdf_list.h"
#include "rdf/vocabulary.h"

using Redland::Node;
namespace V = Vocabulary;

void generateClasses(ExpressSchema& schema, RdfCpp::Graph& schemaGraph, const std::string& importBaseUri) {
    const std::string ownNamespace = schemaGraph.getUri() + "#";
    for (const auto& [name, entity] : schema.entities) {
        // A name taken over from another schema carries that schema's name as its comment.
        Node cls(entity->comment.empty() ? ownNamespace + name : importBaseUri + entity->comment + "#" + name);
        schemaGraph.addTriple(cls, V::rdf_type, V::owl_Class);
        schema.classNodes[name] = cls;
        for (const ExpressAttribute& attribute : entity->attributes) {
            if (attribute.inverseOf.empty()) continue;
            // Keyed by the names as declared, so that spellings differing in case count together.
            const auto key = declaredInverseTarget(schema, attribute);
            ++schema.inverseTargetCount[key.first][key.second];
        }
    }
}

void generateClassHierarchy(ExpressSchema& schema, RdfCpp::Graph& schemaGraph) {
    for (const auto& [name, entity] : schema.entities) {
        Node cls = findNode(schema.classNodes, name);
        for (const std::string& supertype : entity->supertypes)
            if (hasNode(schema.classNodes, supertype))
                schemaGraph.addTriple(cls, V::rdfs_subClassOf, findNode(schema.classNodes, supertype));
    }
}

void defineAbstractAndDisjointClasses(ExpressSchema& schema, RdfCpp::Graph& schemaGraph) {
    for (const auto& [name, entity] : schema.entities) {
        // A subtype without a class would leave a list cell without rdf:first, a malformed RDF list.
        std::vector<Node> subclasses;
        for (const std::string& subtype : entity->subtypes)
            if (hasNode(schema.classNodes, subtype)) subclasses.push_back(findNode(schema.classNodes, subtype));

        for (size_t i = 0; i + 1 < subclasses.size(); ++i)
            for (size_t j = i + 1; j < subclasses.size(); ++j)
                schemaGraph.addTriple(subclasses[i], V::owl_disjointWith, subclasses[j]);

        if (!entity->isAbstract || subclasses.empty()) continue;
        schemaGraph.addTriple(findNode(schema.classNodes, name), V::rdfs_subClassOf,
                              writeUnionOf(schemaGraph, subclasses));
    }
}
